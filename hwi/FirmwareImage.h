#pragma once

// An Intel HEX firmware text, checked as a whole and cut into the records the
// download sends, one report each.
//
// Lines end with CR, CR LF or LF; a last line without a line end counts.
// The records are the lines up to the first empty line (or the end). Each
// must start with ':', hold an even number of hexadecimal digits and at most
// 999 characters, fit one report (62 bytes), agree with its own byte count
// and carry a correct checksum (all bytes sum to 0 modulo 256).

#include <array>
#include <cstdint>
#include <vector>

namespace talvane68 {

class FirmwareImage {
public:
    static constexpr int kMaxRecordBytes = 62;  // payload bytes 2..63
    static constexpr int kMaxLineLength = 999;

    struct Record {
        std::array<std::uint8_t, kMaxRecordBytes> bytes{};
        int size = 0;
    };

    // Reads size bytes of text (up to a zero byte, if one comes first).
    // False, keeping nothing, when the text is absent, empty, does not start
    // with ':' or any record line is invalid.
    bool parse(const char* text, int size);

    const std::vector<Record>& records() const { return m_records; }
    // Lines of the whole text, the divisor of the progress value.
    int lineCount() const { return m_lineCount; }

private:
    std::vector<Record> m_records;
    int m_lineCount = 0;
};

}  // namespace talvane68
