#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "hwi/DeviceDiscovery.h"
#include "hwi/DeviceLock.h"
#include "hwi/HidapiChannel.h"
#include "hwi/HidapiEnumerator.h"
#include "tests/hwi/FakeDevice.h"

using namespace talvane68;
using namespace talvane68::test;

namespace {

const std::u16string kOtherInterface = u"\\\\?\\hid#vid_0483&pid_4025&mi_00#/dev/hidraw6";
const std::u16string kForeignProduct = u"\\\\?\\hid#vid_0483&pid_5750&mi_01#/dev/hidraw2";
const std::u16string kType3 = u"\\\\?\\hid#vid_0483&pid_4027&mi_01#/dev/hidraw9";

}  // namespace

TEST(Discovery, PathMatchingRules) {
    struct Case {
        std::u16string path;
        PathMatch expected;
    };
    const Case cases[] = {
        {kKeyboardPath, PathMatch::Type1},
        {u"\\\\?\\hid#vid_0483&pid_4026&mi_01#x", PathMatch::Type2},
        {kType3, PathMatch::Type3},
        {kForeignProduct, PathMatch::OtherProduct},
        {kOtherInterface, PathMatch::None},
        {u"\\\\?\\hid#vid_0484&pid_4025&mi_01#x", PathMatch::None},
        {u"\\\\?\\hid#VID_0483&PID_4025&MI_01#x", PathMatch::None},  // case-sensitive
        {u"mi_01#vid_0483&pid_4025", PathMatch::None},               // interface token at 0
        {u"\\\\?\\hid#pid_4025&mi_01#x", PathMatch::None},           // no vendor token
        {u"\\\\?\\hid#vid_0483&mi_01#x", PathMatch::OtherProduct},   // no product token
        {u"\\\\?\\hid#vid_0483&mi_01&pid_402", PathMatch::OtherProduct},
        {u"x&mi_01&vid_048", PathMatch::None},
        // Only the first occurrence of each token counts.
        {u"\\\\?\\hid#vid_1234&vid_0483&pid_4025&mi_01#x", PathMatch::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(matchPath(c.path), c.expected);
    }
}

TEST(Discovery, DetectionAndOpenOverTheEnumeration) {
    ScriptedEnumerator onlyOtherInterface({kOtherInterface});
    EXPECT_FALSE(DetectDevice(onlyOtherInterface));
    EXPECT_EQ(DetectDeviceType(onlyOtherInterface), 0);
    EXPECT_EQ(openKeyboard(onlyOtherInterface), nullptr);
    EXPECT_TRUE(onlyOtherInterface.opened.empty());

    ScriptedEnumerator two({kOtherInterface, kType3, kKeyboardPath});
    EXPECT_TRUE(DetectDevice(two));
    EXPECT_EQ(DetectDeviceType(two), 3);
    EXPECT_NE(openKeyboard(two), nullptr);
    EXPECT_EQ(two.opened, std::vector<std::u16string>{kType3});

    // A foreign product ID first: the type probe stops there, the rest go on.
    ScriptedEnumerator foreignFirst({kForeignProduct, kKeyboardPath});
    EXPECT_TRUE(DetectDevice(foreignFirst));
    EXPECT_EQ(DetectDeviceType(foreignFirst), 0);
    EXPECT_NE(openKeyboard(foreignFirst), nullptr);
    EXPECT_EQ(foreignFirst.opened, std::vector<std::u16string>{kKeyboardPath});

    ScriptedEnumerator none;
    EXPECT_FALSE(DetectDevice(none));
    EXPECT_EQ(DetectDeviceType(none), 0);
}

TEST(Discovery, HidapiInterfacePathForm) {
    const std::u16string path = HidapiEnumerator::interfacePath(0x0483, 0x4025, 1, "/dev/hidraw3");
    EXPECT_EQ(path, u"\\\\?\\hid#vid_0483&pid_4025&mi_01#/dev/hidraw3");
    EXPECT_EQ(matchPath(path), PathMatch::Type1);
    EXPECT_EQ(HidapiEnumerator::hidapiPathOf(path), "/dev/hidraw3");
    EXPECT_EQ(HidapiEnumerator::interfacePath(0xABCD, 0x00EF, 12, "p"),
              u"\\\\?\\hid#vid_abcd&pid_00ef&mi_12#p");
    EXPECT_EQ(HidapiEnumerator::hidapiPathOf(u"/dev/hidraw3"), "");
}

class DeviceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/talvane68-lock-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string m_dir;
};

TEST_F(DeviceLockTest, OnlyOneOpenerHoldsTheWriteLock) {
    auto first = std::make_unique<DeviceLock>("/dev/hidraw3", m_dir);
    DeviceLock second("/dev/hidraw3", m_dir);
    DeviceLock otherDevice("/dev/hidraw4", m_dir);
    EXPECT_TRUE(first->held());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(otherDevice.held());
    EXPECT_EQ(first->lockFile(), m_dir + "/talvane68-_dev_hidraw3.lock");
    first.reset();
    DeviceLock third("/dev/hidraw3", m_dir);
    EXPECT_TRUE(third.held());
}

TEST_F(DeviceLockTest, SecondChannelOpensButCannotWrite) {
    // No device behind the path: both channels exist, neither moves reports,
    // and only the first holds the lock.
    HidapiChannel first("/nonexistent/hidraw", m_dir);
    HidapiChannel second("/nonexistent/hidraw", m_dir);
    EXPECT_TRUE(first.holdsLock());
    EXPECT_FALSE(second.holdsLock());
    std::uint8_t report[65] = {};
    EXPECT_FALSE(second.write(report, sizeof report));
    EXPECT_EQ(first.read(report, sizeof report, 0), -1);
}

TEST(DeviceSelection, SetEnumeratorWinsOverTheEnvironment) {
    auto scripted = std::make_shared<ScriptedEnumerator>();
    setDeviceEnumerator(scripted);
    EXPECT_EQ(deviceEnumerator(), scripted);
    setDeviceEnumerator(nullptr);

    unsetenv("TALVANE68_DEVICE");
    EXPECT_NE(dynamic_cast<HidapiEnumerator*>(deviceEnumerator().get()), nullptr);
    char dir[] = "/tmp/talvane68-sim-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    setenv("TALVANE68_DEVICE", (std::string("sim:") + dir).c_str(), 1);
    auto simulated = deviceEnumerator();
    EXPECT_EQ(dynamic_cast<HidapiEnumerator*>(simulated.get()), nullptr);
    EXPECT_TRUE(DetectDevice(*simulated));
    unsetenv("TALVANE68_DEVICE");
    simulated.reset();
    std::filesystem::remove_all(dir);
}
