#include "deviceops/DeviceOperation.h"

#include "deviceops/DeviceOperations.h"
#include "hwi/Talvane68HWI.h"

namespace talvane68 {

bool isDeviceOperation(int operation) {
    switch (static_cast<DeviceOperation>(operation)) {
        case DeviceOperation::WriteKeys:
        case DeviceOperation::ReadKeys:
        case DeviceOperation::WriteLights:
        case DeviceOperation::ReadLights:
            return true;
    }
    return false;
}

bool performDeviceOperation(KeyboardProfile& profile, int operation) {
    if (!isDeviceOperation(operation)) {
        return false;
    }
    bool ok = false;
    switch (static_cast<DeviceOperation>(operation)) {
        case DeviceOperation::WriteKeys:
            ok = writeKeysToDevice(profile, profile.progressWindow);
            break;
        case DeviceOperation::ReadKeys:
            ok = readKeysFromDevice(profile, profile.progressWindow);
            break;
        case DeviceOperation::WriteLights:
            ok = writeLightsToDevice(profile);
            postMessage(profile.progressWindow, WM_DEVICE_PROGRESS, kLightsProgress, 0);
            break;
        case DeviceOperation::ReadLights:
            ok = readLightsFromDevice(profile);
            postMessage(profile.progressWindow, WM_DEVICE_PROGRESS, kLightsProgress, 0);
            break;
    }
    return ok;
}

}  // namespace talvane68
