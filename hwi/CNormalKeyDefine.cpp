#include "hwi/CNormalKeyDefine.h"

#include <algorithm>

#include "hwi/Protocol.h"

namespace talvane68 {

bool CNormalKeyDefine::Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const {
    if (!beginSingleReport(buffer, blockSize, totalSize)) {
        return false;
    }
    buffer[5] = static_cast<std::uint8_t>(count());
    for (int i = 0; i < count(); ++i) {
        buffer[6 + i] = static_cast<std::uint8_t>(m_codes[i]);
    }
    return true;
}

bool CNormalKeyDefine::Decode(const std::uint8_t* buffer, int blockSize, int totalSize) {
    if (buffer == nullptr || blockSize != kBlockSize || totalSize < kBlockSize) {
        return false;
    }
    const int n = std::min<int>(buffer[5], kMaxCodes);
    m_codes.assign(buffer + 6, buffer + 6 + n);
    return true;
}

void CNormalKeyDefine::toBlock(int* block) const {
    block[0] = kNormal;
    block[1] = count();
    std::copy(m_codes.begin(), m_codes.end(), block + 2);
}

std::unique_ptr<CNormalKeyDefine> CNormalKeyDefine::fromBlock(int key, int layer, const int* block) {
    auto def = std::make_unique<CNormalKeyDefine>(key, layer);
    const int n = std::clamp(block[1], 0, kMaxCodes);
    def->m_codes.assign(block + 2, block + 2 + n);
    return def;
}

void CNormalKeyDefine::setCodes(std::vector<int> codes) {
    assignCodes(m_codes, std::move(codes), kMaxCodes);
}

}  // namespace talvane68
