#include <gtest/gtest.h>

#include <memory>

#include "profile/KeyboardProfile.h"

namespace talvane68 {
namespace {

class KeyboardProfileTest : public ::testing::Test {
protected:
    void SetUp() override { profile.buildKeyTables(); }

    std::int32_t mode(int keyId, int layer) const { return profile.keyMode[slot(keyId, layer)]; }
    std::int32_t code(int keyId, int layer) const { return profile.keyCode[slot(keyId, layer)]; }

    KeyboardProfile profile;
};

TEST_F(KeyboardProfileTest, StartsEmptyAndBuildingTheTablesChoosesChinese) {
    KeyboardProfile fresh;
    EXPECT_TRUE(fresh.language.empty());
    EXPECT_EQ(fresh.keyList[slot(1, 0)].Delay, 30);
    EXPECT_EQ(fresh.keyList[slot(1, 0)].SizeOfView, 0);
    EXPECT_EQ(fresh.progressWindow, nullptr);
    EXPECT_EQ(profile.language, "zh-CN");
    EXPECT_EQ(profile.keyNames.size(), 240u);
}

TEST_F(KeyboardProfileTest, RestoreDefaultsAssignsTheFactoryTable) {
    profile.keyColor[5] = {10, 20, 30};
    profile.keyColor[0] = {1, 2, 3};
    profile.keyList[slot(7, 1)].SizeOfView = 9;
    profile.keyList[slot(7, 1)].append(u"A");
    profile.keyList[slot(7, 1)].Cycles = 5;
    profile.predefinedMacros.append(u"old");
    profile.currentLayer = 1;
    profile.language = "en-US";

    profile.restoreDefaults();

    const struct {
        int keyId, layer;
        KeyMode mode;
        std::int32_t code;
    } cases[] = {
        {64, 0, KeyMode::Function, 156}, {64, 1, KeyMode::Function, 156},   {69, 0, KeyMode::Single, 160},
        {69, 1, KeyMode::NotSet, 0},     {30, 1, KeyMode::Multimedia, 112}, {1, 0, KeyMode::Single, 1},
        {1, 1, KeyMode::Function, 135},  {22, 1, KeyMode::Function, 147},   {0, 0, KeyMode::NotSet, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mode(c.keyId, c.layer), toInt(c.mode)) << c.keyId << "/" << c.layer;
        EXPECT_EQ(code(c.keyId, c.layer), c.code) << c.keyId << "/" << c.layer;
    }
    for (const ScrollList& list : profile.keyList) {
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(list.Cycles, 1);
    }
    EXPECT_EQ(profile.keyList[slot(7, 1)].SizeOfView, 9);
    EXPECT_EQ(profile.predefinedMacros.SizeOfView, 7);
    EXPECT_EQ(profile.predefinedCombos.SizeOfView, 5);
    EXPECT_EQ(profile.predefinedEmus.SizeOfView, 7);
    EXPECT_TRUE(profile.predefinedMacros.empty());
    EXPECT_EQ(profile.predefinedMacros.CursorPos, 0);

    EXPECT_EQ(profile.keyColor[5], (std::array<std::int32_t, 3>{10, 20, 30}));
    EXPECT_EQ(profile.keyColor[0], (std::array<std::int32_t, 3>{1, 2, 3}));
    EXPECT_EQ(profile.currentLayer, 1);
    EXPECT_EQ(profile.language, "en-US");
}

TEST(DefaultKeyCodesTest, TypeTwoLacksThreeLightingFunctions) {
    for (int keyId = 0; keyId < kKeyRows; ++keyId) {
        const bool differs = keyId == 22 || keyId == 35 || keyId == 43;
        EXPECT_EQ(DefaultKeyCodesType2[keyId][0], DefaultKeyCodes[keyId][0]);
        EXPECT_EQ(DefaultKeyCodesType2[keyId][1], differs ? 0 : DefaultKeyCodes[keyId][1]) << keyId;
    }
    EXPECT_EQ(DefaultKeyCodes[35][1], 165);
    EXPECT_EQ(&defaultKeyCodesFor(2), &DefaultKeyCodesType2);
    EXPECT_EQ(&defaultKeyCodesFor(3), &DefaultKeyCodes);
}

TEST(ModeForCodeTest, ClassifiesByRangeWith160AsAKey) {
    const struct {
        std::int64_t code;
        KeyMode mode;
    } cases[] = {
        {0, KeyMode::NotSet},       {1, KeyMode::Single},     {74, KeyMode::Single},
        {75, KeyMode::Power},       {76, KeyMode::Power},     {77, KeyMode::Power},
        {78, KeyMode::Single},      {107, KeyMode::Single},   {108, KeyMode::Multimedia},
        {125, KeyMode::Multimedia}, {126, KeyMode::Mouse},    {134, KeyMode::Mouse},
        {135, KeyMode::Function},   {156, KeyMode::Function}, {160, KeyMode::Single},
        {165, KeyMode::Function},   {166, KeyMode::Function}, {199, KeyMode::Function},
        {200, KeyMode::Single},     {-3, KeyMode::Single},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyboardProfile::modeForCode(c.code), c.mode) << c.code;
    }
}

TEST_F(KeyboardProfileTest, CaptionsAndEventTextsReadTheTables) {
    EXPECT_EQ(profile.codeCaption(156), u"FN");
    EXPECT_EQ(profile.codeCaption(0), u"-- --");
    EXPECT_EQ(profile.codeCaption(-1), u"-- --");
    EXPECT_EQ(profile.codeCaption(1023), u"-- --");
    EXPECT_EQ(profile.codeCaption(1024), u"-- --");
    EXPECT_EQ(profile.keyEventText(65 + kReleaseFlag, true), u"A  \u2191\u2191");
    EXPECT_EQ(profile.modeCaption(2), u"组合键");
    profile.language = "en-US";
    EXPECT_EQ(profile.modeCaption(8), u"Power");
    EXPECT_EQ(profile.modeCaption(9), u"");
    EXPECT_EQ(profile.modeCaption(-1), u"");
}

}  // namespace
}  // namespace talvane68
