#pragma once

// A repeated key sequence (the program's emulation): a 16-bit value (the
// delay) and up to 56 codes in one record.
//
// Record: 00 F0 layer key 01 valueHi valueLo n code1..coden, zeros to 64
// bytes; with no codes bytes 5..7 stay zero.
// KeyConfigBlock: [0] 1, [1] value, [2] n, [3..n+2] codes.

#include <vector>

#include "hwi/CKeyDefine.h"

namespace talvane68 {

class CContinousKeyDefine : public CKeyDefine {
public:
    static constexpr int kMaxCodes = 56;

    CContinousKeyDefine(int key, int layer) : CKeyDefine(key, layer, kContinous) {}

    // False (after writing bytes 0..4) when there are no codes.
    bool Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const override;
    bool Decode(const std::uint8_t* buffer, int blockSize, int totalSize) override;
    int blockLength() const override { return 3 + count(); }
    void toBlock(int* block) const override;

    static std::unique_ptr<CContinousKeyDefine> fromBlock(int key, int layer, const int* block);

    void setValue(int value) { m_value = value; }
    int value() const { return m_value; }
    // Codes beyond the 56 a record holds are dropped.
    void setCodes(std::vector<int> codes);
    const std::vector<int>& codes() const { return m_codes; }
    int count() const { return static_cast<int>(m_codes.size()); }

private:
    int m_value = 0;
    std::vector<int> m_codes;
};

}  // namespace talvane68
