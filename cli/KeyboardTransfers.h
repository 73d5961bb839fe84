#pragma once

// The keyboard exchanges the commands share, each with progress on err and a
// message on failure. The keyboard must have been opened (Context::openKeyboard).

#include <vector>

#include "cli/Context.h"
#include "cli/LightFile.h"

namespace talvane68::cli {

// Room for the longest key definition getKeyConfiguration can write.
constexpr std::size_t kKeyBlockCapacity = 1 << 17;

// Reads the keyboard's key table into the device object's model.
bool readKeyTable(Context& context);
// Sends the model's key table (fill it with prepare/setKeyConfiguration first).
bool writeKeyTable(Context& context);
// Reads the keyboard's light table.
bool readLightTable(Context& context, LightValues& values);
// Sends a light table; false (with a message) when a report could not be sent.
bool writeLightTable(Context& context, const LightValues& values);

}  // namespace talvane68::cli
