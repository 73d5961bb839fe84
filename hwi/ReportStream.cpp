#include "hwi/ReportStream.h"

#include <algorithm>
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
    // The wait is cut into short slices so that a cancel reaches a transfer
    // whose keyboard has stopped answering, not only one between reports.
    constexpr int kSliceMs = 100;
    int remaining = std::max(m_control.readTimeoutMs, 0);
    for (;;) {
        if (m_transport == nullptr || m_control.isCancelled()) {
            return false;
        }
        const int slice = std::min(remaining, kSliceMs);
        int length = kPayloadSize;
        if (m_transport->ReadReport(payload, &length, slice)) {
            return true;
        }
        remaining -= slice;
        if (!m_transport->lastReadTimedOut() || remaining <= 0) {
            return false;
        }
    }
}

}  // namespace talvane68
