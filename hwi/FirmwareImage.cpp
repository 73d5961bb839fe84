#include "hwi/FirmwareImage.h"

#include <cstring>
#include <string_view>

#include "hwi/HexDigit.h"

namespace talvane68 {
namespace {

bool parseRecord(std::string_view line, FirmwareImage::Record& record) {
    if (line.size() > FirmwareImage::kMaxLineLength || line.empty() || line[0] != ':') {
        return false;
    }
    const std::string_view digits = line.substr(1);
    if (digits.size() % 2 != 0 || digits.size() / 2 > FirmwareImage::kMaxRecordBytes) {
        return false;
    }
    record.size = static_cast<int>(digits.size() / 2);
    unsigned sum = 0;
    for (int i = 0; i < record.size; ++i) {
        const int high = hexValue(digits[2 * i]);
        const int low = hexValue(digits[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        record.bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
        sum += record.bytes[i];
    }
    // Byte count, two address bytes, record type, data, checksum.
    return record.size >= 5 && record.bytes[0] + 5 == record.size && sum % 256 == 0;
}

}  // namespace

bool FirmwareImage::parse(const char* text, int size) {
    m_records.clear();
    m_lineCount = 0;
    if (text == nullptr || size <= 0 || text[0] != ':') {
        return false;
    }
    const void* zero = std::memchr(text, '\0', static_cast<std::size_t>(size));
    const std::size_t length = zero != nullptr ? static_cast<const char*>(zero) - text : size;
    const std::string_view all(text, length);

    std::vector<Record> records;
    int lines = 0;
    bool collecting = true;
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::size_t end = all.find_first_of("\r\n", pos);
        const std::string_view line = all.substr(pos, end == std::string_view::npos ? all.npos : end - pos);
        ++lines;
        if (line.empty()) {
            collecting = false;  // an empty line ends the download
        }
        if (collecting) {
            Record record;
            if (!parseRecord(line, record)) {
                return false;
            }
            records.push_back(record);
        }
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
        if (all[end] == '\r' && pos < all.size() && all[pos] == '\n') {
            ++pos;
        }
    }
    m_records = std::move(records);
    m_lineCount = lines;
    return true;
}

}  // namespace talvane68
