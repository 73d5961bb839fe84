#pragma once

// A keyboard whose replies are the fuzz input, 64 payload bytes each (the
// last one padded with zeros); once they run out every read fails.

#include <algorithm>
#include <cstring>

#include "hwi/DeviceChannel.h"

namespace talvane68::fuzz {

class ReplayChannel : public DeviceChannel {
public:
    ReplayChannel(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool write(const std::uint8_t*, std::size_t length) override { return length == kReportSize; }

    int read(std::uint8_t* buffer, std::size_t capacity, int) override {
        if (m_pos >= m_size || capacity < kReportSize) {
            return -1;
        }
        const std::size_t n = std::min(kPayloadSize, m_size - m_pos);
        std::memset(buffer, 0, kReportSize);
        std::memcpy(buffer + 1, m_data + m_pos, n);
        m_pos += n;
        return static_cast<int>(kReportSize);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace talvane68::fuzz
