#pragma once

#include <string>
#include <string_view>

namespace talvane68 {

// Escaping of text for XML and the reading of character references.
class XmlEscape {
public:
    // Appends text with "&", "<" and ">" replaced by references; with
    // attributeValue also the double quote and the apostrophe.
    static void escape(std::u16string_view text, bool attributeValue, std::u16string& out);
    static std::u16string escape(std::u16string_view text, bool attributeValue);

    // Replaces references: "&#65;", "&#x41;" and the HTML 4 entity names plus
    // "apos". A name that exists in one letter case only is also recognised in
    // any other case; names that differ only in case are told apart by case.
    // An ampersand that starts no valid reference (unknown name, value 0,
    // no semicolon within 10 characters) stays as it is.
    static std::u16string unescape(std::u16string_view text);

    // The code point of an entity name as the rules above read it; 0 when none.
    static char32_t entityValue(std::u16string_view name);
};

}  // namespace talvane68
