#pragma once

// Transport base: moves single 65-byte reports (report id 0x00 + 64 payload
// bytes) over one opened keyboard interface.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "hwi/DeviceChannel.h"

namespace talvane68 {

class CKeyboardUtil {
public:
    // Takes the opened interface; a null channel fails every exchange.
    explicit CKeyboardUtil(std::unique_ptr<DeviceChannel> channel);
    virtual ~CKeyboardUtil();
    CKeyboardUtil(const CKeyboardUtil&) = delete;
    CKeyboardUtil& operator=(const CKeyboardUtil&) = delete;

    // Sends length bytes of report (report id first). True when the channel
    // took the whole report.
    virtual bool WriteReport(const std::uint8_t* report, std::size_t length);
    // Waits up to timeoutMs for the next input report and copies *length
    // payload bytes of it (at most 64; short reports are padded with zeros)
    // into payload. *length becomes the larger of the requested count and the
    // payload bytes received. False on failure or timeout; payload is then
    // untouched.
    virtual bool ReadReport(std::uint8_t* payload, int* length, int timeoutMs);
    // True when the last ReadReport gave up because nothing arrived in time
    // (rather than because the channel failed).
    bool lastReadTimedOut() const { return m_lastReadTimedOut; }

protected:
    DeviceChannel* channel() const { return m_channel.get(); }

private:
    std::unique_ptr<DeviceChannel> m_channel;
    bool m_lastReadTimedOut = false;
};

}  // namespace talvane68
