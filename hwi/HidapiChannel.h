#pragma once

// A keyboard interface opened through hidapi (hidraw backend).

#include <string>

#include "hwi/DeviceChannel.h"
#include "hwi/DeviceLock.h"

struct hid_device_;

namespace talvane68 {

class HidapiChannel : public DeviceChannel {
public:
    // Opens hidapiPath (e.g. "/dev/hidraw3") and tries its write lock. A
    // path that does not open fails every exchange; without the lock every
    // write fails while reads still work.
    explicit HidapiChannel(const std::string& hidapiPath, const std::string& lockDirectory = {});
    ~HidapiChannel() override;
    HidapiChannel(const HidapiChannel&) = delete;
    HidapiChannel& operator=(const HidapiChannel&) = delete;

    bool write(const std::uint8_t* report, std::size_t length) override;
    int read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) override;

    bool isOpen() const { return m_device != nullptr; }
    bool holdsLock() const { return m_lock.held(); }

private:
    DeviceLock m_lock;
    hid_device_* m_device = nullptr;
};

}  // namespace talvane68
