#include <gtest/gtest.h>

#include <string>

#include "hwi/AnsiText.h"
#include "tests/hwi/KeyboardFixture.h"

using namespace talvane68;
using namespace talvane68::test;

namespace {

using Lifecycle = KeyboardFixture;

Payload versionReply(const std::string& text) {
    Payload p(64, 0);
    p[0] = 0x00;
    p[1] = 0xF9;
    std::copy(text.begin(), text.end(), p.begin() + 2);
    return p;
}

}  // namespace

TEST(LifecycleClosed, MembersNeedingADeviceFailWhenClosed) {
    setDeviceEnumerator(std::make_shared<ScriptedEnumerator>(std::vector<std::u16string>{}));
    CVrelHWI hwi;
    EXPECT_TRUE(hwi.__closeDev());
    EXPECT_FALSE(hwi.__createDev());
    EXPECT_FALSE(hwi.DetectDevice());
    EXPECT_EQ(hwi.DetectDeviceType(), 0);
    char16_t text[64];
    std::vector<int> block(65536);
    EXPECT_FALSE(hwi.ReadKeyboardVersion(text));
    EXPECT_EQ(hwi.getHardwareVersion(), nullptr);
    EXPECT_FALSE(hwi.prepare());
    EXPECT_FALSE(hwi.setKeyConfiguration(0, 1, block.data(), 2));
    EXPECT_FALSE(hwi.getKeyConfiguration(0, 1, block.data(), 65536));
    EXPECT_FALSE(hwi.writeKeyConfigurationToDev(nullptr));
    EXPECT_FALSE(hwi.readKeyDefinationFromDev(nullptr));
    EXPECT_FALSE(hwi.setKeyboardLightArea(block.data()));
    EXPECT_FALSE(hwi.getKeyboardLightArea(block.data()));
    EXPECT_FALSE(hwi.readKeyLightFromDev());
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(":00000001FF\r\n", 13, nullptr));
    setDeviceEnumerator(nullptr);
}

TEST_F(Lifecycle, OpenTwiceKeepsTheTransportAndReopenStartsEmpty) {
    EXPECT_TRUE(hwi.__createDev());
    EXPECT_EQ(m_enumerator->opened.size(), 1u);
    EXPECT_TRUE(hwi.DetectDevice());
    EXPECT_EQ(hwi.DetectDeviceType(), 1);

    const int block[] = {0, 1, 0x04};
    hwi.setKeyConfiguration(0, 1, const_cast<int*>(block), 3);
    std::vector<int> area(207, 7);
    hwi.setKeyboardLightArea(area.data());

    EXPECT_TRUE(hwi.__closeDev());
    EXPECT_FALSE(hwi.prepare());
    EXPECT_TRUE(hwi.__createDev());
    EXPECT_EQ(m_enumerator->opened.size(), 2u);
    std::vector<int> out(3, -7);
    hwi.getKeyConfiguration(0, 1, out.data(), 65536);
    EXPECT_EQ(out, (std::vector<int>{0, 0, -7}));
    hwi.getKeyboardLightArea(area.data());
    EXPECT_EQ(area, std::vector<int>(207, 0));
}

TEST_F(Lifecycle, VersionTextIsTheReplyUpToItsPadding) {
    reply(versionReply("V1.02 2026"));
    char16_t text[64];
    std::fill(std::begin(text), std::end(text), u'#');
    EXPECT_TRUE(hwi.ReadKeyboardVersion(text));
    EXPECT_EQ(std::u16string(text), u"V1.02 2026");
    EXPECT_EQ(text[61], 0);
    EXPECT_EQ(text[62], u'#');  // 62 units at most
    EXPECT_EQ(log().sent, std::vector<Payload>{payload({0x00, 0xF9})});

    // A reply that fills every byte is cut at 62 units by getHardwareVersion.
    reply(versionReply(std::string(62, 'A')));
    const char16_t* own = hwi.getHardwareVersion();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(std::u16string(own), std::u16string(62, u'A'));

    // No reply in time, or a refused write: false.
    hwi.setReadTimeout(10);
    EXPECT_FALSE(hwi.ReadKeyboardVersion(text));
    EXPECT_EQ(log().readTimeouts.back(), 10);
    log().failWriteAt = 0;
    EXPECT_FALSE(hwi.ReadKeyboardVersion(text));
    EXPECT_NE(hwi.getHardwareVersion(), nullptr);
}

TEST(AnsiText, CodePagesConvertToUtf16) {
    const std::uint8_t gbk[] = {0xC4, 0xE3, 0xBA, 0xC3, 0x00, 0x00};
    char16_t out[8] = {};
    EXPECT_EQ(ansiToUtf16(gbk, sizeof gbk, out, 8, "GBK"), 4u);
    EXPECT_EQ(std::u16string(out, 3), (std::u16string{u'\u4F60', u'\u597D', 0}));

    // Byte for byte in ASCII; unknown sequences become U+FFFD.
    const std::uint8_t ascii[] = {'V', 0xE9, '1'};
    EXPECT_EQ(ansiToUtf16(ascii, 3, out, 8, "ANSI_X3.4-1968"), 3u);
    EXPECT_EQ(out[1], 0xE9);
    EXPECT_EQ(ansiToUtf16(ascii, 3, out, 8, "UTF-8"), 3u);
    EXPECT_EQ(out[1], 0xFFFD);
    EXPECT_EQ(out[2], u'1');

    // Never more units than asked for.
    EXPECT_EQ(ansiToUtf16(gbk, sizeof gbk, out, 1, "GBK"), 1u);
}
