#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/messaging/Messaging.h"

using namespace talvane68;

namespace {

struct RecordingSink : MessageSink {
    std::vector<std::tuple<MessageId, WParam, LParam>> received;
    void deliver(MessageId m, WParam w, LParam l) override { received.emplace_back(m, w, l); }
};

}  // namespace

TEST(Messaging, DeliversInOrderToTheRegisteredSink) {
    RecordingSink sink;
    WindowHandle h = registerWindow(&sink);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(isWindow(h));
    EXPECT_TRUE(postMessage(h, 0x467, 0, 0));
    EXPECT_TRUE(postMessage(h, 0x467, 137, 0));
    EXPECT_TRUE(postMessage(h, 0x468, 1, -5));
    unregisterWindow(h);
    ASSERT_EQ(sink.received.size(), 3u);
    EXPECT_EQ(sink.received[1], std::make_tuple(MessageId{0x467}, WParam{137}, LParam{0}));
    EXPECT_EQ(sink.received[2], std::make_tuple(MessageId{0x468}, WParam{1}, LParam{-5}));
}

TEST(Messaging, NullAndClosedHandlesAreNoOps) {
    EXPECT_FALSE(postMessage(nullptr, 0x467, 0, 0));
    RecordingSink sink;
    WindowHandle h = registerWindow(&sink);
    unregisterWindow(h);
    EXPECT_FALSE(isWindow(h));
    EXPECT_FALSE(postMessage(h, 0x467, 0, 0));
    EXPECT_TRUE(sink.received.empty());
    // A new window never gets the handle of a closed one.
    RecordingSink other;
    WindowHandle h2 = registerWindow(&other);
    EXPECT_NE(h2, h);
    unregisterWindow(h2);
    unregisterWindow(nullptr);
}

TEST(Messaging, PostingFromAnotherThreadWhileUnregistering) {
    RecordingSink sink;
    WindowHandle h = registerWindow(&sink);
    std::thread poster([h] {
        for (int i = 0; i < 10000; ++i) {
            postMessage(h, 0x467, static_cast<WParam>(i), 0);
        }
    });
    std::this_thread::yield();
    unregisterWindow(h);
    const std::size_t seen = sink.received.size();
    poster.join();
    // Nothing reaches the sink once unregisterWindow has returned.
    EXPECT_EQ(sink.received.size(), seen);
    for (std::size_t i = 0; i < seen; ++i) {
        EXPECT_EQ(std::get<1>(sink.received[i]), i);
    }
}
