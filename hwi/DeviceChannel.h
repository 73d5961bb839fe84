#pragma once

// The seam between the device library and the operating system: a channel
// moves whole 65-byte reports to and from one opened HID interface, and an
// enumerator lists interface paths and opens them. The real backend is
// hidapi; the virtual keyboard and the tests' recording channel are others.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hwi/Export.h"

namespace talvane68 {

// A report on the wire: report id 0x00 followed by the 64-byte payload.
constexpr std::size_t kReportSize = 65;
constexpr std::size_t kPayloadSize = 64;

class DeviceChannel {
public:
    virtual ~DeviceChannel() = default;
    // Sends one report of length bytes (report id first). False on failure.
    virtual bool write(const std::uint8_t* report, std::size_t length) = 0;
    // Waits up to timeoutMs for the next input report and stores it, report
    // id first (so buffer[1] is payload byte 0), truncated to capacity.
    // Returns the number of bytes stored, 0 on timeout, -1 on failure.
    virtual int read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) = 0;
};

class DeviceEnumerator {
public:
    virtual ~DeviceEnumerator() = default;
    // Interface paths of the present HID devices, in enumeration order, in
    // the lower-case Windows form "\\?\hid#vid_0483&pid_4025&mi_01#...".
    virtual std::vector<std::u16string> interfacePaths() = 0;
    // Opens one of those paths. Never null: a path that cannot be opened
    // yields a channel whose every write and read fails.
    virtual std::unique_ptr<DeviceChannel> open(const std::u16string& path) = 0;
};

// The enumerator the library uses: the one set by setDeviceEnumerator, else
// the virtual keyboard when TALVANE68_DEVICE is "sim:DIR", else hidapi.
TALVANE68HWI_EXPORT std::shared_ptr<DeviceEnumerator> deviceEnumerator();
// Replaces the enumerator for the whole process; nullptr restores the default.
TALVANE68HWI_EXPORT void setDeviceEnumerator(std::shared_ptr<DeviceEnumerator> enumerator);

}  // namespace talvane68
