#include "skin/LangText.h"

#include <utility>

namespace talvane68 {

void LangText::set(std::u16string zhCN, std::u16string enUS) {
    m_texts["zh-CN"] = std::move(zhCN);
    m_texts["en-US"] = std::move(enUS);
}

}  // namespace talvane68
