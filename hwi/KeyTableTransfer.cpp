#include "hwi/KeyTableTransfer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "hwi/CMacroKeyDefine.h"
#include "hwi/CVrel.h"
#include "hwi/CVrelUtil.h"
#include "hwi/Protocol.h"
#include "hwi/Talvane68HWI.h"

namespace talvane68 {

KeyTableTransfer::KeyTableTransfer(CVrel& model, const TransferControl& control)
    : m_model(model), m_stream(model.transport(), control) {}

bool KeyTableTransfer::write(WindowHandle window) {
    std::uint8_t payload[kPayloadSize] = {};
    payload[1] = kCmdKeyBegin;
    if (!m_stream.send(payload)) {
        return false;
    }
    std::vector<std::uint8_t> records;
    for (int layer = 1; layer <= kLayerCount; ++layer) {
        for (int key = 1; key <= kKeyCount; ++key) {
            const int slot = slotIndex(layer, key);
            const CKeyDefine* def = m_model.definition(slot);
            if (def != nullptr) {
                int total = 0;
                def->Encode(nullptr, kBlockSize, &total);
                try {
                    records.assign(static_cast<std::size_t>(total), 0);
                } catch (const std::bad_alloc&) {
                    return false;
                }
                def->Encode(records.data(), kBlockSize, &total);
                for (int offset = 0; offset + kBlockSize <= total; offset += kBlockSize) {
                    if (!m_stream.send(records.data() + offset)) {
                        return false;
                    }
                }
            } else {
                std::uint8_t empty[kPayloadSize] = {};
                empty[1] = kCmdKeyRecord;
                empty[2] = static_cast<std::uint8_t>(layer);
                empty[3] = static_cast<std::uint8_t>(key);
                if (!m_stream.send(empty)) {
                    return false;
                }
            }
            postMessage(window, WM_DEVICE_PROGRESS, static_cast<WParam>(slot), 0);
        }
    }
    std::memset(payload + 1, kCmdKeyEnd, kPayloadSize - 1);
    return m_stream.send(payload);
}

bool KeyTableTransfer::read(WindowHandle window) {
    std::uint8_t payload[kPayloadSize] = {};
    payload[1] = kCmdKeyRequest;
    if (!m_stream.send(payload)) {
        return false;
    }
    for (;;) {
        if (!m_stream.receive(payload)) {
            return false;
        }
        if (payload[0] == kCmdKeyEnd) {
            return true;
        }
        if (payload[1] == kCmdKeyRecord && !readRecord(payload, window)) {
            return false;
        }
    }
}

// Takes one key record whose first report is first, reading the further
// blocks of a long macro. False only when such a read fails.
bool KeyTableTransfer::readRecord(const std::uint8_t* first, WindowHandle window) {
    const int layer = first[2];
    const int key = first[3];
    const int kind = first[4];
    if (layer < 1 || layer > kLayerCount || key < 1 || key > kKeyCount || kind > CKeyDefine::kMacroLast) {
        return true;
    }
    std::unique_ptr<CKeyDefine> def = CKeyDefine::create(key, layer, kind);
    int blocks = 1;
    if (kind >= CKeyDefine::kMacroFirst) {
        const int length = first[9] * 256 + first[10];
        blocks =
            std::max(1, (length + CMacroKeyDefine::kStreamPerBlock - 1) / CMacroKeyDefine::kStreamPerBlock);
    }
    std::vector<std::uint8_t> joined(static_cast<std::size_t>(blocks) * kBlockSize);
    std::memcpy(joined.data(), first, kBlockSize);
    for (int b = 1; b < blocks; ++b) {
        if (!m_stream.receive(joined.data() + b * kBlockSize)) {
            return false;
        }
    }
    def->Decode(joined.data(), kBlockSize, static_cast<int>(joined.size()));
    const int slot = slotIndex(layer, key);
    m_model.setDefinition(slot, std::move(def));
    postMessage(window, WM_DEVICE_PROGRESS, static_cast<WParam>(slot), 0);
    return true;
}

}  // namespace talvane68
