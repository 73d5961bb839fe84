#pragma once

// The body of the progress window's worker thread, free of any window: run
// one device operation, wait for the keyboard to settle, and tell the window
// in the profile's progressWindow that it is done. The window handle is read
// from the profile at every post, as the window may close meanwhile.

#include <chrono>

#include "platform/messaging/Messaging.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {

// Operation numbers the progress window is opened with.
enum class DeviceOperation : int { WriteKeys = 1, ReadKeys = 3, WriteLights = 4, ReadLights = 5 };

// wParam of WM_DEVICE_DONE: 0 when the exchange succeeded, 1 when it failed.
constexpr WParam kDeviceDoneOk = 0;
constexpr WParam kDeviceDoneFailed = 1;
// WM_DEVICE_PROGRESS value the light operations post (the full bar).
constexpr WParam kLightsProgress = 150;

// True when operation is one of the four numbers above.
bool isDeviceOperation(int operation);

// Runs the operation (lights also post WM_DEVICE_PROGRESS 150), waits
// settle, then posts WM_DEVICE_DONE with the outcome. Returns the outcome;
// an unknown operation returns false and posts nothing.
bool runDeviceOperation(KeyboardProfile& profile, int operation,
                        std::chrono::milliseconds settle = std::chrono::seconds(1));

}  // namespace talvane68
