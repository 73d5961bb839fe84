#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace talvane68 {

// The diagnostics of one parse or file operation: a fragment of empty XML
// elements without line breaks, one per event, e.g.
// <read encoding="UTF-8" length="120"/><unended_start_tag tagname="a" offset="4" offset2="7"/>
class XmlReport {
public:
    struct Attribute {
        std::u16string_view name;
        std::u16string value;
    };

    // Nothing is added once the report holds this many characters.
    static constexpr size_t kLimit = 1000;

    void clear() { m_text.clear(); }
    void add(std::u16string_view event, std::initializer_list<Attribute> attributes = {});
    const std::u16string& text() const { return m_text; }

    static std::u16string number(int64_t value);
    static std::u16string fromAscii(std::string_view text);

private:
    std::u16string m_text;
};

}  // namespace talvane68
