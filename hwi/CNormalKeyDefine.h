#pragma once

// A plain key or key combination: up to 58 codes in one record.
//
// Record: 00 F0 layer key 00 n code1..coden, zeros to 64 bytes.
// KeyConfigBlock: [0] 0, [1] n, [2..n+1] codes.

#include <vector>

#include "hwi/CKeyDefine.h"

namespace talvane68 {

class CNormalKeyDefine : public CKeyDefine {
public:
    static constexpr int kMaxCodes = 58;

    CNormalKeyDefine(int key, int layer) : CKeyDefine(key, layer, kNormal) {}

    bool Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const override;
    bool Decode(const std::uint8_t* buffer, int blockSize, int totalSize) override;
    int blockLength() const override { return 2 + count(); }
    void toBlock(int* block) const override;

    static std::unique_ptr<CNormalKeyDefine> fromBlock(int key, int layer, const int* block);

    // Codes beyond the 58 a record holds are dropped.
    void setCodes(std::vector<int> codes);
    const std::vector<int>& codes() const { return m_codes; }
    int count() const { return static_cast<int>(m_codes.size()); }

private:
    std::vector<int> m_codes;
};

}  // namespace talvane68
