#include <gtest/gtest.h>

#include "tests/hwi/KeyboardFixture.h"

using namespace talvane68;
using namespace talvane68::test;

namespace {

using LightTable = KeyboardFixture;

Payload chunk(int n, std::uint8_t fill) {
    Payload p = payload({0x00, 0xE0, static_cast<std::uint8_t>(n)});
    for (int i = 0; i < n && 3 + i < 64; ++i) {
        p[3 + i] = fill;
    }
    return p;
}

}  // namespace

TEST_F(LightTable, WriteSendsLowBytesInFourChunks) {
    std::vector<int> area(207);
    for (int i = 0; i < 207; ++i) {
        area[i] = i;
    }
    area[0] = 256;
    area[1] = 511;
    area[206] = -1;
    EXPECT_TRUE(hwi.setKeyboardLightArea(area.data()));
    const auto& sent = log().sent;
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[0], payload({0x00, 0xE1}));
    const int sizes[] = {61, 61, 61, 24};
    int offset = 0;
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        Payload expected = payload({0x00, 0xE0, static_cast<std::uint8_t>(sizes[c])});
        for (int i = 0; i < sizes[c]; ++i) {
            expected[3 + i] = static_cast<std::uint8_t>(area[offset + i]);
        }
        EXPECT_EQ(sent[1 + c], expected);
        offset += sizes[c];
    }
    EXPECT_EQ(sent[1][3], 0x00);
    EXPECT_EQ(sent[1][4], 0xFF);
    EXPECT_EQ(sent[4][26], 0xFF);
    EXPECT_EQ(sent[5], Payload(64, 0xE6));

    std::vector<int> out(207, -7);
    EXPECT_TRUE(hwi.getKeyboardLightArea(out.data()));
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 255);
    EXPECT_EQ(out[206], 255);
}

TEST_F(LightTable, FailedWriteReportsFalseAndSendsNoEnd) {
    std::vector<int> area(207, 9);
    log().failWriteAt = 2;
    EXPECT_FALSE(hwi.setKeyboardLightArea(area.data()));
    EXPECT_EQ(log().sent.size(), 2u);
    // The model took the table all the same.
    std::vector<int> out(207);
    hwi.getKeyboardLightArea(out.data());
    EXPECT_EQ(out, area);
}

TEST_F(LightTable, FailedEndReportReportsFalse) {
    std::vector<int> area(207, 9);
    log().failWriteAt = 5;  // the end report
    EXPECT_FALSE(hwi.setKeyboardLightArea(area.data()));
    EXPECT_EQ(log().sent.size(), 5u);
}

TEST_F(LightTable, ReadAddsUpChunksAndClipsOversizedOnes) {
    std::vector<int> out(207, -7);
    hwi.getKeyboardLightArea(out.data());
    EXPECT_EQ(out, std::vector<int>(207, 0));

    reply(chunk(61, 1));
    reply(payload({0x00, 0x55, 0x10, 0x99}));  // not a chunk
    reply(chunk(100, 2));                      // claims more than a report holds: 61
    reply(chunk(7, 3));
    reply(chunk(255, 4));  // claims 255: 61
    reply(chunk(5, 5));
    reply(chunk(61, 6));  // runs past the table: 12 fit
    reply(chunk(61, 7));  // nothing left
    reply(payload({0x00, 0xE6}));
    EXPECT_TRUE(hwi.readKeyLightFromDev());
    EXPECT_EQ(log().sent, std::vector<Payload>{payload({0x00, 0xE2})});
    hwi.getKeyboardLightArea(out.data());
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[60], 1);
    EXPECT_EQ(out[61], 2);
    EXPECT_EQ(out[121], 2);
    EXPECT_EQ(out[122], 3);
    EXPECT_EQ(out[129], 4);
    EXPECT_EQ(out[189], 4);
    EXPECT_EQ(out[190], 5);
    EXPECT_EQ(out[194], 5);
    EXPECT_EQ(out[195], 6);
    EXPECT_EQ(out[206], 6);
}

TEST_F(LightTable, FailedReadKeepsWhatArrived) {
    std::vector<int> area(207, 9);
    hwi.setKeyboardLightArea(area.data());
    reply(chunk(61, 1));
    EXPECT_FALSE(hwi.readKeyLightFromDev());
    std::vector<int> out(207);
    hwi.getKeyboardLightArea(out.data());
    EXPECT_EQ(out[60], 1);
    EXPECT_EQ(out[61], 9);
}

TEST_F(LightTable, CancelledWriteReportsFalse) {
    std::vector<int> area(207, 9);
    hwi.setCancelled(true);
    EXPECT_FALSE(hwi.setKeyboardLightArea(area.data()));
    EXPECT_FALSE(hwi.readKeyLightFromDev());
    EXPECT_TRUE(log().sent.empty());
}
