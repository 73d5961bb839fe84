#include "hwi/ReportStream.h"

#include <cstring>

#include "hwi/CKeyboardUtil.h"

namespace talvane68 {

bool ReportStream::send(const std::uint8_t* payload) {
    if (m_transport == nullptr || m_control.isCancelled()) {
        return false;
    }
    std::uint8_t report[kReportSize];
    report[0] = 0x00;
    std::memcpy(report + 1, payload, kPayloadSize);
    return m_transport->WriteReport(report, kReportSize);
}

bool ReportStream::receive(std::uint8_t* payload) {
    if (m_transport == nullptr || m_control.isCancelled()) {
        return false;
    }
    int length = kPayloadSize;
    return m_transport->ReadReport(payload, &length, m_control.readTimeoutMs);
}

}  // namespace talvane68
