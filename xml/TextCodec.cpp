#include "xml/TextCodec.h"

#include <iconv.h>

#include "xml/Prefault.h"
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <mutex>

namespace talvane68 {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Owns one iconv descriptor.
class IconvHandle {
public:
    IconvHandle(const std::string& to, const std::string& from)
        : m_cd(iconv_open(to.c_str(), from.c_str())) {}
    ~IconvHandle() {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

std::mutex& ansiMutex() {
    static std::mutex m;
    return m;
}

std::string& ansiOverride() {
    static std::string s;
    return s;
}

// The UTF-16 name that matches this machine's byte order, so that a
// std::u16string's storage can be handed to iconv as it is.
const char* nativeUtf16() {
    return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

// UTF-8 is converted by our own code: glibc's iconv manages well under 100 MB/s
// on it, several times slower than parsing the result.
bool isUtf8Name(std::string_view charset) {
    return charset == "UTF-8" || charset == "utf-8" || charset == "UTF8";
}

}  // namespace

bool TextCodec::isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ull) {
                break;
            }
            p += 8;
        }
        if (p == end) {
            break;
        }
        unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        size_t n;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (static_cast<size_t>(end - p) <= n) {
            return false;
        }
        for (size_t i = 1; i <= n; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (n == 3 && (cp < 0x10000 || cp > 0x10FFFF))) {
            return false;
        }
        p += n + 1;
    }
    return true;
}

bool TextCodec::toUtf16(std::string_view bytes, std::string_view charset, std::u16string& out) {
    if (isUtf8Name(charset)) {
        out = utf16FromUtf8(bytes);
        return true;
    }
    out.clear();
    IconvHandle cd(nativeUtf16(), std::string(charset));
    if (!cd.valid()) {
        return false;
    }
    // One byte never yields more than one UTF-16 unit in the sets we meet;
    // E2BIG below covers any that does.
    out.resize(bytes.size() + 16);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    size_t used = 0;
    for (;;) {
        char* outPtr = reinterpret_cast<char*>(out.data() + used);
        size_t outLeft = (out.size() - used) * sizeof(char16_t);
        size_t r = inLeft ? iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft)
                          : iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft);
        used = out.size() - outLeft / sizeof(char16_t);
        if (r != static_cast<size_t>(-1)) {
            if (inLeft == 0) {
                break;
            }
            continue;
        }
        if (errno == E2BIG) {
            out.resize(out.size() + out.size() / 2 + 16);
        } else if (errno == EILSEQ || errno == EINVAL) {
            if (used == out.size()) {
                out.resize(out.size() + 16);
            }
            out[used++] = kReplacement;
            ++in;
            --inLeft;
            if (errno == EINVAL && inLeft == 0) {
                break;
            }
        } else {
            out.clear();
            return false;
        }
    }
    out.resize(used);
    return true;
}

bool TextCodec::fromUtf16(std::u16string_view text, std::string_view charset, std::string& out,
                          size_t& losses) {
    if (isUtf8Name(charset)) {
        out = utf8FromUtf16(text, losses);
        return true;
    }
    out.clear();
    losses = 0;
    IconvHandle cd(std::string(charset), nativeUtf16());
    if (!cd.valid()) {
        return false;
    }
    out.resize(text.size() * 3 + 16);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    size_t inLeft = text.size() * sizeof(char16_t);
    size_t used = 0;
    auto grow = [&] { out.resize(out.size() + out.size() / 2 + 16); };
    bool flushed = false;
    while (!flushed) {
        char* outPtr = out.data() + used;
        size_t outLeft = out.size() - used;
        size_t r = inLeft ? iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft)
                          : iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (r != static_cast<size_t>(-1)) {
            flushed = inLeft == 0;
            continue;
        }
        if (errno == E2BIG) {
            grow();
        } else if (errno == EILSEQ || errno == EINVAL) {
            // Skip the unit (or the pair) and put the set's question mark in its place.
            size_t skip = sizeof(char16_t);
            if (inLeft >= 4) {
                char16_t u0, u1;
                std::memcpy(&u0, in, 2);
                std::memcpy(&u1, in + 2, 2);
                if (u0 >= 0xD800 && u0 <= 0xDBFF && u1 >= 0xDC00 && u1 <= 0xDFFF) {
                    skip = 4;
                }
            }
            skip = std::min(skip, inLeft);
            in += skip;
            inLeft -= skip;
            ++losses;
            char16_t question = u'?';
            char* qIn = reinterpret_cast<char*>(&question);
            size_t qLeft = sizeof(question);
            for (;;) {
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                size_t q = iconv(cd.get(), &qIn, &qLeft, &outPtr, &outLeft);
                used = out.size() - outLeft;
                if (q == static_cast<size_t>(-1) && errno == E2BIG) {
                    grow();
                    continue;
                }
                break;
            }
        } else {
            out.clear();
            return false;
        }
    }
    out.resize(used);
    return true;
}

std::string TextCodec::utf32FromUtf16(std::u16string_view text, size_t& losses) {
    losses = 0;
    std::string out;
    out.reserve(text.size() * 4);
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
            ++losses;
        }
        for (int b = 0; b < 4; ++b) {
            out.push_back(static_cast<char>((cp >> (8 * b)) & 0xFF));
        }
    }
    return out;
}

std::u16string TextCodec::utf16FromUtf32(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size() / 4 + 1);
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        uint32_t cp = 0;
        for (int b = 3; b >= 0; --b) {
            cp = (cp << 8) | static_cast<unsigned char>(bytes[i + b]);
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kReplacement);
        } else if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::u16string TextCodec::utf16FromUtf8(std::string_view bytes) {
    // Decoded a piece at a time into a small buffer and appended, so that the
    // result is written once rather than zero-filled first.
    constexpr size_t kPiece = 8192;
    char16_t piece[kPiece + 16];
    std::u16string out;
    out.reserve(bytes.size());
    prefault(out.data(), bytes.size() * sizeof(char16_t));
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    char16_t* o = piece;
    auto flush = [&] {
        out.append(piece, o - piece);
        o = piece;
    };
    while (p < end) {
        if (o - piece >= static_cast<std::ptrdiff_t>(kPiece)) {
            flush();
        }
#ifdef __SSE2__
        if (end - p >= 16) {
            __m128i bytes16 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            if (_mm_movemask_epi8(bytes16) == 0) {
                const __m128i zero = _mm_setzero_si128();
                _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(bytes16, zero));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(bytes16, zero));
                o += 16;
                p += 16;
                continue;
            }
        }
#endif
        if (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                for (int k = 0; k < 8; ++k) {
                    o[k] = p[k];
                }
                o += 8;
                p += 8;
                continue;
            }
        }
        unsigned char c = *p;
        if (c < 0x80) {
            *o++ = c;
            ++p;
            continue;
        }
        size_t n = 0;
        uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3, cp = c & 0x07;
        }
        bool ok = n != 0 && static_cast<size_t>(end - p) > n;
        for (size_t i = 1; ok && i <= n; ++i) {
            ok = (p[i] & 0xC0) == 0x80;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (ok && ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
                   (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))) {
            ok = false;
        }
        if (!ok) {
            *o++ = kReplacement;
            ++p;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *o++ = static_cast<char16_t>(cp);
        }
        p += n + 1;
    }
    flush();
    return out;
}

std::string TextCodec::utf8FromUtf16(std::u16string_view text, size_t& losses) {
    losses = 0;
    std::string out(text.size() * 3, '\0');
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    const char16_t* p = text.data();
    const char16_t* end = p + text.size();
    while (p < end) {
        while (end - p >= 4) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0xFF80FF80FF80FF80ull) {
                break;
            }
            for (int k = 0; k < 4; ++k) {
                o[k] = static_cast<unsigned char>(p[k]);
            }
            o += 4;
            p += 4;
        }
        if (p == end) {
            break;
        }
        uint32_t cp = *p++;
        if (cp >= 0xD800 && cp <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (*p++ - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            // An unpaired surrogate has no UTF-8 form.
            cp = u'?';
            ++losses;
        }
        if (cp < 0x80) {
            *o++ = static_cast<unsigned char>(cp);
        } else if (cp < 0x800) {
            *o++ = static_cast<unsigned char>(0xC0 | (cp >> 6));
            *o++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *o++ = static_cast<unsigned char>(0xE0 | (cp >> 12));
            *o++ = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<unsigned char>(0xF0 | (cp >> 18));
            *o++ = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
    }
    out.resize(o - reinterpret_cast<unsigned char*>(out.data()));
    return out;
}

std::string TextCodec::utf8FromUtf16(std::u16string_view text) {
    size_t losses = 0;
    return utf8FromUtf16(text, losses);
}

std::string TextCodec::ansiCharset() {
    {
        std::lock_guard<std::mutex> lock(ansiMutex());
        if (!ansiOverride().empty()) {
            return ansiOverride();
        }
    }
    // The program may never call setlocale, so ask for the environment's
    // LC_CTYPE explicitly instead of the "C" locale every process starts in.
    std::string charset;
    locale_t loc = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (loc != static_cast<locale_t>(0)) {
        const char* cs = nl_langinfo_l(CODESET, loc);
        charset = cs ? cs : "";
        freelocale(loc);
    } else {
        const char* cs = nl_langinfo(CODESET);
        charset = cs ? cs : "";
    }
    return charset.empty() ? std::string("ANSI_X3.4-1968") : charset;
}

void TextCodec::setAnsiCharset(std::string charset) {
    std::lock_guard<std::mutex> lock(ansiMutex());
    ansiOverride() = std::move(charset);
}

}  // namespace talvane68
