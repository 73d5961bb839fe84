#pragma once

// A caption in every interface language: an ordered map from a language code
// ("zh-CN", "en-US") to a UTF-16 text.

#include <cstddef>
#include <map>
#include <string>

namespace talvane68 {

class LangText {
public:
    // Lookup-or-insert: the text for the code, inserting an empty text when
    // the code has none yet. Captions are filled and read through this.
    std::u16string& operator[](const std::string& code) { return m_texts[code]; }

    // Read-only queries; they never insert.
    bool contains(const std::string& code) const { return m_texts.count(code) != 0; }
    std::size_t size() const { return m_texts.size(); }

    // Fills both interface languages at once.
    void set(std::u16string zhCN, std::u16string enUS);

private:
    std::map<std::string, std::u16string> m_texts;
};

}  // namespace talvane68
