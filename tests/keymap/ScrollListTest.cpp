#include <gtest/gtest.h>

#include <string>

#include "keymap/ScrollList.h"

namespace talvane68 {
namespace {

constexpr int kAtEnd = 20000;

std::u16string text(int i) {
    return u"item" + std::u16string(1, static_cast<char16_t>(u'A' + i));
}

ScrollList listOf(int count, std::int32_t sizeOfView) {
    ScrollList list(sizeOfView);
    for (int i = 0; i < count; ++i) {
        list.append(text(i));
    }
    return list;
}

void expectView(const ScrollList& list, std::int32_t viewStartAt, std::int32_t cursorPos) {
    EXPECT_EQ(list.ViewStartAt, viewStartAt);
    EXPECT_EQ(list.CursorPos, cursorPos);
}

TEST(ScrollList, AppendKeepsTheNewItemSelectedAsTheLastShownRow) {
    ScrollList list(7);
    list.append(text(0));
    expectView(list, 0, 0);
    for (int i = 1; i < 7; ++i) {
        list.append(text(i));
    }
    expectView(list, 0, 6);
    list.append(text(7));
    expectView(list, 1, 6);
    EXPECT_EQ(list.selectedIndex(), 7);
    EXPECT_EQ(list.children().size(), 8u);
    EXPECT_EQ(list.children().back().SizeOfView, 7);
}

TEST(ScrollList, RemoveKeepsTheSelectionInsideTheList) {
    ScrollList only = listOf(1, 7);
    only.removeAt(0);
    EXPECT_TRUE(only.empty());
    expectView(only, 0, 0);

    // Removing the selected last item selects the new last item.
    ScrollList list = listOf(10, 7);  // view 3, cursor 6 -> item 9
    list.removeAt(list.CursorPos);
    EXPECT_EQ(list.count(), 9);
    expectView(list, 3, 5);
    EXPECT_EQ(list.textAt(list.CursorPos), text(8));

    // A row past the end removes the last item; an empty list ignores it.
    ScrollList three = listOf(3, 7);
    three.removeAt(kAtEnd);
    EXPECT_EQ(three.items(), (std::vector<std::u16string>{text(0), text(1)}));
    ScrollList none(7);
    none.removeAt(0);
    expectView(none, 0, 0);
}

TEST(ScrollList, RemoveAfterTheViewStartWasScrolledPastTheEnd) {
    ScrollList list = listOf(3, 7);
    list.ViewStartAt = 5;  // as a profile file may hold
    list.CursorPos = 4;
    list.removeAt(0);
    EXPECT_EQ(list.count(), 2);
    expectView(list, 1, 0);
}

TEST(ScrollList, InsertInsideLeavesTheViewAndPastTheEndAppends) {
    ScrollList list = listOf(3, 7);
    list.CursorPos = 1;
    list.insertAt(1, u"new");
    EXPECT_EQ(list.items(), (std::vector<std::u16string>{text(0), u"new", text(1), text(2)}));
    EXPECT_EQ(list.children().size(), 4u);
    expectView(list, 0, 1);

    list.insertAt(kAtEnd, u"last");
    EXPECT_EQ(list.items().back(), u"last");
    expectView(list, 0, 4);
}

TEST(ScrollList, RowsPastTheEndReadAsEmpty) {
    ScrollList list = listOf(2, 6);
    EXPECT_EQ(list.textAt(2), u"");
    EXPECT_EQ(list.textAt(-1), u"");
    const ScrollList child = list.childAt(kAtEnd);
    EXPECT_TRUE(child.empty());
    EXPECT_EQ(child.SizeOfView, 6);

    list.setChildAt(5, listOf(1, 3));  // ignored
    EXPECT_TRUE(list.childAt(0).empty() && list.childAt(1).empty());
    list.setTextAt(kAtEnd, u"appended");
    EXPECT_EQ(list.count(), 3);
    list.setTextAt(0, u"replaced");
    EXPECT_EQ(list.textAt(0), u"replaced");
    EXPECT_EQ(list.count(), 3);
}

TEST(ScrollList, CursorToIndexClampsAndScrolls) {
    ScrollList list = listOf(10, 7);
    list.ViewStartAt = 0;
    list.cursorToIndex(12);
    expectView(list, 9, 0);
    list.cursorToIndex(10);  // 9 is shown: only the cursor moves
    expectView(list, 9, 0);
    list.ViewStartAt = 2;
    list.cursorToIndex(5);
    expectView(list, 2, 3);
    list.cursorToIndex(-4);
    expectView(list, 0, 0);

    ScrollList empty(7);
    empty.ViewStartAt = 3;
    empty.CursorPos = 2;
    empty.cursorToIndex(1);
    expectView(empty, 0, 0);
}

TEST(ScrollList, EqualsComparesTextsAndPlaySettingsOnly) {
    ScrollList a = listOf(3, 7);
    ScrollList b = listOf(3, 5);
    b.setChildAt(0, listOf(2, 1));
    b.ViewStartAt = 2;
    EXPECT_TRUE(a.equals(b));

    ScrollList other = a;
    other.Delay = 31;
    EXPECT_FALSE(a.equals(other));
    other = a;
    other.IsAutoInterval = true;
    EXPECT_FALSE(a.equals(other));
    other = a;
    other.setTextAt(2, u"itemc");  // case matters
    EXPECT_FALSE(a.equals(other));
    EXPECT_EQ(a.indexOfText(text(1)), 1);
    EXPECT_EQ(a.indexOfText(u"itemb"), -1);
}

TEST(ScrollList, SelectOrAppendAddsDefaultOnceThenSelectsIt) {
    ScrollList library = listOf(3, 7);
    ScrollList steps(7);
    steps.append(u"A");
    steps.Cycles = 3;

    library.selectOrAppend(steps);
    ASSERT_EQ(library.count(), 4);
    EXPECT_EQ(library.textAt(library.CursorPos), u"default");
    EXPECT_TRUE(library.children()[3].equals(steps));

    library.cursorToIndex(0);
    library.selectOrAppend(steps);
    EXPECT_EQ(library.count(), 4);
    EXPECT_EQ(library.selectedIndex(), 3);
}

TEST(ScrollList, CopiesAreIndependent) {
    ScrollList original = listOf(2, 7);
    original.setChildAt(0, listOf(2, 7));
    ScrollList copy = original;
    ScrollList child = copy.childAt(0);
    child.setTextAt(0, u"changed");
    copy.setChildAt(0, child);
    copy.setTextAt(1, u"changed");
    EXPECT_EQ(original.childAt(0).textAt(0), text(0));
    EXPECT_EQ(original.textAt(1), text(1));
}

TEST(ScrollList, ClearResetsEverythingButTheViewSize) {
    ScrollList list = listOf(9, 7);
    list.Cycles = 4;
    list.IsAutoInterval = true;
    list.Delay = 100;
    list.PlayMode = 2;
    list.clear();
    EXPECT_TRUE(list.empty() && list.children().empty());
    expectView(list, 0, 0);
    EXPECT_EQ(list.SizeOfView, 7);
    EXPECT_TRUE(list.equals(ScrollList()));
}

}  // namespace
}  // namespace talvane68
