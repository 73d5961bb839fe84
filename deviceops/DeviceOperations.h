#pragma once

// The four exchanges between the profile and the keyboard. Each converts
// (see KeyConfigConversion.h), calls the device library on the profile's
// device, and returns whether the library's transfer succeeded. They wait
// for nothing and post nothing themselves; the library posts the key
// transfers' WM_DEVICE_PROGRESS to the given window.

#include "platform/messaging/Messaging.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {

// Empties the device's key table, stores the block of every key and layer
// that has an assignment, and sends the table. The result is the send's.
bool writeKeysToDevice(KeyboardProfile& profile, WindowHandle window);
// The same through another, already opened, device object (talvane68ctl
// keeps its own).
bool writeKeysToDevice(const KeyboardProfile& profile, CVrelHWI& device, WindowHandle window);

// Reads the keyboard's key table and sets every key's assignment on both
// layers from it. When the read fails the profile is left as it was and the
// result is false.
bool readKeysFromDevice(KeyboardProfile& profile, WindowHandle window);

// Sends the colours of keys 1..69 and reads the table back to confirm it:
// true when the keyboard then holds them.
bool writeLightsToDevice(KeyboardProfile& profile);

// Reads the light table into the colours of keys 1..69. When the read fails
// the colours are left as they were and the result is false.
bool readLightsFromDevice(KeyboardProfile& profile);

}  // namespace talvane68
