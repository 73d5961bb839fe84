#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvane68 {

// Character conversions between byte encodings and UTF-16, through iconv, plus
// a UTF-32 conversion of our own and the choice of the "ANSI" character set.
class TextCodec {
public:
    // True when the bytes are well-formed UTF-8 (no overlong forms, no
    // surrogates, nothing above U+10FFFF).
    static bool isValidUtf8(std::string_view bytes);

    // Converts bytes in the given iconv character set to UTF-16. Malformed
    // sequences become U+FFFD. False (and out empty) when iconv has no converter.
    static bool toUtf16(std::string_view bytes, std::string_view charset, std::u16string& out);

    // Converts UTF-16 text to the given iconv character set. Characters the set
    // cannot represent become its "?" and are counted in losses. False (and out
    // empty) when iconv has no converter.
    static bool fromUtf16(std::u16string_view text, std::string_view charset, std::string& out,
                          size_t& losses);

    // Little-endian UTF-32 without a mark; unpaired surrogates and values out of
    // range become U+FFFD (counted in losses when encoding).
    static std::string utf32FromUtf16(std::u16string_view text, size_t& losses);
    static std::u16string utf16FromUtf32(std::string_view bytes);

    // UTF-8 by our own code (toUtf16 and fromUtf16 use it for "UTF-8").
    // Decoding is lenient: each malformed byte becomes U+FFFD. Encoding turns
    // an unpaired surrogate into "?" and counts it in losses.
    static std::u16string utf16FromUtf8(std::string_view bytes);
    static std::string utf8FromUtf16(std::u16string_view text, size_t& losses);
    static std::string utf8FromUtf16(std::u16string_view text);

    // The character set standing in for the ANSI code page: the one set with
    // setAnsiCharset, or when none is set the locale's (LC_CTYPE from the
    // environment, as nl_langinfo(CODESET) reports it).
    static std::string ansiCharset();
    // Empty restores the locale's character set. Process-wide.
    static void setAnsiCharset(std::string charset);
};

}  // namespace talvane68
