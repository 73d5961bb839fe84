// The file as written, line for line, and the reader's rules.
#include "ProfileFileFixture.h"

using namespace talvane68;
using talvane68::testing::expectSameList;
using talvane68::testing::ProfileFileTest;

namespace {

const std::string kDefaultList =
    "ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"";

}  // namespace

TEST_F(ProfileFileTest, WritesTheExactLayout) {
    auto profile = defaults();
    profile->predefinedCombos.append(u"<>|");
    ScrollList steps(5);
    steps.append(u"A & 'B'");
    steps.Cycles = 3;
    steps.IsAutoInterval = true;
    profile->predefinedCombos.setChildAt(0, steps);
    profile->keyColor[1] = {1, 2, 3};
    ASSERT_TRUE(saveProfile(*profile, path()));
    const std::string text = readFile(path());

    const std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<Talvane68>\r\n"
        "<PredefinedCombo>\r\n"
        "<List SizeOfView=\"5\" " +
        kDefaultList +
        ">\r\n"
        "<x ID=\"0\" t1=\"&lt;&gt;|\">\r\n"
        "<List SizeOfView=\"5\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"3\" IsAutoInterval=\"1\" "
        "Delay=\"30\" PlayMode=\"0\">\r\n"
        "<x ID=\"0\" t1=\"A &amp; &apos;B&apos;\">\r\n"
        "<List SizeOfView=\"5\" " +
        kDefaultList +
        "/>\r\n"
        "</x>\r\n"
        "</List>\r\n"
        "</x>\r\n"
        "</List>\r\n"
        "</PredefinedCombo>\r\n"
        "<PredefinedMacro>\r\n"
        "<List SizeOfView=\"7\" " +
        kDefaultList +
        "/>\r\n"
        "</PredefinedMacro>\r\n"
        "<PredefinedEmu>\r\n"
        "<List SizeOfView=\"7\" " +
        kDefaultList +
        "/>\r\n"
        "</PredefinedEmu>\r\n"
        "<BackgroundLightSettings>\r\n"
        "<AREA ID=\"1\" Red=\"1\" Green=\"2\" Blue=\"3\"/>\r\n"
        "<AREA ID=\"2\" Red=\"0\" Green=\"0\" Blue=\"0\"/>\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("<AREA ID=\"69\" Red=\"0\" Green=\"0\" Blue=\"0\"/>\r\n</BackgroundLightSettings>\r\n"
                        "<CurrentSettings>\r\n"
                        "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"1\">\r\n"
                        "<ComboKey>\r\n"
                        "<List SizeOfView=\"0\" " +
                        kDefaultList +
                        "/>\r\n"
                        "</ComboKey>\r\n"
                        "</KEY>\r\n"
                        "<KEY ID=\"1\" Level=\"1\" Mode=\"7\" HWCode=\"135\">\r\n"),
              std::string::npos);
    const std::string tail = "</KEY>\r\n</CurrentSettings>\r\n</Talvane68>\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(text.find("ID=\"0\" Level"), std::string::npos);  // key id 0 is never written
    EXPECT_EQ(text.find("\n<KEY ID=\"70\""), std::string::npos);

    auto loaded = std::make_unique<KeyboardProfile>();
    ASSERT_TRUE(loadProfile(*loaded, path()));
    expectSameList(loaded->predefinedCombos, profile->predefinedCombos);
    EXPECT_EQ(loaded->predefinedCombos.items()[0], u"<>|");
}

TEST_F(ProfileFileTest, DefaultsRoundTrip) {
    auto profile = defaults();
    for (int key = 1; key <= kLastKeyId; ++key) {
        profile->keyColor[key] = {key, 255 - key, key * 3};
    }
    // A macro as the key window leaves it, with a child list per step.
    ScrollList macro(7);
    for (int i = 0; i < 10; ++i) {
        macro.append(i % 2 ? u"[30 ms]" : u"A  \u2193\u2193");
    }
    macro.PlayMode = 2;
    profile->keyMode[slot(5, 1)] = 3;
    profile->keyCode[slot(5, 1)] = 0;
    profile->keyList[slot(5, 1)] = macro;
    profile->predefinedMacros.append(u"\u5B8F 1");
    profile->predefinedMacros.setChildAt(0, macro);
    ASSERT_TRUE(saveProfile(*profile, path()));

    auto other = std::make_unique<KeyboardProfile>();
    other->keyMode.fill(4);
    ASSERT_TRUE(loadProfile(*other, path()));
    expectSameList(other->predefinedMacros, profile->predefinedMacros, "macros");
    expectSameList(other->predefinedCombos, profile->predefinedCombos, "combos");
    expectSameList(other->predefinedEmus, profile->predefinedEmus, "emus");
    for (int key = 1; key <= kLastKeyId; ++key) {
        EXPECT_EQ(other->keyColor[key], profile->keyColor[key]) << key;
        for (int layer = 0; layer < 2; ++layer) {
            EXPECT_EQ(other->keyMode[slot(key, layer)], profile->keyMode[slot(key, layer)]) << key;
            EXPECT_EQ(other->keyCode[slot(key, layer)], profile->keyCode[slot(key, layer)]) << key;
            expectSameList(other->keyList[slot(key, layer)], profile->keyList[slot(key, layer)],
                           "key " + std::to_string(key));
        }
    }
}

TEST_F(ProfileFileTest, ReaderRules) {
    // Attributes in any order, extra attributes, missing ones, sloppy numbers.
    const std::string file =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Talvane68>\n"
        "  <PredefinedCombo><List SizeOfView=\"5\"/></PredefinedCombo>\n"
        "  <PredefinedMacro>\n"
        "    <List SizeOfView='7' IsAutoInterval='-4' Cycles=' +2x'>\n"
        "      <x ID='2' t1='c'><List/></x>\n"
        "      <x t1='a' ID='0'/>\n"
        "    </List>\n"
        "  </PredefinedMacro>\n"
        "  <BackgroundLightSettings>\n"
        "    <AREA Blue='3' extra='1' Green='2' Red='1' ID='4'/>\n"
        "  </BackgroundLightSettings>\n"
        "  <CurrentSettings>\n"
        "    <KEY HWCode=' 12abc' Mode='5' Level='1' ID='7'><ComboKey><List Delay='99'/></ComboKey></KEY>\n"
        "  </CurrentSettings>\n"
        "</Talvane68>\n";
    auto profile = defaults();
    ASSERT_TRUE(loadProfile(*profile, writeFile(file)));

    const ScrollList& combos = profile->predefinedCombos;
    EXPECT_EQ(combos.SizeOfView, 5);
    EXPECT_EQ(combos.Cycles, 0);  // absent: 0, not the default 1
    EXPECT_EQ(combos.Delay, 0);
    EXPECT_FALSE(combos.IsAutoInterval);
    EXPECT_EQ(combos.PlayMode, 0);

    const ScrollList& macros = profile->predefinedMacros;
    EXPECT_TRUE(macros.IsAutoInterval);
    EXPECT_EQ(macros.Cycles, 2);
    ASSERT_EQ(macros.count(), 3);
    EXPECT_EQ(macros.items()[0], u"a");
    EXPECT_EQ(macros.items()[1], u"");
    EXPECT_EQ(macros.items()[2], u"c");
    EXPECT_TRUE(macros.children()[1].empty());

    EXPECT_EQ(profile->keyColor[4], (std::array<std::int32_t, 3>{1, 2, 3}));
    EXPECT_EQ(profile->keyMode[slot(7, 1)], 5);
    EXPECT_EQ(profile->keyCode[slot(7, 1)], 12);
    EXPECT_EQ(profile->keyList[slot(7, 1)].Delay, 99);
    // Keys and colours the file does not list keep their values.
    EXPECT_EQ(profile->keyCode[slot(64, 0)], 156);
}

TEST(ProfileInteger, ConvertsLikeAtoi) {
    const std::pair<const char16_t*, std::int32_t> cases[] = {
        {u"42", 42}, {u"  -7", -7}, {u"+3", 3},  {u"\t\r\n 5z", 5},           {u"", 0},
        {u"abc", 0}, {u"- 1", 0},   {u"1 2", 1}, {u"99999999999", INT32_MAX}, {u"-99999999999", INT32_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(profileInteger(text), value);
    }
}
