#include "hwi/FirmwareDownload.h"

#include <cstring>

#include "hwi/FirmwareImage.h"
#include "hwi/Protocol.h"
#include "hwi/Talvane68HWI.h"

namespace talvane68 {

FirmwareDownload::FirmwareDownload(CKeyboardUtil* transport, const TransferControl& control)
    : m_stream(transport, control) {}

bool FirmwareDownload::run(const char* text, int size, WindowHandle window) {
    FirmwareImage image;
    if (!image.parse(text, size)) {
        return false;
    }
    const std::int64_t lines = image.lineCount();
    std::int64_t sum = 0;
    std::int64_t posted = 0;
    std::uint8_t payload[kPayloadSize];
    for (const FirmwareImage::Record& record : image.records()) {
        std::memset(payload, 0, sizeof payload);
        payload[1] = kCmdFirmwareLine;
        std::memcpy(payload + 2, record.bytes.data(), static_cast<std::size_t>(record.size));
        if (!m_stream.send(payload)) {
            return false;
        }
        sum += 150;
        const std::int64_t progress = sum / lines;
        if (progress > posted) {
            postMessage(window, WM_DEVICE_PROGRESS, static_cast<WParam>(progress), 0);
            posted = progress;
        }
    }
    return true;
}

}  // namespace talvane68
