#include <gtest/gtest.h>

#include <QCoreApplication>
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
    const auto count = [&](int id) { return std::count(fired.begin(), fired.end(), id); };
    // Runs the event loop until timer 100 has fired twice. Under its first
    // interval of 1000 ms that would take two seconds; the restart made it 20.
    QElapsedTimer clock;
    clock.start();
    while (count(100) < 2 && clock.elapsed() < 1500) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_TRUE(timers.killTimer(200));
    EXPECT_TRUE(timers.killTimer(100));
    EXPECT_FALSE(timers.killTimer(100));
    EXPECT_FALSE(timers.killTimer(300));
    EXPECT_GE(count(100), 2);
    EXPECT_GE(count(200), 1);
    // Killed timers stay silent.
    const std::size_t before = fired.size();
    QEventLoop loop;
    QTimer::singleShot(60, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(fired.size(), before);
}
