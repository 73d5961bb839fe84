#include "keymap/ScrollList.h"

#include <algorithm>

namespace talvane68 {

namespace {

// View arithmetic runs in 64 bits so that view fields loaded from a file
// cannot overflow; results fit 32 bits whenever the list is sensible.
std::int32_t narrow(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

void ScrollList::clear() {
    m_items.clear();
    m_children.clear();
    ViewStartAt = 0;
    CursorPos = 0;
    Cycles = 1;
    IsAutoInterval = false;
    Delay = 30;
    PlayMode = 0;
}

std::int64_t ScrollList::indexOfRow(std::int64_t row) const {
    const std::int64_t index = std::int64_t{ViewStartAt} + row;
    return index >= 0 && index < count() ? index : -1;
}

std::u16string ScrollList::textAt(std::int64_t row) const {
    const std::int64_t index = indexOfRow(row);
    return index < 0 ? std::u16string() : m_items[index];
}

ScrollList ScrollList::childAt(std::int64_t row) const {
    const std::int64_t index = indexOfRow(row);
    return index < 0 ? ScrollList(SizeOfView) : m_children[index];
}

void ScrollList::setChildAt(std::int64_t row, const ScrollList& child) {
    const std::int64_t index = indexOfRow(row);
    if (index >= 0) {
        m_children[index] = child;
    }
}

void ScrollList::setTextAt(std::int64_t row, const std::u16string& text) {
    const std::int64_t index = indexOfRow(row);
    if (index >= 0) {
        m_items[index] = text;
    } else {
        append(text);
    }
}

void ScrollList::insertAt(std::int64_t row, const std::u16string& text) {
    const std::int64_t index = indexOfRow(row);
    if (index >= 0) {
        m_items.insert(m_items.begin() + index, text);
        m_children.insert(m_children.begin() + index, ScrollList(SizeOfView));
    } else {
        append(text);
    }
}

void ScrollList::append(const std::u16string& text) {
    m_items.push_back(text);
    m_children.emplace_back(SizeOfView);
    selectLastAppended();
}

void ScrollList::selectLastAppended() {
    const std::int64_t shownFromStart = std::int64_t{count()} - ViewStartAt;
    const std::int64_t size = SizeOfView;
    if (shownFromStart - size < 1) {
        CursorPos = narrow(shownFromStart - 1);
    } else {
        ViewStartAt = narrow(std::int64_t{ViewStartAt} + shownFromStart - size);
        CursorPos = narrow(size - 1);
    }
}

void ScrollList::removeAt(std::int64_t row) {
    if (m_items.empty()) {
        return;
    }
    std::int64_t index = std::int64_t{ViewStartAt} + row;
    if (index < 0 || index >= count()) {
        index = count() - 1;
    }
    m_items.erase(m_items.begin() + index);
    m_children.erase(m_children.begin() + index);
    if (m_items.empty()) {
        ViewStartAt = 0;
        CursorPos = 0;
        return;
    }
    if (ViewStartAt < 0 || ViewStartAt >= count()) {
        ViewStartAt = count() - 1;
    }
    const std::int32_t shown = count() - ViewStartAt;
    if (CursorPos >= shown) {
        CursorPos = shown - 1;
    }
}

void ScrollList::cursorToIndex(std::int64_t index) {
    if (m_items.empty()) {
        ViewStartAt = 0;
        CursorPos = 0;
        return;
    }
    index = std::clamp<std::int64_t>(index, 0, count() - 1);
    if (ViewStartAt <= index && index < std::int64_t{ViewStartAt} + SizeOfView) {
        CursorPos = narrow(index - ViewStartAt);
    } else {
        ViewStartAt = narrow(index);
        CursorPos = 0;
    }
}

int ScrollList::indexOfText(const std::u16string& text) const {
    const auto found = std::find(m_items.begin(), m_items.end(), text);
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

bool ScrollList::equals(const ScrollList& other) const {
    return m_items == other.m_items && Cycles == other.Cycles && IsAutoInterval == other.IsAutoInterval &&
           Delay == other.Delay && PlayMode == other.PlayMode;
}

void ScrollList::selectOrAppend(const ScrollList& list) {
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i].equals(list)) {
            cursorToIndex(static_cast<std::int64_t>(i));
            return;
        }
    }
    append(u"default");
    m_children.back() = list;
}

void ScrollList::appendItem(const std::u16string& text, const ScrollList& child) {
    m_items.push_back(text);
    m_children.push_back(child);
}

}  // namespace talvane68
