#pragma once

// ScrollList: the program's one list type. An ordered list of texts, each
// with a child list of the same type, plus the view state of the rows a
// window shows (SizeOfView, ViewStartAt, CursorPos) and four macro/emulation
// play settings. Copies are deep: a copy shares nothing with its source.
//
// Row arguments are relative to ViewStartAt; callers pass a huge row (20000,
// 200000) to mean "at the end". No operation reads or writes outside the
// list, whatever the view fields hold (they may come from a file).

#include <cstdint>
#include <string>
#include <vector>

namespace talvane68 {

class ScrollList {
public:
    // Number of rows a window shows (5 combinations, 7 macros and
    // emulations, 6 and 9 for lists read from the keyboard).
    std::int32_t SizeOfView = 0;
    // Index of the item in the first shown row.
    std::int32_t ViewStartAt = 0;
    // Selected row relative to ViewStartAt.
    std::int32_t CursorPos = 0;
    // Macro repeat count.
    std::int32_t Cycles = 1;
    // Macro plays with one fixed interval instead of its recorded delays.
    bool IsAutoInterval = false;
    // Macro interval or emulation delay in milliseconds.
    std::int32_t Delay = 30;
    // Macro play mode 0, 1 or 2.
    std::int32_t PlayMode = 0;

    explicit ScrollList(std::int32_t sizeOfView = 0) : SizeOfView(sizeOfView) {}

    // Removes every item and child and resets the view and play settings to
    // their defaults; SizeOfView is kept.
    void clear();

    int count() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }
    // Absolute index of the selected item (may lie outside the list).
    std::int64_t selectedIndex() const { return std::int64_t{ViewStartAt} + CursorPos; }

    // Text of the item at row, or an empty text when there is none.
    std::u16string textAt(std::int64_t row) const;
    // Copy of the child at row, or an empty list with this SizeOfView.
    ScrollList childAt(std::int64_t row) const;
    // Replaces the child at row; does nothing past the end.
    void setChildAt(std::int64_t row, const ScrollList& child);
    // Replaces the text at row; past the end it appends (see append).
    void setTextAt(std::int64_t row, const std::u16string& text);
    // Inserts the text with an empty child at row, leaving the view alone;
    // past the end it appends (see append).
    void insertAt(std::int64_t row, const std::u16string& text);
    // Removes the item at row (the last one when row is past the end) and
    // keeps the selection inside the list.
    void removeAt(std::int64_t row);
    // Appends the text with an empty child and selects it as the last shown row.
    void append(const std::u16string& text);

    // Selects item index (clamped to the list), scrolling when it is not shown.
    void cursorToIndex(std::int64_t index);
    // First index whose text equals text exactly, or -1.
    int indexOfText(const std::u16string& text) const;
    // Same texts in the same order and the same play settings; the view
    // fields and the children are not compared.
    bool equals(const ScrollList& other) const;
    // Selects the entry whose child equals list; when there is none, appends
    // an entry "default" holding a copy of list and selects it.
    void selectOrAppend(const ScrollList& list);

    // Whole-list access by absolute index, for loaders and writers.
    const std::vector<std::u16string>& items() const { return m_items; }
    const std::vector<ScrollList>& children() const { return m_children; }
    // Adds an item and its child at the end without touching the view state.
    void appendItem(const std::u16string& text, const ScrollList& child);

private:
    // Absolute index of row when it names an item, else -1.
    std::int64_t indexOfRow(std::int64_t row) const;
    void selectLastAppended();

    std::vector<std::u16string> m_items;
    std::vector<ScrollList> m_children;  // one per item, same index
};

}  // namespace talvane68
