#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "keymap/KeyCatalogue.h"
#include "keymap/KeyFunctionPages.h"

namespace talvane68 {
namespace {

class KeyCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { buildKeyTables(keyNames, vkToCode, codeToVk, modeNamesZh, modeNamesEn); }

    std::u16string caption(std::int64_t code) const { return codeCaption(keyNames, codeToVk, code); }

    KeyNameMap keyNames;
    CodeTable vkToCode{};
    CodeTable codeToVk{};
    ModeNames modeNamesZh;
    ModeNames modeNamesEn;
};

TEST_F(KeyCatalogueTest, TableSizes) {
    EXPECT_EQ(keyNames.size(), 240u);
    EXPECT_EQ(std::count_if(vkToCode.begin(), vkToCode.end(), [](std::int32_t c) { return c != 0; }), 166);
    EXPECT_EQ(keyNames.begin()->first, 1);
    EXPECT_EQ(keyNames.rbegin()->first, 455);
}

TEST_F(KeyCatalogueTest, NamesAreSpelledAsTheVocabularyOfListTexts) {
    const struct {
        std::int32_t vk;
        const char16_t* name;
    } cases[] = {
        {21, u"IME Hangul mode"},
        {25, u"IME Kanji mode"},
        {48, u"0"},
        {90, u"Z"},
        {96, u"(0)"},
        {105, u"(9)"},
        {112, u"F1"},
        {135, u"F24"},
        {220, u"\\"},
        {223, u"Used for miscellaneous characters; it can vary by keyboard."},
        {381, u"WWW Favorities"},
        {394, u"Demostrator"},
        {398, u"Breathe Frequence-"},
        {416, u"<>|"},
        {455, u"Left Double Click"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyNames.at(c.vk), c.name) << c.vk;
    }
    const std::u16string& packet = keyNames.at(231);
    EXPECT_EQ(packet.substr(0, 22), u"Used to pass Unicode c");
    EXPECT_EQ(packet.size(), 244u);
    EXPECT_TRUE(packet.ends_with(u"WM_KEYDOWN, and WM_KEYUP"));
}

TEST_F(KeyCatalogueTest, CodeTablesPairVirtualKeysAndCodes) {
    const struct {
        std::int32_t vk;
        std::int32_t code;
    } pairs[] = {{27, 1},    {13, 54},   {269, 107}, {226, 160}, {416, 0}, {124, 0}, {331, 75},
                 {364, 108}, {390, 134}, {421, 165}, {455, 199}, {80, 38}, {97, 100}};
    for (const auto& p : pairs) {
        EXPECT_EQ(vkToCode[p.vk], p.code) << p.vk;
    }
    EXPECT_EQ(codeToVk[160], 226);
    EXPECT_EQ(codeToVk[0], 1023);
    EXPECT_EQ(codeToVk[170], 0);
    // Every code that has a virtual key maps back to it.
    for (std::int32_t vk = 0; vk < kCodeTableSize; ++vk) {
        if (vkToCode[vk] != 0) {
            EXPECT_EQ(codeToVk[vkToCode[vk]], vk);
        }
    }
}

TEST_F(KeyCatalogueTest, CodeCaptions) {
    const struct {
        std::int64_t code;
        const char16_t* caption;
    } cases[] = {
        {0, u"-- --"},
        {-1, u"-- --"},
        {170, u"-- --"},
        {1024, u"-- --"},
        {1 << 20, u"-- --"},
        {75, u"Wake Up"},
        {76, u"Sleep"},
        {77, u"Power"},
        {160, u"<>|"},
        {107, u"(Enter)"},
        {156, u"FN"},
        {41, u"\\"},
        {199, u"Left Double Click"},
        {138, u"Demostrator"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(caption(c.code), c.caption) << c.code;
    }
}

TEST_F(KeyCatalogueTest, KeyEventTexts) {
    EXPECT_EQ(keyEventText(keyNames, 65, false), u"A");
    EXPECT_EQ(keyEventText(keyNames, 65, true), u"A  \u2193\u2193");
    EXPECT_EQ(keyEventText(keyNames, 65 + kReleaseFlag, true), u"A  \u2191\u2191");
    EXPECT_EQ(keyEventText(keyNames, 65 + kReleaseFlag, false), u"A");
    EXPECT_EQ(keyEventText(keyNames, 124, false), u"F13");
    EXPECT_EQ(keyEventText(keyNames, 14, true), u"-- --");
    EXPECT_EQ(keyEventText(keyNames, 14 + kReleaseFlag, true), u"-- --");
}

TEST_F(KeyCatalogueTest, TextsTurnBackIntoTheLowestVirtualKeyWithThatName) {
    EXPECT_EQ(virtualKeyOfText(keyNames, u"Sleep"), 95);
    EXPECT_EQ(vkToCode[95], 0);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"<>|"), 226);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"A  \u2191\u2191"), 65);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"Left SHIFT  \u2193\u2193"), 160);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"a"), -1);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"A \u2193\u2193"), -1);
    EXPECT_EQ(virtualKeyOfText(keyNames, u"-- --"), -1);
}

TEST_F(KeyCatalogueTest, ModeCaptions) {
    EXPECT_EQ(modeNamesEn[0], u"NotSet");
    EXPECT_EQ(modeNamesEn[4], u"Emulation");
    EXPECT_EQ(modeNamesEn[8], u"Power");
    EXPECT_EQ(modeNamesZh[0], u"未设置");
    EXPECT_EQ(modeNamesZh[7], u"操控键");
}

TEST_F(KeyCatalogueTest, FunctionPagesOfferNamedCodesOnUniqueItems) {
    std::set<int> ids;
    std::size_t count = 0;
    for (auto page : {multimediaFunctions(), mouseFunctions(), keyboardFunctions(), powerFunctions()}) {
        for (const KeyFunctionItem& item : page) {
            ids.insert(item.itemId);
            ++count;
            EXPECT_NE(caption(item.code), u"-- --") << item.itemId;
            EXPECT_EQ(item.labelId == 0, item.itemId < 500 || item.itemId > 700) << item.itemId;
        }
    }
    EXPECT_EQ(count, 18u + 10u + 29u + 3u);
    EXPECT_EQ(ids.size(), count);
    EXPECT_EQ(keyboardFunctions().back().labelId, 680);
    EXPECT_EQ(mouseFunctions().back().code, 199);
}

}  // namespace
}  // namespace talvane68
