#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xml/ElementRecord.h"
#include "xml/XmlReport.h"

namespace talvane68 {

// An XML document held as one UTF-16 string with an index of where each
// element lies in it, and a current position moved by find, enter and leave.
// Nothing throws: problems end up in resultReport() and the document keeps
// whatever could be understood.
class XmlDocument {
public:
    // Document flags.
    static constexpr uint32_t kUtf16LE = 0x1;
    static constexpr uint32_t kUtf8Bom = 0x4;
    static constexpr uint32_t kIgnoreCase = 0x8;
    static constexpr uint32_t kReadingParts = 0x10;
    static constexpr uint32_t kWritingParts = 0x20;
    static constexpr uint32_t kAppendOnWrite = 0x40;
    static constexpr uint32_t kUtf16BE = 0x80;

    XmlDocument();

    // Replaces the text and parses it; true when it is well-formed (a root
    // element and no error). An empty text also empties the index.
    bool setText(std::u16string_view text = {});
    // Reads a file with encoding detection and parses it; false when the file
    // cannot be opened or read (a "file_error" in the report).
    bool loadFile(const std::string& path);
    // The same from bytes already in memory; false when they cannot be held.
    bool loadBytes(std::string_view bytes);
    // Writes the text in its declared encoding (UTF-8 when none), with a byte
    // order mark only when a mark flag is set; false on any file error.
    bool saveFile(const std::string& path);

    // Moves to the next sibling named `name` (the first child of parentPos when
    // there is no current element). False and no move when there is none.
    bool findNext(std::u16string_view name);
    // Makes the current element the parent; false without a current element.
    bool enterElement();
    // Makes the parent current again; false at the document level.
    bool leaveElement();
    // Adds an empty element after the current one (or as the last child of
    // parentPos) and makes it current. False for a name that is not an XML name
    // or when the text or the index would overflow.
    bool appendElement(std::u16string_view name);
    // Sets (or replaces) an attribute of the current element. False without a
    // current element, for an invalid name, or when the tag would be too long.
    bool setAttribute(std::u16string_view name, std::u16string_view value);
    // The unescaped value of an attribute of the current element; empty when
    // either is missing.
    std::u16string attribute(std::u16string_view name) const;
    // The value as written (references not replaced), valid until the next
    // edit; empty when the attribute or the current element is missing.
    std::u16string_view rawAttribute(std::u16string_view name) const;

    const std::u16string& text() const { return m_text; }
    const std::u16string& resultReport() const { return m_report.text(); }
    bool isWellFormed() const;

    uint32_t parentPos() const { return m_parentPos; }
    uint32_t currentPos() const { return m_currentPos; }
    uint32_t childPos() const { return m_childPos; }
    // 1 when currentPos designates an element, otherwise 0.
    int nodeType() const { return m_currentPos ? 1 : 0; }
    uint32_t flags() const { return m_flags; }
    void setFlags(uint32_t flags) { m_flags = flags; }
    const ElementIndex& index() const { return m_index; }
    // The tag name of an element of the index; empty for 0 or an invalid index.
    std::u16string_view tagName(uint32_t element) const;

private:
    struct AttributeSpan {
        uint32_t nameStart;  // offsets in m_text
        uint32_t nameLength;
        uint32_t valueStart;  // inside the quotes when quoted
        uint32_t valueLength;
        uint32_t end;  // just after the value (and its closing quote)
        bool quoted;
        bool hasValue;
    };

    void parse();
    void resetIndex(uint32_t capacity);
    bool loadDecoded(std::string_view bytes);
    void reportFileError(int error);
    bool partsMode() const { return (m_flags & (kReadingParts | kWritingParts)) != 0; }
    bool ignoreCase() const { return (m_flags & kIgnoreCase) != 0; }
    bool isNameAt(uint32_t element, std::u16string_view name) const;
    // Whether the text at `at` starts with name (as the case flag says).
    bool sameName(const char16_t* at, std::u16string_view name) const;
    const std::vector<AttributeSpan>& attributesOf(uint32_t element) const;
    // Replaces `removeLength` units at `offset`, shifts the records that start
    // after the replaced range and lengthens `enclosing` and its ancestors.
    bool splice(uint32_t offset, uint32_t removeLength, std::u16string_view insert, uint32_t enclosing);
    uint32_t firstRecordAtOrAfter(uint32_t offset) const;

    std::u16string m_text;
    XmlReport m_report;
    uint32_t m_parentPos = 0;
    uint32_t m_currentPos = 0;
    uint32_t m_childPos = 0;
    uint32_t m_flags = 0;
    ElementIndex m_index;
    // True while the index holds the elements in document order, so those after
    // an offset are a tail of the index.
    bool m_ordered = true;
    bool m_lastSpliceShifted = false;

    // Attributes of one start tag, parsed once for repeated look-ups.
    mutable uint32_t m_attrElement = 0;
    mutable std::vector<AttributeSpan> m_attrs;
    mutable size_t m_attrHint = 0;
    std::u16string m_scratch;  // text being inserted, kept to save allocations
};

}  // namespace talvane68
