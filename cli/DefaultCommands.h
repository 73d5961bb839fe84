#pragma once

// defaults, write-defaults: the factory assignment of every key.

#include "cli/CommandTable.h"

namespace talvane68::cli {

void addDefaultCommands(CommandTable& table);

}  // namespace talvane68::cli
