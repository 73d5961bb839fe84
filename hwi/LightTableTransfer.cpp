#include "hwi/LightTableTransfer.h"

#include <algorithm>
#include <cstring>

#include "hwi/CVrel.h"
#include "hwi/CVrelUtil.h"
#include "hwi/Protocol.h"

namespace talvane68 {

LightTableTransfer::LightTableTransfer(CVrel& model, const TransferControl& control)
    : m_model(model), m_stream(model.transport(), control), m_control(control) {}

bool LightTableTransfer::write(const int* area) {
    auto& table = m_model.lightTable();
    for (int i = 0; i < kLightTableSize; ++i) {
        table[i] = static_cast<std::uint8_t>(area[i]);
    }
    std::uint8_t payload[kPayloadSize] = {};
    payload[1] = kCmdLightBegin;
    bool sent = m_stream.send(payload);
    for (int offset = 0; sent && offset < kLightTableSize;) {
        const int n = std::min(kMaxChunk, kLightTableSize - offset);
        std::memset(payload, 0, sizeof payload);
        payload[1] = kCmdLightChunk;
        payload[2] = static_cast<std::uint8_t>(n);
        std::memcpy(payload + 3, table.data() + offset, static_cast<std::size_t>(n));
        sent = m_stream.send(payload);
        offset += n;
    }
    if (!sent) {
        // The keyboard got part of the table and no end report: a failure.
        return false;
    }
    std::memset(payload, kCmdLightEnd, sizeof payload);
    return m_stream.send(payload);
}

bool LightTableTransfer::read() {
    std::uint8_t payload[kPayloadSize] = {};
    payload[1] = kCmdLightRequest;
    if (!m_stream.send(payload)) {
        return false;
    }
    auto& table = m_model.lightTable();
    int fill = 0;
    for (;;) {
        if (!m_stream.receive(payload)) {
            return false;
        }
        if (payload[1] == kCmdLightEnd) {
            return true;
        }
        if (payload[1] == kCmdLightChunk) {
            const int n = std::min({static_cast<int>(payload[2]), kMaxChunk, kLightTableSize - fill});
            std::memcpy(table.data() + fill, payload + 3, static_cast<std::size_t>(n));
            fill += n;
        }
    }
}

}  // namespace talvane68
