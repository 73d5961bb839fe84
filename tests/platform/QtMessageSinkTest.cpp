#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <thread>
#include <vector>

#include "platform/ui/PostedMessageEvent.h"
#include "platform/ui/QtMessageSink.h"

using namespace talvane68;

namespace {

class Receiver : public QObject {
public:
    struct Received {
        MessageId message;
        WParam wParam;
        LParam lParam;
        QThread* thread;
    };
    std::vector<Received> received;
    QtMessageSink sink{this};

protected:
    bool event(QEvent* e) override {
        if (e->type() == PostedMessageEvent::eventType()) {
            auto* m = static_cast<PostedMessageEvent*>(e);
            received.push_back({m->message(), m->wParam(), m->lParam(), QThread::currentThread()});
            return true;
        }
        return QObject::event(e);
    }
};

}  // namespace

TEST(QtMessageSink, MessagesFromAWorkerArriveOnTheUiThreadInOrder) {
    Receiver receiver;
    const WindowHandle handle = receiver.sink.handle();
    ASSERT_TRUE(isWindow(handle));
    std::thread worker([handle] {
        for (WParam i = 0; i < 138; ++i) {
            postMessage(handle, 0x467, i, 0);
        }
        postMessage(handle, 0x468, 0, -1);
    });
    worker.join();
    EXPECT_TRUE(receiver.received.empty());  // nothing is delivered on the posting thread
    QApplication::processEvents();
    ASSERT_EQ(receiver.received.size(), 139u);
    for (WParam i = 0; i < 138; ++i) {
        EXPECT_EQ(receiver.received[i].message, 0x467u);
        EXPECT_EQ(receiver.received[i].wParam, i);
    }
    EXPECT_EQ(receiver.received.back().message, 0x468u);
    EXPECT_EQ(receiver.received.back().lParam, -1);
    for (const auto& r : receiver.received) {
        EXPECT_EQ(r.thread, QApplication::instance()->thread());
    }
}

TEST(QtMessageSink, PostingToAClosedWindowDoesNothing) {
    WindowHandle handle = nullptr;
    {
        Receiver receiver;
        handle = receiver.sink.handle();
        EXPECT_TRUE(postMessage(handle, 0x467, 1, 0));
        // Destroyed with a message still queued: it must never be delivered.
    }
    EXPECT_FALSE(isWindow(handle));
    EXPECT_FALSE(postMessage(handle, 0x467, 2, 0));
    QApplication::processEvents();  // would crash on a dangling receiver
    EXPECT_FALSE(postMessage(nullptr, 0x468, 0, 0));
}
