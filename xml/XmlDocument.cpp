#include "xml/XmlDocument.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "xml/Prefault.h"
#include "xml/TextCodec.h"
#include "xml/XmlEscape.h"
#include "xml/XmlFileCodec.h"
#include "xml/XmlParser.h"
#include "xml/XmlSyntax.h"

namespace talvane68 {
namespace {

using namespace xmlsyntax;

// Offsets are 32-bit; staying below 2^31 keeps every sum of them in range.
constexpr size_t kMaxText = std::numeric_limits<int32_t>::max();
constexpr uint32_t kNoAttrCache = std::numeric_limits<uint32_t>::max();
constexpr std::u16string_view kLineBreak = u"\r\n";

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

XmlDocument::XmlDocument() {
    resetIndex(8);
}

void XmlDocument::resetIndex(uint32_t capacity) {
    m_index.reset(capacity);
    ElementRecord document{};
    document.length = static_cast<uint32_t>(m_text.size());
    m_index.add(document);
    m_parentPos = m_currentPos = m_childPos = 0;
    m_ordered = true;
    m_attrElement = kNoAttrCache;
}

bool XmlDocument::setText(std::u16string_view text) {
    m_report.clear();
    if (text.size() > kMaxText) {
        m_text.clear();
        m_report.add(u"truncation_error", {{u"length", XmlReport::number(text.size())}});
        resetIndex(8);
        return false;
    }
    m_text.assign(text);
    parse();
    return isWellFormed();
}

void XmlDocument::parse() {
    m_parentPos = m_currentPos = m_childPos = 0;
    m_ordered = true;
    m_attrElement = kNoAttrCache;
    XmlParser parser(m_text, m_index, m_report, ignoreCase());
    parser.run();
}

bool XmlDocument::isWellFormed() const {
    return m_index[0].firstChild != 0 && (m_index[0].levelFlags & ElementRecord::kHasErrors) == 0;
}

void XmlDocument::reportFileError(int error) {
    m_report.add(u"file_error", {{u"msg", TextCodec::utf16FromUtf8(std::strerror(error))}});
}

bool XmlDocument::loadFile(const std::string& path) {
    m_report.clear();
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        reportFileError(errno);
        return false;
    }
    // Read in one piece when the size is known (into memory that is not
    // cleared first); pipes and the like grow a string.
    struct stat st {};
    if (::fstat(fileno(file.get()), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        if (static_cast<uint64_t>(st.st_size) > kMaxText) {
            reportFileError(EFBIG);
            return false;
        }
        auto size = static_cast<size_t>(st.st_size);
        auto buffer = std::make_unique_for_overwrite<char[]>(size + 1);
        prefault(buffer.get(), size);
        size_t got = std::fread(buffer.get(), 1, size + 1, file.get());
        if (got <= size && !std::ferror(file.get())) {
            loadDecoded(std::string_view(buffer.get(), got));
            return true;
        }
        if (std::ferror(file.get())) {
            reportFileError(errno ? errno : EIO);
            return false;
        }
        std::rewind(file.get());  // the file grew while being read: read it as a stream
    }
    std::string bytes;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (got == 0) {
            break;
        }
        if (bytes.size() + got > kMaxText) {
            reportFileError(EFBIG);
            return false;
        }
        bytes.append(buffer.data(), got);
    }
    if (std::ferror(file.get())) {
        reportFileError(errno ? errno : EIO);
        return false;
    }
    loadDecoded(bytes);
    return true;
}

bool XmlDocument::loadBytes(std::string_view bytes) {
    m_report.clear();
    if (bytes.size() > kMaxText) {
        reportFileError(EFBIG);
        return false;
    }
    loadDecoded(bytes);
    return true;
}

bool XmlDocument::loadDecoded(std::string_view bytes) {
    m_flags &= ~(kUtf16LE | kUtf8Bom | kUtf16BE);
    m_text = XmlFileCodec::decode(bytes, m_flags, m_report);
    if (m_text.size() > kMaxText) {
        m_text.clear();
    }
    parse();
    return isWellFormed();
}

bool XmlDocument::saveFile(const std::string& path) {
    m_report.clear();
    if (partsMode()) {
        return false;
    }
    File file(std::fopen(path.c_str(), (m_flags & kAppendOnWrite) ? "ab" : "wb"));
    if (!file) {
        reportFileError(errno);
        return false;
    }
    size_t length = 0;
    bool written = XmlFileCodec::encode(m_text, m_flags, m_report, [&](std::string_view bytes) {
        length += bytes.size();
        return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    });
    if (!written || std::fflush(file.get()) != 0) {
        reportFileError(errno ? errno : EIO);
        return false;
    }
    // Make the bytes durable before the caller relies on them (for instance by
    // renaming this file over an older one). Files that cannot sync say EINVAL.
    if (::fsync(fileno(file.get())) != 0 && errno != EINVAL) {
        reportFileError(errno);
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        reportFileError(errno ? errno : EIO);
        return false;
    }
    std::string encoding = XmlFileCodec::declaredEncoding(m_text);
    m_report.add(u"write", {{u"encoding", TextCodec::utf16FromUtf8(encoding.empty() ? "UTF-8" : encoding)},
                            {u"length", XmlReport::number(length)}});
    return true;
}

std::u16string_view XmlDocument::tagName(uint32_t element) const {
    if (element == 0 || element >= m_index.size()) {
        return {};
    }
    size_t start = m_index[element].start + 1;
    return std::u16string_view(m_text).substr(start, nameLengthAt(m_text, start));
}

bool XmlDocument::isNameAt(uint32_t element, std::u16string_view name) const {
    size_t start = m_index[element].start + 1;
    if (m_text.size() - start < name.size() ||
        !namesEqual(std::u16string_view(m_text).substr(start, name.size()), name, ignoreCase())) {
        return false;
    }
    size_t after = start + name.size();
    return after >= m_text.size() || !isNameChar(m_text[after]);
}

bool XmlDocument::findNext(std::u16string_view name) {
    if (partsMode()) {
        return false;
    }
    uint32_t e = m_currentPos ? m_index[m_currentPos].nextSibling : m_index[m_parentPos].firstChild;
    for (; e != 0; e = m_index[e].nextSibling) {
        if (isNameAt(e, name)) {
            m_currentPos = e;
            m_childPos = 0;
            return true;
        }
    }
    return false;
}

bool XmlDocument::enterElement() {
    if (m_currentPos == 0) {
        return false;
    }
    m_parentPos = m_currentPos;
    m_currentPos = m_childPos;
    m_childPos = 0;
    return true;
}

bool XmlDocument::leaveElement() {
    if (m_parentPos == 0) {
        return false;
    }
    m_childPos = m_currentPos;
    m_currentPos = m_parentPos;
    m_parentPos = m_index[m_parentPos].parent;
    return true;
}

uint32_t XmlDocument::firstRecordAtOrAfter(uint32_t offset) const {
    uint32_t lo = 1, hi = m_index.size();
    while (lo < hi) {
        uint32_t mid = lo + (hi - lo) / 2;
        if (m_index[mid].start < offset) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo;
}

bool XmlDocument::splice(uint32_t offset, uint32_t removeLength, std::u16string_view insert,
                         uint32_t enclosing) {
    int64_t delta = static_cast<int64_t>(insert.size()) - removeLength;
    if (static_cast<int64_t>(m_text.size()) + delta > static_cast<int64_t>(kMaxText)) {
        return false;
    }
    m_text.replace(offset, removeLength, insert);
    auto d = static_cast<uint32_t>(delta);  // two's complement: adding it subtracts when negative
    uint32_t after = offset + removeLength;
    uint32_t shifted = 0;
    if (m_ordered) {
        // Building a document appends at its end: then nothing follows.
        uint32_t first =
            m_index[m_index.size() - 1].start < after ? m_index.size() : firstRecordAtOrAfter(after);
        for (uint32_t i = first; i < m_index.size(); ++i, ++shifted) {
            m_index[i].start += d;
        }
    } else {
        for (uint32_t i = 1; i < m_index.size(); ++i) {
            if (m_index[i].start >= after) {
                m_index[i].start += d;
                ++shifted;
            }
        }
    }
    // A record added after this splice is in document order only if nothing follows it.
    m_lastSpliceShifted = shifted != 0;
    for (uint32_t e = enclosing; e != 0; e = m_index[e].parent) {
        m_index[e].length += d;
    }
    m_index[0].length = static_cast<uint32_t>(m_text.size());
    return true;
}

bool XmlDocument::appendElement(std::u16string_view name) {
    if (partsMode() || !isName(name) || name.size() + 3 > ElementRecord::kMaxStartTagLength ||
        m_index.size() == std::numeric_limits<uint32_t>::max()) {
        return false;
    }
    std::u16string element;
    element.reserve(name.size() + 5);
    element += u'<';
    element += name;
    element += u"/>";
    const auto tagLength = static_cast<uint32_t>(element.size());
    element += kLineBreak;

    const uint32_t parent = m_parentPos;
    uint32_t newStart = 0;
    if (m_currentPos != 0 || parent == 0) {
        uint32_t point = static_cast<uint32_t>(m_text.size());
        if (m_currentPos != 0) {
            point = m_index[m_currentPos].end();
            size_t p = point;
            while (p < m_text.size() && isSpace(m_text[p])) {
                ++p;
            }
            // At the document level the end of the text plays the part of the next "<".
            if (p == m_text.size() || m_text[p] == u'<') {
                point = static_cast<uint32_t>(p);
            }
        }
        newStart = point;
        if (!splice(point, 0, element, parent)) {
            return false;
        }
    } else if (m_index[parent].endTagLength() == 0) {
        // The parent has no end tag (empty form, or never ended): open it up
        // around the new child: "<p .../>" becomes "<p ...>", the child line, "</p>".
        ElementRecord& p = m_index[parent];
        uint32_t tagEnd = p.start + p.startTagLength();
        bool emptyForm = p.startTagLength() >= 2 && m_text[tagEnd - 2] == u'/';
        std::u16string endTag = u"</";
        endTag += tagName(parent);
        endTag += u'>';
        if (endTag.size() > ElementRecord::kMaxEndTagLength) {
            return false;
        }
        std::u16string replacement = u">";
        replacement += kLineBreak;
        replacement += element;
        replacement += endTag;
        uint32_t removeFrom = emptyForm ? tagEnd - 2 : tagEnd - 1;
        newStart = removeFrom + 1 + static_cast<uint32_t>(kLineBreak.size());
        uint32_t startTagLength = p.startTagLength() - (emptyForm ? 1 : 0);
        if (!splice(removeFrom, tagEnd - removeFrom, replacement, parent)) {
            return false;
        }
        ElementRecord& opened = m_index[parent];
        opened.setTagLengths(startTagLength, static_cast<uint32_t>(endTag.size()));
        opened.levelFlags &= ~ElementRecord::kNotEnded;
    } else {
        const ElementRecord& p = m_index[parent];
        uint32_t point = p.end() - p.endTagLength();
        if (point == p.start + p.startTagLength()) {
            element.insert(0, kLineBreak);
            newStart = point + static_cast<uint32_t>(kLineBreak.size());
        } else {
            newStart = point;
        }
        if (!splice(point, 0, element, parent)) {
            return false;
        }
    }
    if (m_lastSpliceShifted) {
        m_ordered = false;
    }

    ElementRecord record{};
    record.start = newStart;
    record.length = tagLength;
    record.setTagLengths(tagLength, 0);
    record.parent = parent;
    uint32_t level = std::min<uint32_t>((m_index[parent].levelFlags & ElementRecord::kLevelMask) + 1,
                                        ElementRecord::kLevelMask);
    record.levelFlags = level;
    uint32_t added = m_index.add(record);
    ElementRecord& r = m_index[added];
    ElementRecord& p = m_index[parent];
    if (m_currentPos != 0) {
        ElementRecord& cur = m_index[m_currentPos];
        r.prevSibling = m_currentPos;
        r.nextSibling = cur.nextSibling;
        if (cur.nextSibling != 0) {
            m_index[cur.nextSibling].prevSibling = added;
        } else {
            m_index[p.firstChild].prevSibling = added;
        }
        cur.nextSibling = added;
    } else if (p.firstChild == 0) {
        p.firstChild = added;
        r.prevSibling = added;
        r.levelFlags |= ElementRecord::kFirstChild;
    } else {
        ElementRecord& first = m_index[p.firstChild];
        uint32_t last = first.prevSibling;
        m_index[last].nextSibling = added;
        r.prevSibling = last;
        first.prevSibling = added;
    }
    m_currentPos = added;
    m_childPos = 0;
    m_attrElement = added;
    m_attrs.clear();
    return true;
}

const std::vector<XmlDocument::AttributeSpan>& XmlDocument::attributesOf(uint32_t element) const {
    if (m_attrElement == element) {
        return m_attrs;
    }
    m_attrs.clear();
    m_attrElement = element;
    m_attrHint = 0;
    const ElementRecord& r = m_index[element];
    const std::u16string_view text(m_text);
    const size_t end = r.start + r.startTagLength();
    size_t pos = r.start + 1 + nameLengthAt(text, r.start + 1);
    for (;;) {
        while (pos < end && isSpace(text[pos])) {
            ++pos;
        }
        if (pos >= end || !isNameStart(text[pos])) {
            break;
        }
        size_t nameLength = nameLengthAt(text.substr(0, end), pos);
        AttributeSpan& a = m_attrs.emplace_back();
        a.nameStart = static_cast<uint32_t>(pos);
        a.nameLength = static_cast<uint32_t>(nameLength);
        pos += nameLength;
        a.end = static_cast<uint32_t>(pos);
        while (pos < end && isSpace(text[pos])) {
            ++pos;
        }
        if (pos < end && text[pos] == u'=') {
            ++pos;
            while (pos < end && isSpace(text[pos])) {
                ++pos;
            }
            a.hasValue = true;
            if (pos < end && (text[pos] == u'"' || text[pos] == u'\'')) {
                char16_t quote = text[pos];
                size_t close = findEither(text.data(), pos + 1, end, quote, quote);
                if (close >= end) {
                    m_attrs.pop_back();
                    break;
                }
                a.quoted = true;
                a.valueStart = static_cast<uint32_t>(pos + 1);
                a.valueLength = static_cast<uint32_t>(close - pos - 1);
                pos = close + 1;
            } else {
                size_t start = pos;
                while (pos < end && !isSpace(text[pos]) && text[pos] != u'>' &&
                       !(text[pos] == u'/' && pos + 1 < end && text[pos + 1] == u'>')) {
                    ++pos;
                }
                a.valueStart = static_cast<uint32_t>(start);
                a.valueLength = static_cast<uint32_t>(pos - start);
            }
            a.end = static_cast<uint32_t>(pos);
        }
    }
    return m_attrs;
}

bool XmlDocument::setAttribute(std::u16string_view name, std::u16string_view value) {
    if (partsMode() || m_currentPos == 0 || !isName(name)) {
        return false;
    }
    const uint32_t element = m_currentPos;
    const std::vector<AttributeSpan>& attrs = attributesOf(element);
    size_t found = attrs.size();
    for (size_t i = 0; i < attrs.size(); ++i) {
        if (namesEqual(std::u16string_view(m_text).substr(attrs[i].nameStart, attrs[i].nameLength), name,
                       ignoreCase())) {
            found = i;
            break;
        }
    }
    std::u16string& insert = m_scratch;
    insert.clear();
    uint32_t offset;
    uint32_t removeLength = 0;
    if (found < attrs.size()) {
        const AttributeSpan& a = attrs[found];
        if (a.hasValue) {
            offset = a.valueStart - (a.quoted ? 1 : 0);
            removeLength = a.valueLength + (a.quoted ? 2 : 0);
        } else {
            offset = a.nameStart + a.nameLength;
            insert += u'=';
        }
    } else {
        const ElementRecord& r = m_index[element];
        offset = attrs.empty() ? r.start + 1 + static_cast<uint32_t>(nameLengthAt(m_text, r.start + 1))
                               : attrs.back().end;
        insert += u' ';
        insert += name;
        insert += u'=';
    }
    size_t valueOffset = insert.size() + 1;
    insert += u'"';
    XmlEscape::escape(value, true, insert);
    insert += u'"';

    const ElementRecord& r = m_index[element];
    int64_t delta = static_cast<int64_t>(insert.size()) - removeLength;
    int64_t startTagLength = static_cast<int64_t>(r.startTagLength()) + delta;
    if (startTagLength > ElementRecord::kMaxStartTagLength) {
        return false;
    }
    if (!splice(offset, removeLength, insert, element)) {
        return false;
    }
    ElementRecord& changed = m_index[element];
    changed.setTagLengths(static_cast<uint32_t>(startTagLength), changed.endTagLength());

    // Keep the parsed attributes in step instead of scanning the tag again.
    auto d = static_cast<uint32_t>(delta);
    AttributeSpan span{};
    span.nameStart = found < m_attrs.size() ? m_attrs[found].nameStart : offset + 1;
    span.nameLength = static_cast<uint32_t>(name.size());
    span.valueStart = offset + static_cast<uint32_t>(valueOffset);
    span.valueLength = static_cast<uint32_t>(insert.size() - valueOffset - 1);
    span.end = offset + static_cast<uint32_t>(insert.size());
    span.quoted = span.hasValue = true;
    if (found < m_attrs.size()) {
        m_attrs[found] = span;
        for (size_t i = found + 1; i < m_attrs.size(); ++i) {
            m_attrs[i].nameStart += d;
            m_attrs[i].valueStart += d;
            m_attrs[i].end += d;
        }
    } else {
        m_attrs.push_back(span);
    }
    return true;
}

bool XmlDocument::sameName(const char16_t* at, std::u16string_view name) const {
    if (ignoreCase()) {
        return namesEqual(std::u16string_view(at, name.size()), name, true);
    }
    for (size_t i = 0; i < name.size(); ++i) {
        if (at[i] != name[i]) {
            return false;
        }
    }
    return true;
}

std::u16string_view XmlDocument::rawAttribute(std::u16string_view name) const {
    if (m_currentPos == 0) {
        return {};
    }
    std::u16string_view text(m_text);
    const std::vector<AttributeSpan>& attrs = attributesOf(m_currentPos);
    // Readers tend to ask in the order the attributes are written, so the
    // search starts after the last one found.
    const size_t count = attrs.size();
    size_t i = m_attrHint < count ? m_attrHint : 0;
    for (size_t k = 0; k < count; ++k, ++i) {
        if (i == count) {
            i = 0;
        }
        const AttributeSpan& a = attrs[i];
        if (a.nameLength == name.size() && sameName(text.data() + a.nameStart, name)) {
            m_attrHint = i + 1;
            return text.substr(a.valueStart, a.valueLength);
        }
    }
    return {};
}

std::u16string XmlDocument::attribute(std::u16string_view name) const {
    return XmlEscape::unescape(rawAttribute(name));
}

}  // namespace talvane68
