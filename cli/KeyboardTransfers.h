#pragma once

// The keyboard exchanges the commands share, each with progress on err and a
// message on failure. The keyboard must have been opened (Context::openKeyboard).

#include <memory>
#include <string>
#include <vector>

#include "cli/Context.h"
#include "cli/LightFile.h"
#include "profile/KeyboardProfile.h"

namespace talvane68::cli {

// Key slots a key table transfer reports progress for.
constexpr int kKeyTableSlots = 138;

// Room for the longest key definition getKeyConfiguration can write.
constexpr std::size_t kKeyBlockCapacity = 1 << 17;

// Reads the keyboard's key table into the device object's model.
bool readKeyTable(Context& context);
// Sends the model's key table (fill it with prepare/setKeyConfiguration first).
bool writeKeyTable(Context& context);
// Reads the keyboard's light table.
bool readLightTable(Context& context, LightValues& values);
// The profile as the program has it after start-up: tables built, every key
// at its default, English captions. It is large and holds a device, so it
// lives on the heap.
std::unique_ptr<KeyboardProfile> defaultProfile();
// "layer 0 key  1: Single 1 ESC": one key's assignment with its captions; list
// modes show their caption alone, NotSet its name alone.
std::string assignmentLine(const KeyboardProfile& profile, int layer, int keyId);
// Writes the profile's key assignments to the keyboard.
bool writeProfileKeys(Context& context, KeyboardProfile& profile);
// Sends a light table; false (with a message) when a report could not be sent.
bool writeLightTable(Context& context, const LightValues& values);

}  // namespace talvane68::cli
