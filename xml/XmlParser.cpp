#include "xml/XmlParser.h"

#include "xml/XmlSyntax.h"

namespace talvane68 {
namespace {

using namespace xmlsyntax;

constexpr size_t kShallowDepth = 64;
constexpr std::u16string_view kTerminators[] = {u"?>", u"-->", u"]]>", u">"};

bool startsWith(std::u16string_view text, size_t pos, std::u16string_view prefix) {
    return text.size() - pos >= prefix.size() && text.compare(pos, prefix.size(), prefix) == 0;
}

}  // namespace

XmlParser::XmlParser(std::u16string_view text, ElementIndex& index, XmlReport& report, bool ignoreCase)
    : m_text(text), m_index(index), m_report(report), m_ignoreCase(ignoreCase) {}

bool XmlParser::run() {
    m_index.reset(static_cast<uint32_t>(m_text.size() / 64 + 8));
    ElementRecord document{};
    document.length = static_cast<uint32_t>(m_text.size());
    m_index.add(document);
    m_stack.push_back(Open{0, 0, 0, 0});

    size_t pos = 0;
    while (pos < m_text.size()) {
        size_t lt = m_text.find(u'<', pos);
        if (lt == std::u16string_view::npos) {
            break;
        }
        pos = parseMarkup(lt);
    }
    if (m_stack.size() > 1) {
        closeUnended(1);
    }
    finish();
    return !m_errors;
}

size_t XmlParser::parseMarkup(size_t lt) {
    if (lt + 1 >= m_text.size()) {
        unterminated(u"tag", lt);
        return m_text.size();
    }
    char16_t c = m_text[lt + 1];
    if (c == u'?') {
        size_t end = findTerminator(kPiEnd, lt + 2);
        if (end == std::u16string_view::npos) {
            unterminated(u"processing_instruction", lt);
            return lt + 1;
        }
        return end + 2;
    }
    if (c == u'!') {
        return parseExclamation(lt);
    }
    if (c == u'/') {
        return parseEndTag(lt);
    }
    if (isNameStart(c)) {
        return parseStartTag(lt);
    }
    syntaxError(u"first_tag_syntax", lt);
    return lt + 1;
}

size_t XmlParser::parseExclamation(size_t lt) {
    if (startsWith(m_text, lt, u"<!--")) {
        size_t end = findTerminator(kCommentEnd, lt + 4);
        if (end == std::u16string_view::npos) {
            unterminated(u"comment", lt);
            return lt + 1;
        }
        return end + 3;
    }
    if (startsWith(m_text, lt, u"<!-")) {
        syntaxError(u"comment_tag_syntax", lt);
        return lt + 1;
    }
    if (startsWith(m_text, lt, u"<![CDATA[")) {
        size_t end = findTerminator(kCdataEnd, lt + 9);
        if (end == std::u16string_view::npos) {
            unterminated(u"cdata_section", lt);
            return lt + 1;
        }
        return end + 3;
    }
    if (startsWith(m_text, lt, u"<![")) {
        syntaxError(u"cdata_section_syntax", lt);
        return lt + 1;
    }
    if (startsWith(m_text, lt, u"<!DOCTYPE")) {
        return parseDoctype(lt);
    }
    if (lt + 2 < m_text.size() && isNameStart(m_text[lt + 2])) {
        size_t end = findTerminator(kTagEnd, lt + 2);
        if (end == std::u16string_view::npos) {
            unterminated(u"tag", lt);
            return lt + 1;
        }
        return end + 1;
    }
    if (lt + 2 >= m_text.size()) {
        unterminated(u"tag", lt);
        return m_text.size();
    }
    syntaxError(u"exclamation_tag_syntax", lt);
    return lt + 1;
}

size_t XmlParser::parseDoctype(size_t lt) {
    // One document type only, and before the root: a second scan of a long
    // unterminated one could otherwise cost the whole text again.
    if (m_seenDoctype || m_index.size() > 1) {
        syntaxError(u"doctype_tag_syntax", lt);
        return lt + 1;
    }
    m_seenDoctype = true;
    size_t pos = lt + 9;
    if (pos < m_text.size() && !isSpace(m_text[pos])) {
        syntaxError(u"doctype_tag_syntax", lt);
        return lt + 1;
    }
    bool inSubset = false;
    char16_t quote = 0;
    for (; pos < m_text.size(); ++pos) {
        char16_t c = m_text[pos];
        if (quote) {
            if (c == quote) {
                quote = 0;
            }
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'[') {
            if (inSubset) {
                syntaxError(u"doctype_tag_syntax", lt);
                return lt + 1;
            }
            inSubset = true;
        } else if (c == u']') {
            inSubset = false;
        } else if (c == u'>' && !inSubset) {
            return pos + 1;
        } else if (c == u'<' && !inSubset) {
            syntaxError(u"doctype_tag_syntax", lt);
            return lt + 1;
        }
    }
    unterminated(u"document_type", lt);
    return lt + 1;
}

size_t XmlParser::parseStartTag(size_t lt) {
    const size_t n = m_text.size();
    size_t nameStart = lt + 1;
    size_t pos = nameStart + nameLengthAt(m_text, nameStart);
    size_t nameLength = pos - nameStart;
    bool empty = false;
    for (;;) {
        while (pos < n && isSpace(m_text[pos])) {
            ++pos;
        }
        if (pos >= n) {
            unterminated(u"start_tag", lt);
            return lt + 1;
        }
        char16_t c = m_text[pos];
        if (c == u'>') {
            ++pos;
            break;
        }
        if (c == u'/') {
            if (pos + 1 >= n) {
                unterminated(u"start_tag", lt);
                return lt + 1;
            }
            if (m_text[pos + 1] != u'>') {
                syntaxError(u"first_tag_syntax", lt);
                return lt + 1;
            }
            pos += 2;
            empty = true;
            break;
        }
        size_t attrLength = nameLengthAt(m_text, pos);
        if (attrLength == 0) {
            syntaxError(u"first_tag_syntax", lt);
            return lt + 1;
        }
        pos += attrLength;
        while (pos < n && isSpace(m_text[pos])) {
            ++pos;
        }
        if (pos < n && m_text[pos] == u'=') {
            ++pos;
            while (pos < n && isSpace(m_text[pos])) {
                ++pos;
            }
            if (pos < n && (m_text[pos] == u'"' || m_text[pos] == u'\'')) {
                char16_t quote = m_text[pos++];
                // A "<" ends the scan: it never belongs in a value, and stopping
                // there keeps a run of broken tags from being rescanned.
                pos = findEither(m_text.data(), pos, n, quote, u'<');
                if (pos >= n) {
                    unterminated(u"start_tag", lt);
                    return lt + 1;
                }
                if (m_text[pos] == u'<') {
                    syntaxError(u"first_tag_syntax", lt);
                    return lt + 1;
                }
                ++pos;
            } else {
                while (pos < n && !isSpace(m_text[pos]) && m_text[pos] != u'>' && m_text[pos] != u'<' &&
                       !(m_text[pos] == u'/' && pos + 1 < n && m_text[pos + 1] == u'>')) {
                    ++pos;
                }
            }
        }
    }
    size_t tagLength = pos - lt;
    if (tagLength > ElementRecord::kMaxStartTagLength) {
        syntaxError(u"first_tag_syntax", lt);
        return lt + 1;
    }
    ElementRecord record{};
    record.start = static_cast<uint32_t>(lt);
    record.length = static_cast<uint32_t>(tagLength);
    record.setTagLengths(static_cast<uint32_t>(tagLength), 0);
    uint32_t parent = m_stack.back().element;
    record.parent = parent;
    uint32_t element = m_index.add(record);
    if (element == 0) {
        syntaxError(u"first_tag_syntax", lt);
        return lt + 1;
    }
    linkLastChild(element, parent);
    if (!empty) {
        push(element, nameStart, nameLength);
    }
    return pos;
}

size_t XmlParser::parseEndTag(size_t lt) {
    const size_t n = m_text.size();
    size_t nameStart = lt + 2;
    size_t nameLength = nameLengthAt(m_text, nameStart);
    if (nameLength == 0) {
        if (nameStart >= n) {
            unterminated(u"end_tag", lt);
        } else {
            syntaxError(u"first_tag_syntax", lt);
        }
        return lt + 1;
    }
    size_t pos = nameStart + nameLength;
    while (pos < n && isSpace(m_text[pos])) {
        ++pos;
    }
    if (pos >= n) {
        unterminated(u"end_tag", lt);
        return lt + 1;
    }
    if (m_text[pos] != u'>') {
        syntaxError(u"first_tag_syntax", lt);
        return lt + 1;
    }
    ++pos;
    std::u16string_view name = m_text.substr(nameStart, nameLength);
    size_t endLength = pos - lt;
    size_t depth = 0;
    // An end tag too long for its field in the index is treated as matching nothing.
    if (endLength > ElementRecord::kMaxEndTagLength || !findOpen(name, hashName(name), depth)) {
        m_errors = true;
        m_report.add(u"lone_end_tag",
                     {{u"tagname", std::u16string(name)}, {u"offset", XmlReport::number(lt)}});
        return pos;
    }
    if (depth + 1 < m_stack.size()) {
        closeUnended(depth + 1);
    }
    ElementRecord& record = m_index[m_stack[depth].element];
    record.length = static_cast<uint32_t>(pos - record.start);
    record.setTagLengths(record.startTagLength(), static_cast<uint32_t>(endLength));
    popTo(depth);
    return pos;
}

size_t XmlParser::findTerminator(Terminator kind, size_t from) {
    // The scan only moves forward, so a terminator found earlier still is the
    // next one as long as it lies at or after `from`; this keeps many
    // unterminated openers from each searching to the end of the text.
    if (m_terminatorKnown[kind] &&
        (m_nextTerminator[kind] == std::u16string_view::npos || m_nextTerminator[kind] >= from)) {
        return m_nextTerminator[kind];
    }
    m_terminatorKnown[kind] = true;
    m_nextTerminator[kind] = m_text.find(kTerminators[kind], from);
    return m_nextTerminator[kind];
}

void XmlParser::syntaxError(std::u16string_view event, size_t offset) {
    m_errors = true;
    m_report.add(event, {{u"offset", XmlReport::number(offset)}});
}

void XmlParser::unterminated(std::u16string_view type, size_t offset) {
    m_errors = true;
    m_report.add(u"unterminated_tag_syntax",
                 {{u"type", std::u16string(type)}, {u"offset", XmlReport::number(offset)}});
}

uint64_t XmlParser::hashName(std::u16string_view name) const {
    uint64_t h = 1469598103934665603ull;
    for (char16_t c : name) {
        h = (h ^ (m_ignoreCase ? foldAscii(c) : c)) * 1099511628211ull;
    }
    return h;
}

void XmlParser::push(uint32_t element, size_t nameStart, size_t nameLength) {
    uint64_t hash = hashName(m_text.substr(nameStart, nameLength));
    if (m_stack.size() >= kShallowDepth) {
        ++m_deepNames[hash];
    }
    m_stack.push_back(
        Open{element, hash, static_cast<uint32_t>(nameStart), static_cast<uint32_t>(nameLength)});
}

void XmlParser::popTo(size_t depth) {
    while (m_stack.size() > depth) {
        if (m_stack.size() - 1 >= kShallowDepth) {
            auto it = m_deepNames.find(m_stack.back().hash);
            if (it != m_deepNames.end() && --it->second == 0) {
                m_deepNames.erase(it);
            }
        }
        m_stack.pop_back();
    }
}

bool XmlParser::findOpen(std::u16string_view name, uint64_t hash, size_t& depth) const {
    size_t lowest = 1;
    if (m_stack.size() > kShallowDepth && m_deepNames.find(hash) == m_deepNames.end()) {
        lowest = 1;
        // Not open in the deep part: only the shallow part can hold it.
        for (size_t d = std::min(m_stack.size(), kShallowDepth) - 1; d >= lowest; --d) {
            const Open& o = m_stack[d];
            if (o.hash == hash && namesEqual(m_text.substr(o.nameStart, o.nameLength), name, m_ignoreCase)) {
                depth = d;
                return true;
            }
        }
        return false;
    }
    for (size_t d = m_stack.size() - 1; d >= lowest; --d) {
        const Open& o = m_stack[d];
        if (o.hash == hash && namesEqual(m_text.substr(o.nameStart, o.nameLength), name, m_ignoreCase)) {
            depth = d;
            return true;
        }
    }
    return false;
}

void XmlParser::closeUnended(size_t firstDepth) {
    // Outermost first: each element's children move up to its parent once, and
    // that parent stays where it is, so the work is linear in the elements.
    for (size_t d = firstDepth; d < m_stack.size(); ++d) {
        uint32_t element = m_stack[d].element;
        ElementRecord& record = m_index[element];
        m_errors = true;
        m_report.add(
            u"unended_start_tag",
            {{u"tagname", std::u16string(m_text.substr(m_stack[d].nameStart, m_stack[d].nameLength))},
             {u"offset", XmlReport::number(record.start)},
             {u"offset2", XmlReport::number(record.start + record.startTagLength())}});
        record.length = record.startTagLength();
        record.levelFlags |= ElementRecord::kNotEnded;
        uint32_t first = record.firstChild;
        if (first == 0) {
            continue;
        }
        uint32_t parent = record.parent;
        uint32_t last = m_index[first].prevSibling;
        for (uint32_t c = first; c != 0; c = m_index[c].nextSibling) {
            m_index[c].parent = parent;
        }
        // The element is the last child of its parent (everything after it was inside it).
        record.firstChild = 0;
        record.nextSibling = first;
        m_index[first].prevSibling = element;
        m_index[m_index[parent].firstChild].prevSibling = last;
    }
    popTo(firstDepth);
}

void XmlParser::linkLastChild(uint32_t element, uint32_t parent) {
    ElementRecord& p = m_index[parent];
    ElementRecord& e = m_index[element];
    if (p.firstChild == 0) {
        p.firstChild = element;
        e.prevSibling = element;
        return;
    }
    ElementRecord& first = m_index[p.firstChild];
    uint32_t last = first.prevSibling;
    m_index[last].nextSibling = element;
    e.prevSibling = last;
    first.prevSibling = element;
}

void XmlParser::finish() {
    // Parents always precede their children in the index, so one pass settles
    // every level, whatever unended elements moved.
    for (uint32_t i = 1; i < m_index.size(); ++i) {
        ElementRecord& r = m_index[i];
        const ElementRecord& p = m_index[r.parent];
        uint32_t level =
            std::min<uint32_t>((p.levelFlags & ElementRecord::kLevelMask) + 1, ElementRecord::kLevelMask);
        r.levelFlags = (r.levelFlags & ~(ElementRecord::kLevelMask | ElementRecord::kFirstChild)) | level |
                       (p.firstChild == i ? ElementRecord::kFirstChild : 0);
    }
    ElementRecord& document = m_index[0];
    if (document.firstChild == 0) {
        m_errors = true;
        m_report.add(u"no_root_element");
    } else if (uint32_t sibling = m_index[document.firstChild].nextSibling; sibling != 0) {
        m_errors = true;
        std::u16string_view rest = m_text.substr(m_index[sibling].start + 1);
        m_report.add(u"root_has_sibling",
                     {{u"tagname", std::u16string(rest.substr(0, nameLengthAt(rest, 0)))},
                      {u"offset", XmlReport::number(m_index[sibling].start)}});
    }
    if (m_errors) {
        document.levelFlags |= ElementRecord::kHasErrors;
    } else {
        document.levelFlags &= ~ElementRecord::kHasErrors;
    }
}

}  // namespace talvane68
