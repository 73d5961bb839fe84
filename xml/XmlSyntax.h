#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace talvane68::xmlsyntax {

// Classes of the ASCII characters: bit 1 may start a name, bit 2 may continue one.
inline constexpr std::array<uint8_t, 128> kAsciiClass = [] {
    std::array<uint8_t, 128> t{};
    for (int c = 0; c < 128; ++c) {
        bool start = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
        bool rest = start || (c >= '0' && c <= '9') || c == '-' || c == '.';
        t[c] = static_cast<uint8_t>((start ? 1 : 0) | (rest ? 2 : 0));
    }
    return t;
}();

inline bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

inline bool isNameStart(char16_t c) {
    return c >= 0x80 || (kAsciiClass[c] & 1);
}

inline bool isNameChar(char16_t c) {
    return c >= 0x80 || (kAsciiClass[c] & 2);
}

inline bool isName(std::u16string_view name) {
    if (name.empty() || !isNameStart(name[0])) {
        return false;
    }
    for (char16_t c : name) {
        if (!isNameChar(c)) {
            return false;
        }
    }
    return true;
}

inline char16_t foldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

inline bool namesEqual(std::u16string_view a, std::u16string_view b, bool ignoreCase) {
    if (a.size() != b.size()) {
        return false;
    }
    if (!ignoreCase) {
        return a == b;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Length of the name that starts at `pos`; 0 when none starts there.
inline size_t nameLengthAt(std::u16string_view text, size_t pos) {
    if (pos >= text.size() || !isNameStart(text[pos])) {
        return 0;
    }
    size_t end = pos + 1;
    while (end < text.size() && isNameChar(text[end])) {
        ++end;
    }
    return end - pos;
}

// First position in [pos, end) holding a or b; end when none. Eight units at a
// time where the processor allows.
inline size_t findEither(const char16_t* text, size_t pos, size_t end, char16_t a, char16_t b) {
#ifdef __SSE2__
    const __m128i va = _mm_set1_epi16(static_cast<short>(a));
    const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
    for (; pos + 8 <= end; pos += 8) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + pos));
        int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)));
        if (mask) {
            return pos + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
        }
    }
#endif
    while (pos < end && text[pos] != a && text[pos] != b) {
        ++pos;
    }
    return pos;
}

}  // namespace talvane68::xmlsyntax
