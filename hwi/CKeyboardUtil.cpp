#include "hwi/CKeyboardUtil.h"

#include <algorithm>
#include <cstring>

namespace talvane68 {

CKeyboardUtil::CKeyboardUtil(std::unique_ptr<DeviceChannel> channel) : m_channel(std::move(channel)) {}

CKeyboardUtil::~CKeyboardUtil() = default;

bool CKeyboardUtil::WriteReport(const std::uint8_t* report, std::size_t length) {
    if (!m_channel || report == nullptr) {
        return false;
    }
    return m_channel->write(report, length);
}

bool CKeyboardUtil::ReadReport(std::uint8_t* payload, int* length, int timeoutMs) {
    if (!m_channel || payload == nullptr || length == nullptr) {
        return false;
    }
    std::uint8_t report[kReportSize] = {};
    const int received = m_channel->read(report, sizeof report, timeoutMs);
    m_lastReadTimedOut = received == 0;
    if (received <= 0) {
        return false;
    }
    const int requested = std::clamp(*length, 0, static_cast<int>(kPayloadSize));
    std::memcpy(payload, report + 1, static_cast<std::size_t>(requested));
    *length = std::max(requested, received - 1);
    return true;
}

}  // namespace talvane68
