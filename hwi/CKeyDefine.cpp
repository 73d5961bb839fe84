#include "hwi/CKeyDefine.h"

#include "hwi/CContinousKeyDefine.h"
#include "hwi/CMacroKeyDefine.h"
#include "hwi/CNormalKeyDefine.h"
#include "hwi/Protocol.h"

namespace talvane68 {

std::unique_ptr<CKeyDefine> CKeyDefine::create(int key, int layer, int kind) {
    switch (kind) {
        case kNormal:
            return std::make_unique<CNormalKeyDefine>(key, layer);
        case kContinous:
            return std::make_unique<CContinousKeyDefine>(key, layer);
        case 2:
        case 3:
        case 4:
            return std::make_unique<CMacroKeyDefine>(key, layer, kind);
        default:
            return nullptr;
    }
}

std::unique_ptr<CKeyDefine> CKeyDefine::fromBlock(int key, int layer, const int* block) {
    switch (block[0]) {
        case 0:
            return CNormalKeyDefine::fromBlock(key, layer, block);
        case 1:
            return CContinousKeyDefine::fromBlock(key, layer, block);
        case 2:
            return CMacroKeyDefine::fromBlock(key, layer, block);
        default:
            return nullptr;
    }
}

bool CKeyDefine::beginSingleReport(std::uint8_t* buffer, int blockSize, int* totalSize) const {
    if (blockSize != kBlockSize) {
        return false;
    }
    if (totalSize != nullptr) {
        *totalSize = kBlockSize;
    }
    if (buffer == nullptr) {
        return false;
    }
    writeRecordStart(buffer);
    return true;
}

void CKeyDefine::assignCodes(std::vector<int>& target, std::vector<int> codes, int limit) {
    if (codes.size() > static_cast<std::size_t>(limit)) {
        codes.resize(static_cast<std::size_t>(limit));
    }
    target = std::move(codes);
}

void CKeyDefine::writeRecordStart(std::uint8_t* payload) const {
    payload[0] = 0x00;
    payload[1] = kCmdKeyRecord;
    payload[2] = static_cast<std::uint8_t>(m_layer);
    payload[3] = static_cast<std::uint8_t>(m_key);
    payload[4] = static_cast<std::uint8_t>(m_kind);
}

}  // namespace talvane68
