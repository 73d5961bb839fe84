#pragma once

// Conversion of the keyboard's text from the ANSI code page (the locale's
// character set) into UTF-16.

#include <cstddef>
#include <cstdint>

namespace talvane68 {

// Converts count bytes into at most capacity UTF-16 units and returns the
// number written. Zero bytes become zero units; a byte sequence the code page
// does not know becomes U+FFFD. codeset names the character set (as iconv
// knows it); null means the locale's, nl_langinfo(CODESET). ASCII, or a set
// iconv cannot open, is taken byte for byte.
std::size_t ansiToUtf16(const std::uint8_t* bytes, std::size_t count, char16_t* out, std::size_t capacity,
                        const char* codeset = nullptr);

}  // namespace talvane68
