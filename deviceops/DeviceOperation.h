#pragma once

// The device operations the progress window runs by number, free of any
// window and thread: DeviceOperationWorker runs them on its own thread.

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

// Runs the transfer of the operation; the light operations then post
// WM_DEVICE_PROGRESS 150 to progressWindow (the key transfers post their
// slots themselves). Returns whether the transfer succeeded; an unknown
// operation returns false and posts nothing.
bool performDeviceOperation(KeyboardProfile& profile, int operation);

}  // namespace talvane68
