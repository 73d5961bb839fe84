#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xml/ElementRecord.h"
#include "xml/XmlReport.h"

namespace talvane68 {

// One pass over a document text that fills the element index and reports
// every problem it meets without stopping. Whatever it recognises stays in the
// index, so a broken document can still be navigated.
class XmlParser {
public:
    XmlParser(std::u16string_view text, ElementIndex& index, XmlReport& report, bool ignoreCase);

    // Builds the index (record 0 is the document). True when no error was
    // found; the caller decides well-formedness together with the root.
    bool run();

private:
    struct Open {
        uint32_t element;
        uint64_t hash;
        uint32_t nameStart;
        uint32_t nameLength;
    };
    enum Terminator { kPiEnd, kCommentEnd, kCdataEnd, kTagEnd, kTerminatorCount };

    size_t parseMarkup(size_t lt);
    size_t parseStartTag(size_t lt);
    size_t parseEndTag(size_t lt);
    size_t parseExclamation(size_t lt);
    size_t parseDoctype(size_t lt);
    size_t findTerminator(Terminator kind, size_t from);

    void syntaxError(std::u16string_view event, size_t offset);
    void unterminated(std::u16string_view type, size_t offset);

    uint64_t hashName(std::u16string_view name) const;
    void push(uint32_t element, size_t nameStart, size_t nameLength);
    void popTo(size_t depth);
    bool findOpen(std::u16string_view name, uint64_t hash, size_t& depth) const;
    void closeUnended(size_t firstDepth);
    void linkLastChild(uint32_t element, uint32_t parent);
    void finish();

    std::u16string_view m_text;
    ElementIndex& m_index;
    XmlReport& m_report;
    bool m_ignoreCase;
    bool m_errors = false;
    bool m_seenDoctype = false;
    std::vector<Open> m_stack;
    // Names open below the first kShallowDepth stack entries, counted by hash, so
    // that an end tag matching nothing costs no walk down a deep stack.
    std::unordered_map<uint64_t, uint32_t> m_deepNames;
    std::array<size_t, kTerminatorCount> m_nextTerminator{};
    std::array<bool, kTerminatorCount> m_terminatorKnown{};
};

}  // namespace talvane68
