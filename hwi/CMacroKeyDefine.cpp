#include "hwi/CMacroKeyDefine.h"

#include <algorithm>
#include <cstring>

#include "hwi/Protocol.h"

namespace talvane68 {
namespace {

// Where stream byte j lives in a run of blocks.
constexpr int streamOffset(int j) {
    return (j / CMacroKeyDefine::kStreamPerBlock) * kBlockSize + CMacroKeyDefine::kHeaderSize +
           j % CMacroKeyDefine::kStreamPerBlock;
}

}  // namespace

int CMacroKeyDefine::streamLength() const {
    const int n = count();
    if (n == 0) {
        return 0;
    }
    return m_delayFlag != 0 ? 4 * n - 3 : n;
}

bool CMacroKeyDefine::Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const {
    if (blockSize != kBlockSize) {
        return false;
    }
    const int length = streamLength();
    const int blocks = (length + kStreamPerBlock - 1) / kStreamPerBlock;
    if (totalSize != nullptr) {
        *totalSize = blocks * kBlockSize;
    }
    if (buffer == nullptr) {
        return false;
    }
    if (blocks == 0) {
        return true;
    }
    std::uint8_t header[kHeaderSize];
    writeRecordStart(header);
    header[5] = static_cast<std::uint8_t>(m_cycles);
    header[6] = static_cast<std::uint8_t>(m_delayFlag);
    header[7] = static_cast<std::uint8_t>(m_interval >> 8);
    header[8] = static_cast<std::uint8_t>(m_interval);
    header[9] = static_cast<std::uint8_t>(length >> 8);
    header[10] = static_cast<std::uint8_t>(length);
    for (int b = 0; b < blocks; ++b) {
        std::memcpy(buffer + b * kBlockSize, header, kHeaderSize);
    }
    const int n = count();
    if (m_delayFlag == 0) {
        for (int i = 0; i < n; ++i) {
            buffer[streamOffset(i)] = static_cast<std::uint8_t>(m_codes[i]);
        }
        return true;
    }
    for (int i = 0; i < n; ++i) {
        buffer[streamOffset(4 * i)] = static_cast<std::uint8_t>(m_codes[i]);
        if (i + 1 < n) {
            buffer[streamOffset(4 * i + 1)] = kDelayMarker;
            buffer[streamOffset(4 * i + 2)] = static_cast<std::uint8_t>(m_delays[i] >> 8);
            buffer[streamOffset(4 * i + 3)] = static_cast<std::uint8_t>(m_delays[i]);
        }
    }
    return true;
}

bool CMacroKeyDefine::Decode(const std::uint8_t* buffer, int blockSize, int totalSize) {
    if (buffer == nullptr || blockSize != kBlockSize || totalSize < kBlockSize) {
        return false;
    }
    m_cycles = buffer[5];
    m_delayFlag = buffer[6] != 0 ? 1 : 0;
    m_interval = buffer[7] * 256 + buffer[8];
    // Only the stream bytes that arrived count, whatever the header claims.
    const int arrived = totalSize / kBlockSize * kStreamPerBlock;
    const int length = std::min(buffer[9] * 256 + buffer[10], arrived);
    int n = 0;
    if (length > 0) {
        n = m_delayFlag != 0 ? (length - 1) / 4 + 1 : length;
    }
    m_codes.resize(n);
    m_delays.assign(n, 0);
    for (int i = 0; i < n; ++i) {
        if (m_delayFlag == 0) {
            m_codes[i] = buffer[streamOffset(i)];
            continue;
        }
        m_codes[i] = buffer[streamOffset(4 * i)];
        if (i + 1 < n) {
            m_delays[i] = buffer[streamOffset(4 * i + 2)] * 256 + buffer[streamOffset(4 * i + 3)];
        }
    }
    return true;
}

int CMacroKeyDefine::blockLength() const {
    const int n = count();
    const int wanted = m_delayFlag != 0 ? 6 + std::max(0, 2 * n - 1) : 6 + n;
    return std::min(wanted, kBlockCapacity);
}

void CMacroKeyDefine::toBlock(int* block) const {
    int n = count();
    if (m_delayFlag == 0) {
        n = std::min(n, kBlockCapacity - 6);
    }
    block[0] = 2;
    block[1] = kind() - kMacroFirst;
    block[2] = m_cycles;
    block[3] = m_delayFlag;
    block[4] = m_interval;
    block[5] = n;
    int* out = block + 6;
    for (int i = 0; i < n; ++i) {
        *out++ = m_codes[i];
        if (m_delayFlag != 0 && i + 1 < n) {
            *out++ = m_delays[i];
        }
    }
}

std::unique_ptr<CMacroKeyDefine> CMacroKeyDefine::fromBlock(int key, int layer, const int* block) {
    const int playMode = block[1];
    if (playMode < 0 || playMode > kMacroLast - kMacroFirst) {
        return nullptr;
    }
    auto def = std::make_unique<CMacroKeyDefine>(key, layer, kMacroFirst + playMode);
    def->m_cycles = block[2];
    def->m_delayFlag = block[3] != 0 ? 1 : 0;
    def->m_interval = block[4];
    const int limit = def->m_delayFlag != 0 ? kMaxEventsWithDelays : kMaxEvents;
    const int n = std::clamp(block[5], 0, limit);
    def->m_codes.resize(n);
    def->m_delays.assign(n, 0);
    const int* in = block + 6;
    for (int i = 0; i < n; ++i) {
        def->m_codes[i] = *in++;
        if (def->m_delayFlag != 0 && i + 1 < n) {
            def->m_delays[i] = *in++;
        }
    }
    return def;
}

void CMacroKeyDefine::setEvents(int delayFlag, std::vector<int> codes, std::vector<int> delays) {
    m_delayFlag = delayFlag != 0 ? 1 : 0;
    const std::size_t limit = m_delayFlag != 0 ? kMaxEventsWithDelays : kMaxEvents;
    if (codes.size() > limit) {
        codes.resize(limit);
    }
    delays.resize(codes.size(), 0);
    m_codes = std::move(codes);
    m_delays = std::move(delays);
}

}  // namespace talvane68
