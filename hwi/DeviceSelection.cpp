// Which enumerator the library uses: the one a program or test set, else the
// virtual keyboard named by TALVANE68_DEVICE=sim:DIR, else hidapi.

#include <cstdlib>
#include <mutex>
#include <string_view>

#include "hwi/DeviceChannel.h"
#include "hwi/HidapiEnumerator.h"
#include "sim/SimDevice.h"

namespace talvane68 {
namespace {

struct Selection {
    std::mutex mutex;
    std::shared_ptr<DeviceEnumerator> chosen;
};

Selection& selection() {
    static Selection instance;
    return instance;
}

std::shared_ptr<DeviceEnumerator> defaultEnumerator() {
    const char* device = std::getenv("TALVANE68_DEVICE");
    constexpr std::string_view kSim = "sim:";
    if (device != nullptr && std::string_view(device).substr(0, kSim.size()) == kSim) {
        return sim::makeEnumerator(std::string(device + kSim.size()));
    }
    return std::make_shared<HidapiEnumerator>();
}

}  // namespace

std::shared_ptr<DeviceEnumerator> deviceEnumerator() {
    Selection& s = selection();
    {
        std::lock_guard lock(s.mutex);
        if (s.chosen) {
            return s.chosen;
        }
    }
    return defaultEnumerator();
}

void setDeviceEnumerator(std::shared_ptr<DeviceEnumerator> enumerator) {
    Selection& s = selection();
    std::lock_guard lock(s.mutex);
    s.chosen = std::move(enumerator);
}

}  // namespace talvane68
