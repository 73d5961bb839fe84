#include "hwi/CVrelUtil.h"

#include "hwi/AnsiText.h"
#include "hwi/Protocol.h"

namespace talvane68 {

bool CVrelUtil::ReadVersion(char16_t* text) {
    if (text == nullptr) {
        return false;
    }
    std::uint8_t report[kReportSize] = {};
    report[2] = kCmdVersion;
    if (!WriteReport(report, kReportSize)) {
        return false;
    }
    std::uint8_t payload[kPayloadSize] = {};
    int length = kPayloadSize;
    if (!ReadReport(payload, &length, m_readTimeoutMs)) {
        return false;
    }
    constexpr std::size_t kVersionUnits = 62;
    const std::size_t written = ansiToUtf16(payload + 2, kVersionUnits, text, kVersionUnits);
    for (std::size_t i = written; i < kVersionUnits; ++i) {
        text[i] = 0;
    }
    return true;
}

}  // namespace talvane68
