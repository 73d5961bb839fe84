#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <vector>

#include "platform/ui/WindowTimers.h"

using namespace talvane68;

TEST(WindowTimers, FireByTheirOwnIdsUntilKilled) {
    std::vector<int> fired;
    WindowTimers timers([&](int id) { fired.push_back(id); });
    timers.setTimer(200, 5);
    timers.setTimer(100, 1000);
    timers.setTimer(100, 20);  // setting a running id restarts it
    EXPECT_TRUE(timers.isRunning(100));
    QEventLoop loop;
    QTimer::singleShot(70, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(timers.killTimer(200));
    EXPECT_TRUE(timers.killTimer(100));
    EXPECT_FALSE(timers.killTimer(100));
    EXPECT_FALSE(timers.killTimer(300));
    const auto count = [&](int id) { return std::count(fired.begin(), fired.end(), id); };
    EXPECT_GE(count(100), 1);
    EXPECT_GT(count(200), count(100));
    const std::size_t before = fired.size();
    QTimer::singleShot(40, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(fired.size(), before);
}
