#include "hwi/CContinousKeyDefine.h"

#include <algorithm>

#include "hwi/Protocol.h"

namespace talvane68 {

bool CContinousKeyDefine::Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const {
    if (!beginSingleReport(buffer, blockSize, totalSize)) {
        return false;
    }
    if (count() == 0) {
        return false;
    }
    buffer[5] = static_cast<std::uint8_t>(m_value >> 8);
    buffer[6] = static_cast<std::uint8_t>(m_value);
    buffer[7] = static_cast<std::uint8_t>(count());
    for (int i = 0; i < count(); ++i) {
        buffer[8 + i] = static_cast<std::uint8_t>(m_codes[i]);
    }
    return true;
}

bool CContinousKeyDefine::Decode(const std::uint8_t* buffer, int blockSize, int totalSize) {
    if (buffer == nullptr || blockSize != kBlockSize || totalSize < kBlockSize) {
        return false;
    }
    m_value = buffer[5] * 256 + buffer[6];
    const int n = std::min<int>(buffer[7], kMaxCodes);
    m_codes.assign(buffer + 8, buffer + 8 + n);
    return true;
}

void CContinousKeyDefine::toBlock(int* block) const {
    block[0] = kContinous;
    block[1] = m_value;
    block[2] = count();
    std::copy(m_codes.begin(), m_codes.end(), block + 3);
}

std::unique_ptr<CContinousKeyDefine> CContinousKeyDefine::fromBlock(int key, int layer, const int* block) {
    auto def = std::make_unique<CContinousKeyDefine>(key, layer);
    def->m_value = block[1];
    const int n = std::clamp(block[2], 0, kMaxCodes);
    def->m_codes.assign(block + 3, block + 3 + n);
    return def;
}

void CContinousKeyDefine::setCodes(std::vector<int> codes) {
    assignCodes(m_codes, std::move(codes), kMaxCodes);
}

}  // namespace talvane68
