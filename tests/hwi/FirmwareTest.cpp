#include <gtest/gtest.h>

#include <string>

#include "tests/hwi/KeyboardFixture.h"

using namespace talvane68;
using namespace talvane68::test;

namespace {

using Firmware = KeyboardFixture;

const std::string kData = ":10010000214601360121470136007EFE09D2190140";
const std::string kData2 = ":100110002146017E17C20001FF5F16002148011928";
const std::string kEof = ":00000001FF";

Payload dataPayload() {
    return payload({0x00, 0x3A, 0x10, 0x01, 0x00, 0x00, 0x21, 0x46, 0x01, 0x36, 0x01, 0x21,
                    0x47, 0x01, 0x36, 0x00, 0x7E, 0xFE, 0x09, 0xD2, 0x19, 0x01, 0x40});
}

}  // namespace

TEST_F(Firmware, ThreeLinesThreeReportsAndProgressTo150) {
    const std::string text = kData + "\r\n" + kData2 + "\r\n" + kEof + "\r\n";
    EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), window.handle()));
    ASSERT_EQ(log().sent.size(), 3u);
    EXPECT_EQ(log().sent[0], dataPayload());
    EXPECT_EQ(log().sent[2], payload({0x00, 0x3A, 0x00, 0x00, 0x00, 0x01, 0xFF}));
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), (std::vector<WParam>{50, 100, 150}));
}

TEST_F(Firmware, LineEndsAndLetterCaseDoNotChangeTheReports) {
    std::string lower = kData;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string texts[] = {
        kData + "\r" + kEof + "\r",      // CR only
        lower + "\r\n" + kEof + "\r\n",  // lower-case digits
        kData + "\n" + kEof + "\n",      // LF only
        kData + "\r\n" + kEof,           // last line without a line end
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        log().sent.clear();
        window.messages.clear();
        EXPECT_TRUE(
            hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), window.handle()));
        ASSERT_EQ(log().sent.size(), 2u);
        EXPECT_EQ(log().sent[0], dataPayload());
        EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), (std::vector<WParam>{75, 150}));
    }
}

TEST_F(Firmware, BlankLineEndsTheDownload) {
    // What follows the blank line is neither checked nor sent.
    const std::string text = kData + "\r\n\r\n" + "garbage\r\n";
    EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), window.handle()));
    EXPECT_EQ(log().sent.size(), 1u);
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), (std::vector<WParam>{50}));
}

TEST_F(Firmware, InvalidTextsSendNothing) {
    std::string badChecksum = kData2;
    badChecksum.back() = '9';
    const std::string tooLong = ":3B000000" + std::string(2 * 59, '0') + "C5";  // 63 bytes
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not a colon first", "\r\n" + kData + "\r\n"},
        {"bad checksum in the second line", kData + "\r\n" + badChecksum + "\r\n" + kEof + "\r\n"},
        {"odd digit count", kData + "\r\n" + ":00000001F\r\n"},
        {"not a hex digit", kData + "\r\n" + ":00000001FG\r\n"},
        {"line without colon", kData + "\r\n" + "00000001FF\r\n"},
        {"byte count disagrees", ":01000001FE\r\n"},
        {"more than one report", tooLong + "\r\n"},
        {"line over 999 characters", ":" + std::string(1000, '0') + "\r\n"},
        {"trailing space", kEof + " \r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(
            hwi.WriteFirmwareToKeyboard(c.text.c_str(), static_cast<int>(c.text.size()), window.handle()));
        EXPECT_TRUE(log().sent.empty());
        EXPECT_TRUE(window.messages.empty());
    }
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(nullptr, 10, nullptr));
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(kEof.c_str(), 0, nullptr));
}

TEST_F(Firmware, TextEndsAtItsZeroByteOrItsSize) {
    const std::string text = kData + "\r\n" + kEof + "\r\n";
    // The size cuts the second line away.
    EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(kData.size() + 2), nullptr));
    EXPECT_EQ(log().sent.size(), 1u);
    // A zero byte before the size ends the text too.
    log().sent.clear();
    std::string withZero = kData + "\r\n" + std::string(1, '\0') + "garbage";
    EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(withZero.data(), static_cast<int>(withZero.size()), nullptr));
    EXPECT_EQ(log().sent.size(), 1u);
}

TEST_F(Firmware, FailedWriteOrCancelStopsAtOnce) {
    const std::string text = kData + "\r\n" + kData2 + "\r\n" + kEof + "\r\n";
    log().failWriteAt = 1;
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), window.handle()));
    EXPECT_EQ(log().sent.size(), 1u);
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), (std::vector<WParam>{50}));

    log() = DeviceLog{};
    hwi.setCancelled(true);
    EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), nullptr));
    EXPECT_TRUE(log().sent.empty());
}
