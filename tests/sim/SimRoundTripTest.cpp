// The device library (CVrelHWI) talking to the virtual keyboard: whatever one
// instance writes, the next one reads back, and every fault ends as false.

#include <chrono>
#include <thread>
#include <vector>

#include "SimTestSupport.h"
#include "hwi/Talvane68HWI.h"

namespace talvane68::sim::test {
namespace {

class RoundTrip : public SimFolderTest {
protected:
    void SetUp() override {
        SimFolderTest::SetUp();
        setDeviceEnumerator(keyboard().enumerator());
    }
    void TearDown() override {
        setDeviceEnumerator(nullptr);
        SimFolderTest::TearDown();
    }

    // An opened device object with a short read timeout, for fault cases.
    std::unique_ptr<CVrelHWI> open() {
        auto device = std::make_unique<CVrelHWI>();
        EXPECT_TRUE(device->__createDev());
        device->setReadTimeout(100);
        return device;
    }
};

// Collects the progress messages a transfer posts.
class ProgressLog : public MessageSink {
public:
    ProgressLog() : m_window(registerWindow(this)) {}
    ~ProgressLog() override { unregisterWindow(m_window); }
    void deliver(MessageId message, WParam wParam, LParam) override {
        if (message == WM_DEVICE_PROGRESS) {
            values.push_back(static_cast<int>(wParam));
        }
    }
    WindowHandle window() const { return m_window; }
    std::vector<int> values;

private:
    WindowHandle m_window;
};

// A macro KeyConfigBlock with recorded delays: events code i, delay 10 * i.
std::vector<int> delayedMacro(int events) {
    std::vector<int> block = {2, 0, 5, 1, 0, events};
    for (int i = 1; i <= events; ++i) {
        block.push_back(i % 200 + 4);
        if (i < events) {
            block.push_back(10 * i);
        }
    }
    return block;
}

std::vector<int> fetch(CVrelHWI& device, int layer, int key, std::size_t length) {
    std::vector<int> block(65536 + 16, -1);
    device.getKeyConfiguration(layer, key, block.data(), static_cast<int>(block.size()));
    block.resize(length);
    return block;
}

TEST_F(RoundTrip, KeyTableIncludingALongMacroReadsBackInANewInstance) {
    std::vector<int> normal = {0, 2, 0x04, 0x05};
    std::vector<int> continuous = {1, 250, 3, 0x04, 0x05, 0x06};
    std::vector<int> longMacro = delayedMacro(300);  // stream of 1197 bytes: 23 reports
    std::vector<int> plainMacro = {2, 2, 0, 0, 40, 3, 0x10, 0x11, 0x12};
    {
        CVrelHWI device;
        ASSERT_TRUE(device.__createDev());
        device.prepare();
        device.setKeyConfiguration(0, 3, normal.data(), static_cast<int>(normal.size()));
        device.setKeyConfiguration(0, 69, continuous.data(), static_cast<int>(continuous.size()));
        device.setKeyConfiguration(1, 1, longMacro.data(), static_cast<int>(longMacro.size()));
        device.setKeyConfiguration(1, 2, plainMacro.data(), static_cast<int>(plainMacro.size()));
        ProgressLog progress;
        ASSERT_TRUE(device.writeKeyConfigurationToDev(progress.window()));
        EXPECT_EQ(progress.values.size(), 138u);
    }
    EXPECT_EQ(keyboard().reportLog().size(), 1u + 137u + 23u + 1u);

    CVrelHWI device;
    ASSERT_TRUE(device.__createDev());
    ProgressLog progress;
    ASSERT_TRUE(device.readKeyDefinationFromDev(progress.window()));
    EXPECT_EQ(progress.values.size(), 138u);
    EXPECT_EQ(fetch(device, 0, 3, normal.size()), normal);
    EXPECT_EQ(fetch(device, 0, 69, continuous.size()), continuous);
    EXPECT_EQ(fetch(device, 1, 1, longMacro.size()), longMacro);
    EXPECT_EQ(fetch(device, 1, 2, plainMacro.size()), plainMacro);
    EXPECT_EQ(fetch(device, 0, 1, 2), (std::vector<int>{0, 0}));
}

TEST_F(RoundTrip, LightTableAndVersion) {
    std::vector<int> area(207);
    for (int i = 0; i < 207; ++i) {
        area[i] = i * 5 + 256;  // only the low byte travels
    }
    {
        CVrelHWI device;
        ASSERT_TRUE(device.__createDev());
        EXPECT_TRUE(device.setKeyboardLightArea(area.data()));
    }
    CVrelHWI device;
    ASSERT_TRUE(device.__createDev());
    ASSERT_TRUE(device.readKeyLightFromDev());
    std::vector<int> back(207, -1);
    device.getKeyboardLightArea(back.data());
    for (int i = 0; i < 207; ++i) {
        EXPECT_EQ(back[i], area[i] & 0xFF) << i;
    }

    char16_t text[64];
    std::fill(std::begin(text), std::end(text), u'x');
    ASSERT_TRUE(device.ReadKeyboardVersion(text));
    EXPECT_EQ(std::u16string(text), u"Talvane68 VK 1.00");
}

TEST_F(RoundTrip, FirmwareArrivesLineByLineWithProgress) {
    const std::string image = ":020000040800F2\r\n:0400000001020304F2\r\n:00000001FF\r\n";
    auto device = open();
    ProgressLog progress;
    ASSERT_TRUE(
        device->WriteFirmwareToKeyboard(image.c_str(), static_cast<int>(image.size()), progress.window()));
    EXPECT_EQ(progress.values, (std::vector<int>{50, 100, 150}));
    EXPECT_EQ(keyboard().firmware(), image);
}

TEST_F(RoundTrip, SecondInstanceOpensButFailsItsFirstWrite) {
    CVrelHWI first;
    CVrelHWI second;
    ASSERT_TRUE(first.__createDev());
    ASSERT_TRUE(second.__createDev());
    char16_t text[64] = {};
    EXPECT_TRUE(first.ReadKeyboardVersion(text));
    EXPECT_FALSE(second.ReadKeyboardVersion(text));
}

TEST_F(RoundTrip, DetectionFollowsProductIdAndPresence) {
    CVrelHWI device;
    for (auto [productId, type] : {std::pair{0x4025, 1}, std::pair{0x4026, 2}, std::pair{0x4027, 3}}) {
        keyboard().setProductId(static_cast<std::uint16_t>(productId));
        EXPECT_TRUE(device.DetectDevice());
        EXPECT_EQ(device.DetectDeviceType(), type);
    }
    keyboard().unplug();
    EXPECT_FALSE(device.DetectDevice());
    EXPECT_EQ(device.DetectDeviceType(), 0);
    EXPECT_FALSE(device.__createDev());
}

TEST_F(RoundTrip, InjectedFaultsEndTransfersWithFalse) {
    const std::string image = ":020000040800F2\r\n:00000001FF\r\n";
    struct Case {
        const char* name;
        std::function<void(VirtualKeyboard&)> arm;
        std::function<bool(CVrelHWI&)> transfer;
    };
    const std::vector<Case> cases = {
        {"write keys, third report fails", [](VirtualKeyboard& k) { k.failWrite(3); },
         [](CVrelHWI& d) { return d.writeKeyConfigurationToDev(nullptr); }},
        {"read keys, keyboard falls silent", [](VirtualKeyboard& k) { k.stopAnswering(40); },
         [](CVrelHWI& d) { return d.readKeyDefinationFromDev(nullptr); }},
        {"read keys, unplugged half-way", [](VirtualKeyboard& k) { k.unplugAfter(70); },
         [](CVrelHWI& d) { return d.readKeyDefinationFromDev(nullptr); }},
        {"read lights, no end report", [](VirtualKeyboard& k) { k.stopAnswering(5); },
         [](CVrelHWI& d) { return d.readKeyLightFromDev(); }},
        {"version, request fails", [](VirtualKeyboard& k) { k.failWrite(1); },
         [](CVrelHWI& d) {
             char16_t text[64];
             return d.ReadKeyboardVersion(text);
         }},
        {"firmware, second line fails", [](VirtualKeyboard& k) { k.failWrite(2); },
         [&image](CVrelHWI& d) {
             return d.WriteFirmwareToKeyboard(image.c_str(), int(image.size()), nullptr);
         }},
    };
    for (const Case& c : cases) {
        keyboard().reset();
        auto device = open();
        device->prepare();
        c.arm(keyboard());
        EXPECT_FALSE(c.transfer(*device)) << c.name;
    }
}

TEST_F(RoundTrip, CancelReachesATransferWaitingOnASilentKeyboard) {
    auto device = open();
    device->setReadTimeout(kDefaultReadTimeoutMs);
    keyboard().stopAnswering(0);
    std::thread canceller([&device] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        device->setCancelled(true);
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(device->readKeyDefinationFromDev(nullptr));
    canceller.join();
    // Far less than the 100 s the read would otherwise wait.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(RoundTrip, InterruptedKeyWriteLeavesTheStoredTableAlone) {
    std::vector<int> before = {0, 1, 0x29};
    {
        auto device = open();
        device->prepare();
        device->setKeyConfiguration(0, 1, before.data(), 3);
        ASSERT_TRUE(device->writeKeyConfigurationToDev(nullptr));
    }
    auto device = open();
    std::vector<int> after = {0, 1, 0x2A};
    device->prepare();
    device->setKeyConfiguration(0, 1, after.data(), 3);
    keyboard().failWrite(100);
    EXPECT_FALSE(device->writeKeyConfigurationToDev(nullptr));
    EXPECT_EQ(keyboard().keyRecords(), (std::vector<KeyRecord>{KeyRecord{1, 1, normalRecord(1, 1, {0x29})}}));
}

}  // namespace
}  // namespace talvane68::sim::test
