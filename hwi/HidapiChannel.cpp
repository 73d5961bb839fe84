#include "hwi/HidapiChannel.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cstring>

namespace talvane68 {

HidapiChannel::HidapiChannel(const std::string& hidapiPath, const std::string& lockDirectory)
    : m_lock(hidapiPath, lockDirectory) {
    if (hid_init() == 0) {
        m_device = hid_open_path(hidapiPath.c_str());
    }
}

HidapiChannel::~HidapiChannel() {
    if (m_device != nullptr) {
        hid_close(m_device);
    }
}

bool HidapiChannel::write(const std::uint8_t* report, std::size_t length) {
    if (m_device == nullptr || !m_lock.held()) {
        return false;
    }
    // hidraw takes the report id as the first byte and strips id 0.
    return hid_write(m_device, report, length) == static_cast<int>(length);
}

int HidapiChannel::read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) {
    if (m_device == nullptr || capacity == 0) {
        return -1;
    }
    // The interface has no numbered reports: hidraw hands over the bare
    // payload, which goes out behind report id 0.
    std::uint8_t payload[kPayloadSize] = {};
    const int n = hid_read_timeout(m_device, payload, sizeof payload, timeoutMs);
    if (n <= 0) {
        return n;
    }
    buffer[0] = 0;
    const std::size_t copied = std::min(static_cast<std::size_t>(n), capacity - 1);
    std::memcpy(buffer + 1, payload, copied);
    return static_cast<int>(copied + 1);
}

}  // namespace talvane68
