#include "xml/XmlFileCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <vector>

#include "xml/EncodingTable.h"
#include "xml/TextCodec.h"
#include "xml/XmlSyntax.h"

namespace talvane68 {
namespace {

using namespace xmlsyntax;

constexpr size_t kHeadBytes = 1024;
constexpr int kUtf8 = 65001;
constexpr int kUtf16LE = 1200;
constexpr int kUtf16BE = 1201;

struct Attr {
    std::u16string_view name;
    std::u16string_view value;
};

// Reads name="value" pairs from `pos` until ">" or "?>"; stops at anything else.
std::vector<Attr> readAttributes(std::u16string_view text, size_t pos) {
    std::vector<Attr> attrs;
    const size_t n = text.size();
    for (;;) {
        while (pos < n && isSpace(text[pos])) {
            ++pos;
        }
        size_t nameLength = nameLengthAt(text, pos);
        if (nameLength == 0) {
            return attrs;
        }
        Attr a{text.substr(pos, nameLength), {}};
        pos += nameLength;
        while (pos < n && isSpace(text[pos])) {
            ++pos;
        }
        if (pos < n && text[pos] == u'=') {
            ++pos;
            while (pos < n && isSpace(text[pos])) {
                ++pos;
            }
            if (pos < n && (text[pos] == u'"' || text[pos] == u'\'')) {
                size_t close = text.find(text[pos], pos + 1);
                if (close == std::u16string_view::npos) {
                    return attrs;
                }
                a.value = text.substr(pos + 1, close - pos - 1);
                pos = close + 1;
            } else {
                size_t start = pos;
                while (pos < n && !isSpace(text[pos]) && text[pos] != u'>' && text[pos] != u'?') {
                    ++pos;
                }
                a.value = text.substr(start, pos - start);
            }
        }
        attrs.push_back(a);
    }
}

bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b) {
    return namesEqual(a, b, true);
}

size_t findIgnoreCase(std::u16string_view text, std::u16string_view what, size_t from = 0) {
    if (what.size() > text.size()) {
        return std::u16string_view::npos;
    }
    for (size_t i = from; i + what.size() <= text.size(); ++i) {
        if (equalsIgnoreCase(text.substr(i, what.size()), what)) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

std::string htmlCharset(std::u16string_view head) {
    size_t html = findIgnoreCase(head, u"<html");
    size_t headTag = html == std::u16string_view::npos ? html : findIgnoreCase(head, u"<head", html);
    if (headTag == std::u16string_view::npos) {
        return {};
    }
    for (size_t meta = findIgnoreCase(head, u"<meta", headTag); meta != std::u16string_view::npos;
         meta = findIgnoreCase(head, u"<meta", meta + 5)) {
        bool contentType = false;
        std::u16string_view content;
        for (const Attr& a : readAttributes(head, meta + 5)) {
            if (equalsIgnoreCase(a.name, u"http-equiv") && equalsIgnoreCase(a.value, u"content-type")) {
                contentType = true;
            } else if (equalsIgnoreCase(a.name, u"content")) {
                content = a.value;
            }
        }
        size_t cs = contentType ? findIgnoreCase(content, u"charset=") : std::u16string_view::npos;
        if (cs != std::u16string_view::npos) {
            std::u16string_view value = content.substr(cs + 8);
            size_t end = 0;
            while (end < value.size() && value[end] != u';' && !isSpace(value[end])) {
                ++end;
            }
            return narrow(value.substr(0, end));
        }
    }
    return {};
}

void appendUnits(std::u16string& out, std::string_view bytes, bool bigEndian) {
    out.resize(bytes.size() / 2);
    if (!bigEndian && std::endian::native == std::endian::little) {
        std::memcpy(out.data(), bytes.data(), out.size() * 2);
        return;
    }
    for (size_t i = 0; i < out.size(); ++i) {
        auto b0 = static_cast<unsigned char>(bytes[2 * i]);
        auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
        out[i] = bigEndian ? static_cast<char16_t>((b0 << 8) | b1) : static_cast<char16_t>((b1 << 8) | b0);
    }
}

std::u16string asciiName(std::string_view name) {
    return TextCodec::utf16FromUtf8(name);
}

}  // namespace

std::string XmlFileCodec::declaredEncoding(std::u16string_view text) {
    std::u16string_view head = text.substr(0, std::min(text.size(), kHeadBytes));
    if (!head.empty() && head[0] == 0xFEFF) {
        head.remove_prefix(1);
    }
    if (head.size() > 5 && head.substr(0, 5) == u"<?xml" && isSpace(head[5])) {
        for (const Attr& a : readAttributes(head, 5)) {
            if (a.name == u"encoding") {
                return narrow(a.value);
            }
        }
        return {};
    }
    return htmlCharset(head);
}

std::u16string XmlFileCodec::decode(std::string_view bytes, uint32_t& flags, XmlReport& report) {
    auto byteAt = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : -1; };
    int codePage = 0;  // 0: not determined yet
    bool utf16 = false;
    bool bigEndian = false;
    std::string encodingName;
    size_t skip = 0;
    if (byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        codePage = kUtf8, encodingName = "UTF-8", skip = 3, flags |= 0x4;
    } else if (byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        utf16 = true, encodingName = "UTF-16LE", skip = 2, flags |= 0x1;
    } else if (byteAt(0) == 0xFE && byteAt(1) == 0xFF) {
        utf16 = true, bigEndian = true, encodingName = "UTF-16BE", skip = 2, flags |= 0x80;
    }
    if (skip) {
        report.add(u"bom", {{u"encoding", asciiName(encodingName)}});
    } else {
        std::string declared =
            declaredEncoding(TextCodec::utf16FromUtf8(bytes.substr(0, std::min(bytes.size(), kHeadBytes))));
        int declaredPage = EncodingTable::codePageForName(declared);
        // A declaration readable as 8-bit text cannot belong to a 16- or 32-bit
        // file, and a code page without a converter cannot be read: detect instead.
        bool usable = declaredPage != 0 && declaredPage != kUtf16LE && declaredPage != kUtf16BE &&
                      declaredPage != 12000 && declaredPage != 12001 &&
                      !EncodingTable::iconvNameForCodePage(declaredPage).empty();
        if (usable) {
            codePage = declaredPage;
            encodingName = declared;
        } else if (declared.empty() && byteAt(0) == '<') {
            codePage = kUtf8;
            encodingName = "UTF-8";
        }
    }
    std::string_view body = bytes.substr(skip);
    report.add(u"read",
               {{u"encoding", asciiName(encodingName)}, {u"length", XmlReport::number(body.size())}});

    std::u16string text;
    if (utf16) {
        appendUnits(text, body, bigEndian);
        if (bigEndian) {
            report.add(u"endian_swap", {{u"length", XmlReport::number(text.size())}});
        }
        size_t zeros = std::count(text.begin(), text.end(), u'\0');
        if (zeros) {
            text.erase(std::remove(text.begin(), text.end(), u'\0'), text.end());
            report.add(u"nulls_removed", {{u"count", XmlReport::number(zeros)}});
        }
        return text;
    }

    std::string cleaned;
    if (std::memchr(body.data(), 0, body.size()) != nullptr) {
        cleaned.reserve(body.size());
        std::copy_if(body.begin(), body.end(), std::back_inserter(cleaned), [](char c) { return c != '\0'; });
        report.add(u"nulls_removed", {{u"count", XmlReport::number(body.size() - cleaned.size())}});
        body = cleaned;
    }
    std::string charset;
    if (codePage == 0) {
        bool valid = TextCodec::isValidUtf8(body);
        charset = valid ? std::string("UTF-8") : TextCodec::ansiCharset();
        encodingName = charset;
        report.add(u"utf8_detection", {{u"encoding", asciiName(charset)}});
    } else {
        charset = std::string(EncodingTable::iconvNameForCodePage(codePage));
    }
    if (!TextCodec::toUtf16(body, charset, text)) {
        // An ANSI character set iconv does not know: keep what UTF-8 gives.
        encodingName = "UTF-8";
        text = TextCodec::utf16FromUtf8(body);
    }
    report.add(u"converted_to",
               {{u"encoding", asciiName(encodingName)}, {u"length", XmlReport::number(text.size())}});
    return text;
}

bool XmlFileCodec::encode(std::u16string_view text, uint32_t flags, XmlReport& report, const Sink& sink) {
    std::string declared = declaredEncoding(text);
    size_t losses = 0;
    size_t written = 0;
    std::u16string reportName;
    auto put = [&](std::string_view bytes) {
        written += bytes.size();
        return bytes.empty() || sink(bytes);
    };
    auto finish = [&](bool ok) {
        report.add(u"converted_from", {{u"encoding", reportName}, {u"length", XmlReport::number(written)}});
        if (losses) {
            report.add(u"conversion_loss",
                       {{u"encoding", reportName}, {u"count", XmlReport::number(losses)}});
        }
        return ok;
    };
    if (declared == "UTF-32") {
        reportName = u"UTF-32";
        return finish(put(TextCodec::utf32FromUtf16(text, losses)));
    }
    int codePage = declared.empty() ? kUtf8 : EncodingTable::codePageForName(declared);
    std::string_view charset = EncodingTable::iconvNameForCodePage(codePage);
    if (charset.empty()) {
        // No converter for the declared name: UTF-8 loses nothing.
        codePage = kUtf8;
        charset = "UTF-8";
        declared.clear();
    }
    reportName = asciiName(declared.empty() ? "UTF-8" : declared);
    if (codePage == kUtf8 && (flags & 0x4) && !put("\xEF\xBB\xBF")) {
        return finish(false);
    }
    if (codePage == kUtf16LE || codePage == kUtf16BE) {
        if ((codePage == kUtf16LE && (flags & 0x1) && !put("\xFF\xFE")) ||
            (codePage == kUtf16BE && (flags & 0x80) && !put("\xFE\xFF"))) {
            return finish(false);
        }
        bool swap = (codePage == kUtf16BE) == (std::endian::native == std::endian::little);
        std::string out(text.size() * 2, '\0');
        std::memcpy(out.data(), text.data(), out.size());
        if (swap) {
            for (size_t i = 0; i + 1 < out.size(); i += 2) {
                std::swap(out[i], out[i + 1]);
            }
            report.add(u"endian_swap", {{u"length", XmlReport::number(text.size())}});
        }
        return finish(put(out));
    }
    if (codePage != kUtf8) {
        std::string converted;
        TextCodec::fromUtf16(text, charset, converted, losses);
        return finish(put(converted));
    }
    // UTF-8 goes out in pieces, so that no second copy of a large document is held.
    constexpr size_t kPiece = 1 << 16;
    for (size_t pos = 0; pos < text.size();) {
        size_t n = std::min(kPiece, text.size() - pos);
        if (pos + n < text.size() && text[pos + n - 1] >= 0xD800 && text[pos + n - 1] <= 0xDBFF) {
            ++n;  // keep a surrogate pair together
        }
        size_t pieceLosses = 0;
        if (!put(TextCodec::utf8FromUtf16(text.substr(pos, n), pieceLosses))) {
            return finish(false);
        }
        losses += pieceLosses;
        pos += n;
    }
    return finish(true);
}

}  // namespace talvane68
