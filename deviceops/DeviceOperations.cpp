#include "deviceops/DeviceOperations.h"

#include <algorithm>
#include <vector>

#include "deviceops/KeyConfigConversion.h"

namespace talvane68 {

namespace {

// getKeyConfiguration writes as much as the slot's definition needs and
// takes no size, so the buffer holds the longest one the library can hold.
constexpr std::size_t kKeyBlockCapacity = 65536;

}  // namespace

bool writeKeysToDevice(KeyboardProfile& profile, WindowHandle window) {
    return writeKeysToDevice(profile, profile.device, window);
}

bool writeKeysToDevice(const KeyboardProfile& profile, CVrelHWI& device, WindowHandle window) {
    device.prepare();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            std::vector<int> block = keyConfigBlockOf(profile, layer, keyId);
            if (!block.empty()) {
                device.setKeyConfiguration(layer, keyId, block.data(), static_cast<int>(block.size()));
            }
        }
    }
    return device.writeKeyConfigurationToDev(window);
}

bool readKeysFromDevice(KeyboardProfile& profile, WindowHandle window) {
    if (!profile.device.readKeyDefinationFromDev(window)) {
        return false;
    }
    std::vector<int> block(kKeyBlockCapacity);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            std::fill(block.begin(), block.end(), 0);
            profile.device.getKeyConfiguration(layer, keyId, block.data(), static_cast<int>(block.size()));
            applyKeyConfigBlock(profile, layer, keyId, block);
        }
    }
    return true;
}

bool writeLightsToDevice(KeyboardProfile& profile) {
    LightArea area = lightAreaOf(profile);
    return profile.device.setKeyboardLightArea(area.data());
}

bool readLightsFromDevice(KeyboardProfile& profile) {
    if (!profile.device.readKeyLightFromDev()) {
        return false;
    }
    LightArea area{};
    if (!profile.device.getKeyboardLightArea(area.data())) {
        return false;
    }
    applyLightArea(profile, area);
    return true;
}

}  // namespace talvane68
