#include <gtest/gtest.h>

#include <vector>

#include "deviceops/KeyConfigConversion.h"

namespace talvane68 {
namespace {

const std::u16string kDown = kPressArrows;
const std::u16string kUp = kReleaseArrows;

ScrollList listOf(std::initializer_list<std::u16string> items) {
    ScrollList list(7);
    for (const auto& item : items) {
        list.append(item);
    }
    return list;
}

class KeyConfigConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        profile.buildKeyTables();
        profile.restoreDefaults();
    }

    void assign(int keyId, int layer, KeyMode mode, std::int32_t code,
                const ScrollList& list = ScrollList()) {
        profile.keyMode[slot(keyId, layer)] = toInt(mode);
        profile.keyCode[slot(keyId, layer)] = code;
        profile.keyList[slot(keyId, layer)] = list;
    }
    std::vector<int> blockOf(int keyId, int layer) const { return keyConfigBlockOf(profile, layer, keyId); }
    void apply(int keyId, int layer, const std::vector<int>& block) {
        applyKeyConfigBlock(profile, layer, keyId, block);
    }
    std::int32_t mode(int keyId, int layer) const { return profile.keyMode[slot(keyId, layer)]; }
    const ScrollList& list(int keyId, int layer) const { return profile.keyList[slot(keyId, layer)]; }

    KeyboardProfile profile;
};

TEST_F(KeyConfigConversionTest, CodeForText) {
    const struct {
        std::u16string text;
        std::int32_t code;
    } cases[] = {
        {u"A", 43},
        {u"A" + kDown, 43},
        {u"A" + kUp, 43},
        {u"Left Double Click", 199},
        {u"<>|", 160},
        {u"Sleep", 0},  // the first "Sleep" is virtual key 95, which has no code
        {u"Mute", 112},
        {u"-- --", 0},
        {u"a", 0},
        {u"A " + kDown, 0},
        {u"[100 ms]", 100},
        {u"[0 ms]", 0},
        {u"[65535 ms]", 65535},
        {u"[65536 ms]", 65535},
        {u"[99999999999999999999 ms]", 65535},
        {u"[-5 ms]", 0},
        {u"[ ms]", 0},
        {u"[abc ms]", 0},
        {u"ms]", 0},
        {u"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codeForText(profile, c.text), c.code);
    }
}

TEST_F(KeyConfigConversionTest, BlocksOfEveryMode) {
    ScrollList macro = listOf({u"A" + kDown, u"[100 ms]", u"A" + kUp});
    macro.Cycles = 3;
    ScrollList fixedMacro = listOf({u"A" + kDown, u"B" + kDown, u"B" + kUp, u"A" + kUp});
    fixedMacro.IsAutoInterval = true;
    fixedMacro.Delay = 50;
    fixedMacro.PlayMode = 1;
    fixedMacro.Cycles = 4;
    ScrollList emulation = listOf({u"H", u"I"});
    emulation.Delay = 20;

    assign(1, 0, KeyMode::Single, 43);
    assign(2, 0, KeyMode::Combo, 0, listOf({u"Left CONTROL", u"C", u"nothing"}));
    assign(3, 0, KeyMode::Macro, 0, macro);
    assign(4, 0, KeyMode::Macro, 0, fixedMacro);
    assign(5, 0, KeyMode::Emulation, 0, emulation);
    assign(6, 1, KeyMode::Mouse, 199);
    assign(7, 1, KeyMode::Function, 199);
    assign(8, 1, KeyMode::Power, 76);
    assign(9, 1, static_cast<KeyMode>(12), 44);
    assign(10, 1, KeyMode::NotSet, 44);
    assign(11, 1, static_cast<KeyMode>(-1), 44);

    EXPECT_EQ(blockOf(1, 0), (std::vector<int>{0, 1, 43}));
    EXPECT_EQ(blockOf(2, 0), (std::vector<int>{0, 3, 67, 58, 0}));
    EXPECT_EQ(blockOf(3, 0), (std::vector<int>{2, 0, 3, 1, 0, 2, 43, 100, 43}));
    EXPECT_EQ(blockOf(4, 0), (std::vector<int>{2, 1, 0, 0, 50, 4, 43, 60, 60, 43}));
    EXPECT_EQ(blockOf(5, 0), (std::vector<int>{1, 20, 2, 48, 36}));
    EXPECT_EQ(blockOf(6, 1), (std::vector<int>{0, 2, 0x82, 0x82}));
    EXPECT_EQ(blockOf(7, 1), (std::vector<int>{0, 2, 0x82, 0x82}));
    EXPECT_EQ(blockOf(8, 1), (std::vector<int>{0, 1, 76}));
    EXPECT_EQ(blockOf(9, 1), (std::vector<int>{0, 1, 44}));
    EXPECT_TRUE(blockOf(10, 1).empty());
    EXPECT_TRUE(blockOf(11, 1).empty());
}

TEST_F(KeyConfigConversionTest, SingleCodesReadBackByRange) {
    const struct {
        int code;
        KeyMode mode;
    } cases[] = {
        {43, KeyMode::Single},  {76, KeyMode::Power},     {112, KeyMode::Multimedia},
        {130, KeyMode::Mouse},  {140, KeyMode::Function}, {160, KeyMode::Single},
        {166, KeyMode::Single}, {199, KeyMode::Single},   {255, KeyMode::Single},
    };
    for (const auto& c : cases) {
        apply(20, 1, {0, 1, c.code});
        EXPECT_EQ(mode(20, 1), toInt(c.mode)) << c.code;
        EXPECT_EQ(profile.keyCode[slot(20, 1)], c.code);
    }
    apply(20, 1, {0, 2, 0x82, 0x82});
    EXPECT_EQ(mode(20, 1), toInt(KeyMode::Mouse));
    EXPECT_EQ(profile.keyCode[slot(20, 1)], 199);
}

TEST_F(KeyConfigConversionTest, ListsReadBackWithTheirViewSizes) {
    apply(1, 0, {0, 3, 67, 55, 43});
    EXPECT_EQ(mode(1, 0), toInt(KeyMode::Combo));
    EXPECT_EQ(list(1, 0).items(), (std::vector<std::u16string>{u"Left CONTROL", u"Left SHIFT", u"A"}));
    EXPECT_EQ(list(1, 0).SizeOfView, 6);
    EXPECT_EQ(list(1, 0).children().size(), 3u);

    apply(2, 0, {1, 25, 2, 36, 0});
    EXPECT_EQ(mode(2, 0), toInt(KeyMode::Emulation));
    EXPECT_EQ(list(2, 0).items(), (std::vector<std::u16string>{u"I", u"-- --"}));
    EXPECT_EQ(list(2, 0).Delay, 25);
    EXPECT_EQ(list(2, 0).SizeOfView, 9);

    apply(3, 0, {2, 0, 3, 1, 0, 3, 43, 100, 44, 0, 43});
    EXPECT_EQ(mode(3, 0), toInt(KeyMode::Macro));
    EXPECT_EQ(list(3, 0).items(), (std::vector<std::u16string>{u"A", u"[100 ms]", u"S", u"[0 ms]", u"A"}));
    EXPECT_EQ(list(3, 0).Cycles, 3);
    EXPECT_FALSE(list(3, 0).IsAutoInterval);
    EXPECT_EQ(list(3, 0).SizeOfView, 9);

    apply(4, 0, {2, 2, 0, 0, 40, 2, 43, 44});
    EXPECT_EQ(list(4, 0).items(), (std::vector<std::u16string>{u"A", u"S"}));
    EXPECT_TRUE(list(4, 0).IsAutoInterval);
    EXPECT_EQ(list(4, 0).Delay, 40);
    EXPECT_EQ(list(4, 0).PlayMode, 2);
}

TEST_F(KeyConfigConversionTest, EmptyAndUnknownBlocksClearTheModeButKeepTheList) {
    profile.keyList[slot(5, 0)] = listOf({u"kept"});
    for (const std::vector<int>& block :
         {std::vector<int>{0, 0}, {1, 30, 0}, {2, 0, 1, 1, 0, 0}, {7, 1, 2}, {}, {0, -4, 1}}) {
        profile.keyMode[slot(5, 0)] = toInt(KeyMode::Single);
        apply(5, 0, block);
        EXPECT_EQ(mode(5, 0), toInt(KeyMode::NotSet));
    }
    EXPECT_EQ(list(5, 0).items(), std::vector<std::u16string>{u"kept"});
}

TEST_F(KeyConfigConversionTest, CountsPastTheBlockAreCut) {
    apply(1, 0, {0, 1000, 43, 44});
    EXPECT_EQ(list(1, 0).count(), 2);
    apply(2, 0, {1, 30, 500, 43});
    EXPECT_EQ(list(2, 0).count(), 1);
    apply(3, 0, {2, 0, 1, 1, 0, 60000, 43, 10, 44});
    EXPECT_EQ(list(3, 0).items(), (std::vector<std::u16string>{u"A", u"[10 ms]", u"S"}));
    apply(4, 0, {2, 0, 1, 0, 0, 60000, 43});
    EXPECT_EQ(list(4, 0).items(), std::vector<std::u16string>{u"A"});
}

TEST_F(KeyConfigConversionTest, LightAreaCoversKeysOneToSixtyNine) {
    for (int keyId = 0; keyId < kKeyRows; ++keyId) {
        profile.keyColor[keyId] = {keyId, 100 + keyId, 255 - keyId};
    }
    const LightArea area = lightAreaOf(profile);
    EXPECT_EQ(area[0], 1);
    EXPECT_EQ(area[1], 101);
    EXPECT_EQ(area[2], 254);
    EXPECT_EQ(area[206], 255 - 69);

    LightArea other{};
    for (int i = 0; i < kLightAreaSize; ++i) {
        other[i] = i;
    }
    applyLightArea(profile, other);
    EXPECT_EQ(profile.keyColor[1], (std::array<std::int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(profile.keyColor[69], (std::array<std::int32_t, 3>{204, 205, 206}));
    EXPECT_EQ(profile.keyColor[0], (std::array<std::int32_t, 3>{0, 100, 255}));
}

}  // namespace
}  // namespace talvane68
