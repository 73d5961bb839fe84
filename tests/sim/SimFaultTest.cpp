// The virtual keyboard's one-writer lock, unplugging and fault switches.

#include <sys/wait.h>
#include <unistd.h>

#include "SimTestSupport.h"

namespace talvane68::sim::test {
namespace {

using Faults = SimFolderTest;

TEST_F(Faults, SecondOpenerInTheSameProcessOpensButCannotWrite) {
    auto first = openConfig();
    auto second = openConfig();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(send(*second, command(0xF9)));
    EXPECT_TRUE(send(*first, command(0xF9)));

    first.reset();  // closing releases the lock
    auto third = openConfig();
    EXPECT_TRUE(send(*third, command(0xF9)));
}

TEST_F(Faults, KeyboardHeldByAnotherProcessRefusesWrites) {
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto held = openConfig();
        const char ready = send(*held, command(0xF9)) ? 'y' : 'n';
        (void)!::write(toParent[1], &ready, 1);
        char done;
        (void)!::read(toChild[0], &done, 1);
        ::_exit(0);
    }
    char ready = 0;
    ASSERT_EQ(::read(toParent[0], &ready, 1), 1);
    EXPECT_EQ(ready, 'y');
    {
        auto mine = openConfig();
        EXPECT_FALSE(send(*mine, command(0xF9)));
    }
    const char done = 'x';
    ASSERT_EQ(::write(toChild[1], &done, 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    auto mine = openConfig();
    EXPECT_TRUE(send(*mine, command(0xF9))) << "the lock goes with the process";
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) {
        ::close(fd);
    }
}

TEST_F(Faults, UnpluggedKeyboardEnumeratesNothingAndItsChannelStaysDead) {
    auto channel = openConfig();
    ASSERT_TRUE(send(*channel, command(0xF9)));
    keyboard().unplug();
    EXPECT_FALSE(keyboard().isPlugged());
    EXPECT_TRUE(keyboard().enumerator()->interfacePaths().empty());
    std::uint8_t report[65];
    EXPECT_EQ(channel->read(report, sizeof report, 0), -1) << "the queued answer is lost with the device";
    EXPECT_FALSE(send(*channel, command(0xF9)));

    keyboard().plugIn();
    EXPECT_FALSE(send(*channel, command(0xF9))) << "an old handle does not come back";
    auto fresh = openConfig();
    EXPECT_TRUE(send(*fresh, command(0xF9)));
}

TEST_F(Faults, NthWriteFailsOnce) {
    auto channel = openConfig();
    keyboard().failWrite(3);
    EXPECT_TRUE(send(*channel, command(0x00)));
    EXPECT_TRUE(send(*channel, command(0x00)));
    EXPECT_FALSE(send(*channel, command(0x00)));
    EXPECT_TRUE(send(*channel, command(0x00)));
    EXPECT_EQ(keyboard().reportLog().size(), 3u) << "the failed report never reached the keyboard";
}

TEST_F(Faults, SilentKeyboardStopsAnsweringHalfWay) {
    auto channel = openConfig();
    keyboard().stopAnswering(10);
    ASSERT_TRUE(send(*channel, command(0xF2)));
    EXPECT_EQ(receiveAll(*channel).size(), 10u);
    std::uint8_t report[65];
    EXPECT_EQ(channel->read(report, sizeof report, 20), 0) << "no end marker: the read times out";

    keyboard().resumeAnswering();
    ASSERT_TRUE(send(*channel, command(0xF9)));
    EXPECT_TRUE(receive(*channel));
}

TEST_F(Faults, UnplugAfterCountsReportsBothWays) {
    auto channel = openConfig();
    keyboard().unplugAfter(4);  // request + three answers
    ASSERT_TRUE(send(*channel, command(0xF2)));
    EXPECT_TRUE(receive(*channel));
    EXPECT_TRUE(receive(*channel));
    EXPECT_TRUE(keyboard().isPlugged());
    EXPECT_TRUE(receive(*channel));
    EXPECT_FALSE(keyboard().isPlugged());
    std::uint8_t report[65];
    EXPECT_EQ(channel->read(report, sizeof report, 0), -1);
}

TEST_F(Faults, FaultSwitchesCanBeDrivenThroughFiles) {
    auto channel = openConfig();
    SimDirectory files(dir());
    files.writeText("fail-write", "");  // empty: the next write
    EXPECT_FALSE(send(*channel, command(0xF9)));
    EXPECT_FALSE(files.exists("fail-write"));
    files.writeText("silent", "");  // empty: no answers at all
    ASSERT_TRUE(send(*channel, command(0xF9)));
    EXPECT_FALSE(receive(*channel));
    keyboard().clearFaults();
    ASSERT_TRUE(send(*channel, command(0xF9)));
    EXPECT_TRUE(receive(*channel));
}

}  // namespace
}  // namespace talvane68::sim::test
