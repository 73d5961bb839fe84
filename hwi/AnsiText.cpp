#include "hwi/AnsiText.h"

#include <iconv.h>
#include <langinfo.h>

#include <bit>
#include <cerrno>
#include <cstring>

namespace talvane68 {
namespace {

bool isAscii(const char* codeset) {
    return std::strcmp(codeset, "ANSI_X3.4-1968") == 0 || std::strcmp(codeset, "ASCII") == 0 ||
           std::strcmp(codeset, "US-ASCII") == 0;
}

std::size_t byteForByte(const std::uint8_t* bytes, std::size_t count, char16_t* out, std::size_t capacity) {
    const std::size_t n = count < capacity ? count : capacity;
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = bytes[i];
    }
    return n;
}

}  // namespace

std::size_t ansiToUtf16(const std::uint8_t* bytes, std::size_t count, char16_t* out, std::size_t capacity,
                        const char* codeset) {
    if (codeset == nullptr) {
        codeset = nl_langinfo(CODESET);
    }
    if (codeset == nullptr || *codeset == '\0' || isAscii(codeset)) {
        return byteForByte(bytes, count, out, capacity);
    }
    const char* target = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    iconv_t cd = iconv_open(target, codeset);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return byteForByte(bytes, count, out, capacity);
    }
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    std::size_t inLeft = count;
    std::size_t units = 0;
    while (inLeft > 0 && units < capacity) {
        char* dst = reinterpret_cast<char*>(out + units);
        std::size_t outLeft = (capacity - units) * sizeof(char16_t);
        const std::size_t before = outLeft;
        const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
        units += (before - outLeft) / sizeof(char16_t);
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            break;
        }
        // An unknown or cut sequence: one replacement character, then go on
        // after its first byte.
        if (units < capacity) {
            out[units++] = 0xFFFD;
        }
        ++in;
        --inLeft;
        if (errno != EILSEQ) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return units;
}

}  // namespace talvane68
