#pragma once

#include <string_view>

namespace talvane68::xmlsyntax {

inline bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

inline bool isNameStart(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c >= 0x80;
}

inline bool isNameChar(char16_t c) {
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
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

}  // namespace talvane68::xmlsyntax
