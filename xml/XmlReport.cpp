#include "xml/XmlReport.h"

#include "xml/XmlEscape.h"

namespace talvane68 {

void XmlReport::add(std::u16string_view event, std::initializer_list<Attribute> attributes) {
    if (m_text.size() >= kLimit) {
        return;
    }
    m_text += u'<';
    m_text += event;
    for (const Attribute& a : attributes) {
        m_text += u' ';
        m_text += a.name;
        m_text += u"=\"";
        XmlEscape::escape(a.value, true, m_text);
        m_text += u'"';
    }
    m_text += u"/>";
}

std::u16string XmlReport::number(int64_t value) {
    std::u16string out;
    for (char c : std::to_string(value)) {
        out.push_back(static_cast<char16_t>(c));
    }
    return out;
}

std::u16string XmlReport::fromAscii(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace talvane68
