#pragma once

// The profile file commands of talvane68ctl: read-keys, write-keys,
// write-lights and show on .prf files. A file that cannot be read as a
// profile is reported before the keyboard is opened, so it is never touched.

#include "cli/CommandTable.h"

namespace talvane68::cli {

void addProfileCommands(CommandTable& table);

}  // namespace talvane68::cli
