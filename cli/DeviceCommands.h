#pragma once

// detect, version, read-lights, write-lights, dump-keys, firmware.

#include "cli/CommandTable.h"

namespace talvane68::cli {

void addDeviceCommands(CommandTable& table);

}  // namespace talvane68::cli
