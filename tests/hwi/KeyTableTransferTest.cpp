#include <gtest/gtest.h>

#include <numeric>

#include "tests/hwi/KeyboardFixture.h"

using namespace talvane68;
using namespace talvane68::test;

namespace {

using KeyTableTransfer = KeyboardFixture;

Payload emptyKey(int layer, int key) {
    return payload({0x00, 0xF0, static_cast<std::uint8_t>(layer), static_cast<std::uint8_t>(key)});
}

Payload endReport() {
    Payload p(64, 0xF6);
    p[0] = 0x00;
    return p;
}

std::vector<WParam> allSlots() {
    std::vector<WParam> slots(138);
    std::iota(slots.begin(), slots.end(), 0);
    return slots;
}

// A macro header on layer 1, key 2, without delays, announcing length L.
Payload macroHeader(int length) {
    return payload({0x00, 0xF0, 0x01, 0x02, 0x02, 0x00, 0x00, 0x00, 0x00,
                    static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
}

}  // namespace

TEST_F(KeyTableTransfer, EmptyTableIsBeginEmptyRecordsEnd) {
    ASSERT_TRUE(hwi.prepare());
    EXPECT_TRUE(hwi.writeKeyConfigurationToDev(window.handle()));
    const auto& sent = log().sent;
    ASSERT_EQ(sent.size(), 140u);
    EXPECT_FALSE(log().badReportId);
    EXPECT_EQ(sent[0], payload({0x00, 0xF1}));
    EXPECT_EQ(sent[1], emptyKey(1, 1));
    EXPECT_EQ(sent[69], emptyKey(1, 69));
    EXPECT_EQ(sent[70], emptyKey(2, 1));
    EXPECT_EQ(sent[138], emptyKey(2, 69));
    EXPECT_EQ(sent[139], endReport());
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), allSlots());
    for (const auto& [m, w, l] : window.messages) {
        EXPECT_EQ(l, 0);
    }
}

TEST_F(KeyTableTransfer, LongMacroSendsAllItsBlocksBeforeItsProgress) {
    // 15 events with delays on the Fn layer, key 1: 57 stream bytes, two blocks.
    std::vector<int> block = {2, 0, 1, 1, 0, 15};
    for (int i = 0; i < 15; ++i) {
        block.push_back(0x04 + i);
        if (i < 14) {
            block.push_back(20);
        }
    }
    hwi.prepare();
    hwi.setKeyConfiguration(1, 1, block.data(), static_cast<int>(block.size()));
    EXPECT_TRUE(hwi.writeKeyConfigurationToDev(window.handle()));
    const auto& sent = log().sent;
    ASSERT_EQ(sent.size(), 141u);
    EXPECT_EQ(sent[69], emptyKey(1, 69));
    const Payload header = {0x00, 0xF0, 0x02, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x00, 57};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), sent[70].begin()));
    EXPECT_TRUE(std::equal(header.begin(), header.end(), sent[71].begin()));
    EXPECT_EQ(sent[72], emptyKey(2, 2));
    EXPECT_EQ(sent[140], endReport());
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), allSlots());
}

TEST_F(KeyTableTransfer, FailedWriteEndsTheTransferWithoutEndReport) {
    log().failWriteAt = 2;
    EXPECT_FALSE(hwi.writeKeyConfigurationToDev(window.handle()));
    EXPECT_EQ(log().sent.size(), 2u);
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), std::vector<WParam>{0});
}

TEST_F(KeyTableTransfer, ReadReplacesReportedSlotsAndIgnoresForeignReports) {
    const int kept[] = {0, 1, 0x29};
    hwi.setKeyConfiguration(0, 1, const_cast<int*>(kept), 3);
    reply(payload({0x00, 0xF0, 0x01, 0x05, 0x00, 0x02, 0x04, 0x05}));
    reply(payload({0x00, 0x12, 0x01, 0x06, 0x00, 0x01, 0x09}));
    reply(payload({0xF6}));
    EXPECT_TRUE(hwi.readKeyDefinationFromDev(window.handle()));
    EXPECT_EQ(log().sent, std::vector<Payload>{payload({0x00, 0xF2})});
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), std::vector<WParam>{4});

    std::vector<int> out(8, -7);
    hwi.getKeyConfiguration(0, 5, out.data(), 65536);
    EXPECT_EQ(out, (std::vector<int>{0, 2, 4, 5, -7, -7, -7, -7}));
    hwi.getKeyConfiguration(0, 6, out.data(), 65536);
    EXPECT_EQ(out[1], 0);
    hwi.getKeyConfiguration(0, 1, out.data(), 65536);
    EXPECT_EQ(out[2], 0x29);
}

TEST_F(KeyTableTransfer, LongMacroRecordSpansItsBlocks) {
    struct Case {
        int length;
        int reports;
    };
    for (const Case c : {Case{53, 1}, Case{106, 2}, Case{107, 3}}) {
        SCOPED_TRACE(c.length);
        log().replies.clear();
        window.messages.clear();
        for (int r = 0; r < c.reports; ++r) {
            Payload block = macroHeader(c.length);
            for (int i = 11; i < 64; ++i) {
                block[i] = static_cast<std::uint8_t>(r + 1);
            }
            // A continuation is taken as it comes, even if it looks like an end.
            if (r > 0) {
                block[0] = 0xF6;
            }
            reply(block);
        }
        reply(payload({0xF6}));
        EXPECT_TRUE(hwi.readKeyDefinationFromDev(window.handle()));
        EXPECT_TRUE(log().replies.empty());
        EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), std::vector<WParam>{1});
        std::vector<int> out(6 + c.length, -7);
        hwi.getKeyConfiguration(0, 2, out.data(), 65536);
        EXPECT_EQ(out[5], c.length);
        EXPECT_EQ(out[6 + c.length - 1], c.reports);
    }
}

TEST_F(KeyTableTransfer, RecordsForImpossibleSlotsOrKindsAreIgnored) {
    const Payload hostile[] = {
        payload({0x00, 0xF0, 0x00, 0x01, 0x00, 0x01, 0x04}),  // layer 0
        payload({0x00, 0xF0, 0x03, 0x01, 0x00, 0x01, 0x04}),  // layer 3
        payload({0x00, 0xF0, 0x01, 0x00, 0x00, 0x01, 0x04}),  // key 0
        payload({0x00, 0xF0, 0x02, 0x46, 0x00, 0x01, 0x04}),  // key 70
        payload({0x00, 0xF0, 0x01, 0x01, 0x05, 0x01, 0x04}),  // kind 5
        payload({0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
    };
    for (const Payload& p : hostile) {
        reply(p);
    }
    reply(payload({0xF6}));
    EXPECT_TRUE(hwi.readKeyDefinationFromDev(window.handle()));
    EXPECT_TRUE(window.messages.empty());
    std::vector<int> out(2, -7);
    hwi.getKeyConfiguration(0, 1, out.data(), 65536);
    EXPECT_EQ(out, (std::vector<int>{0, 0}));
}

TEST_F(KeyTableTransfer, ReadGivesUpAfterTheTimeout) {
    reply(payload({0x00, 0xF0, 0x01, 0x05, 0x00, 0x01, 0x04}));
    EXPECT_FALSE(hwi.readKeyDefinationFromDev(window.handle()));
    // The wait is taken in short slices (so a cancel gets through) that add
    // up to the whole timeout after the one record that arrived.
    ASSERT_GE(log().readTimeouts.size(), 2u);
    const int waited = std::accumulate(log().readTimeouts.begin() + 1, log().readTimeouts.end(), 0);
    EXPECT_EQ(waited, kDefaultReadTimeoutMs);
    // The record that arrived before the silence stays.
    EXPECT_EQ(window.params(WM_DEVICE_PROGRESS), std::vector<WParam>{4});

    // A macro whose continuation never comes.
    log().readTimeouts.clear();
    hwi.setReadTimeout(250);
    reply(macroHeader(60));
    EXPECT_FALSE(hwi.readKeyDefinationFromDev(nullptr));
    EXPECT_EQ(log().readTimeouts, (std::vector<int>{100, 100, 100, 50}));
}

TEST_F(KeyTableTransfer, CancelStopsBetweenTwoReports) {
    // The window cancels when slot 3 is reported done.
    struct CancellingWindow : MessageSink {
        CVrelHWI* hwi = nullptr;
        void deliver(MessageId, WParam slot, LParam) override {
            if (slot == 3) {
                hwi->setCancelled(true);
            }
        }
    } sink;
    sink.hwi = &hwi;
    WindowHandle handle = registerWindow(&sink);
    EXPECT_FALSE(hwi.writeKeyConfigurationToDev(handle));
    unregisterWindow(handle);
    EXPECT_EQ(log().sent.size(), 5u);  // begin and slots 0..3
    EXPECT_TRUE(hwi.isCancelled());

    // The flag stays until cleared: nothing goes out.
    EXPECT_FALSE(hwi.readKeyDefinationFromDev(nullptr));
    EXPECT_EQ(log().sent.size(), 5u);
    hwi.setCancelled(false);
    reply(payload({0xF6}));
    EXPECT_TRUE(hwi.readKeyDefinationFromDev(nullptr));
}
