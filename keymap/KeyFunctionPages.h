#pragma once

// The functions the key assignment window offers on its multimedia, mouse,
// function ("Other") and power pages, as plain data: the window builds its
// items from these rows and the skin generator draws the pages from them.

#include <span>

namespace talvane68 {

// One function the key assignment window offers: the clickable item, the key
// function code its value holds, and the text the user reads (a tooltip on
// the multimedia and power pages, a label with id labelId elsewhere).
struct KeyFunctionItem {
    int itemId;
    int code;
    int labelId;  // 0 when the text is a tooltip
    const char16_t* zh;
    const char16_t* en;
};

// A caption drawn on a page that stands for no code (group headings, the
// labels under the power pictures).
struct PageLabel {
    int itemId;
    const char16_t* zh;
    const char16_t* en;
};

std::span<const KeyFunctionItem> multimediaFunctions();  // items 401..418, tooltips
std::span<const PageLabel> multimediaGroupLabels();      // 451, 452
std::span<const KeyFunctionItem> mouseFunctions();       // items 502..511, labels +50
std::span<const KeyFunctionItem> keyboardFunctions();    // items 601..617, 620..631
std::span<const KeyFunctionItem> powerFunctions();       // items 701..703, tooltips
std::span<const PageLabel> powerLabels();                // 751..753

}  // namespace talvane68
