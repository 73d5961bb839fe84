// The device operations against the virtual keyboard: what is written comes
// back, and a failed exchange is reported as failed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "deviceops/DeviceOperation.h"
#include "deviceops/DeviceOperations.h"
#include "hwi/DeviceChannel.h"
#include "sim/VirtualKeyboard.h"

namespace talvane68 {
namespace {

const std::u16string kDown = kPressArrows;
const std::u16string kUp = kReleaseArrows;

struct Message {
    MessageId id;
    WParam wParam;
};

class RecordingSink : public MessageSink {
public:
    void deliver(MessageId message, WParam wParam, LParam) override {
        std::lock_guard lock(m_mutex);
        m_messages.push_back({message, wParam});
    }
    std::vector<Message> messages() {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }
    int count(MessageId id) {
        int n = 0;
        for (const Message& m : messages()) {
            n += m.id == id;
        }
        return n;
    }

private:
    std::mutex m_mutex;
    std::vector<Message> m_messages;
};

ScrollList listOf(std::initializer_list<std::u16string> items, std::int32_t sizeOfView = 7) {
    ScrollList list(sizeOfView);
    for (const auto& item : items) {
        list.append(item);
    }
    return list;
}

class DeviceOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("talvane68-deviceops-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(m_dir);
        keyboard = std::make_unique<sim::VirtualKeyboard>(m_dir.string());
        setDeviceEnumerator(keyboard->enumerator());
        profile = std::make_unique<KeyboardProfile>();
        profile->buildKeyTables();
        profile->restoreDefaults();
        ASSERT_TRUE(profile->device.__createDev());
        profile->device.setReadTimeout(300);
        window = registerWindow(&sink);
        profile->progressWindow = window;
    }

    void TearDown() override {
        unregisterWindow(window);
        profile.reset();
        setDeviceEnumerator(nullptr);
        keyboard.reset();
        std::filesystem::remove_all(m_dir);
    }

    void assign(int keyId, int layer, KeyMode mode, std::int32_t code,
                const ScrollList& list = ScrollList()) {
        profile->keyMode[slot(keyId, layer)] = toInt(mode);
        profile->keyCode[slot(keyId, layer)] = code;
        profile->keyList[slot(keyId, layer)] = list;
    }
    std::int32_t mode(int keyId, int layer) const { return profile->keyMode[slot(keyId, layer)]; }
    std::int32_t code(int keyId, int layer) const { return profile->keyCode[slot(keyId, layer)]; }
    const ScrollList& list(int keyId, int layer) const { return profile->keyList[slot(keyId, layer)]; }

    void forgetAssignments() {
        profile->keyMode.fill(0);
        profile->keyCode.fill(0);
        for (ScrollList& l : profile->keyList) {
            l = ScrollList();
        }
    }

    std::unique_ptr<sim::VirtualKeyboard> keyboard;
    std::unique_ptr<KeyboardProfile> profile;
    RecordingSink sink;
    WindowHandle window = nullptr;

private:
    std::filesystem::path m_dir;
};

TEST_F(DeviceOperationsTest, KeysComeBackInEveryMode) {
    ScrollList macro = listOf({u"A" + kDown, u"[100 ms]", u"A" + kUp, u"[7 ms]", u"Left SHIFT" + kDown});
    macro.Cycles = 3;
    ScrollList fixedMacro = listOf({u"B" + kDown, u"B" + kUp, u"Mouse Left"});
    fixedMacro.IsAutoInterval = true;
    fixedMacro.Delay = 45;
    fixedMacro.PlayMode = 2;
    ScrollList emulation = listOf({u"H", u"I", u"ENTER"});
    emulation.Delay = 250;

    assign(2, 0, KeyMode::Combo, 0, listOf({u"Left CONTROL", u"Left Alt", u"DEL"}, 5));
    assign(3, 0, KeyMode::Macro, 0, macro);
    assign(4, 1, KeyMode::Macro, 0, fixedMacro);
    assign(5, 0, KeyMode::Emulation, 0, emulation);
    assign(6, 1, KeyMode::Multimedia, 112);
    assign(7, 1, KeyMode::Mouse, 130);
    assign(8, 1, KeyMode::Mouse, 199);
    assign(9, 1, KeyMode::Power, 76);
    assign(10, 0, KeyMode::NotSet, 44);
    assign(11, 0, KeyMode::Single, 160);

    ASSERT_TRUE(writeKeysToDevice(*profile, window));
    EXPECT_EQ(sink.count(WM_DEVICE_PROGRESS), 138);
    forgetAssignments();
    ASSERT_TRUE(readKeysFromDevice(*profile, window));

    EXPECT_EQ(mode(2, 0), toInt(KeyMode::Combo));
    EXPECT_EQ(list(2, 0).items(), (std::vector<std::u16string>{u"Left CONTROL", u"Left Alt", u"DEL"}));
    EXPECT_EQ(list(2, 0).SizeOfView, 6);

    EXPECT_EQ(mode(3, 0), toInt(KeyMode::Macro));
    EXPECT_EQ(list(3, 0).items(),
              (std::vector<std::u16string>{u"A", u"[100 ms]", u"A", u"[7 ms]", u"Left SHIFT"}));
    EXPECT_EQ(list(3, 0).Cycles, 3);
    EXPECT_FALSE(list(3, 0).IsAutoInterval);
    EXPECT_EQ(list(3, 0).SizeOfView, 9);

    EXPECT_EQ(mode(4, 1), toInt(KeyMode::Macro));
    EXPECT_EQ(list(4, 1).items(), (std::vector<std::u16string>{u"B", u"B", u"Mouse Left"}));
    EXPECT_TRUE(list(4, 1).IsAutoInterval);
    EXPECT_EQ(list(4, 1).Delay, 45);
    EXPECT_EQ(list(4, 1).PlayMode, 2);
    EXPECT_EQ(list(4, 1).Cycles, 0);  // only play mode 0 sends its repeat count

    EXPECT_EQ(mode(5, 0), toInt(KeyMode::Emulation));
    EXPECT_EQ(list(5, 0).items(), (std::vector<std::u16string>{u"H", u"I", u"ENTER"}));
    EXPECT_EQ(list(5, 0).Delay, 250);
    EXPECT_EQ(list(5, 0).SizeOfView, 9);

    const struct {
        int keyId, layer;
        KeyMode mode;
        std::int32_t code;
    } coded[] = {
        {6, 1, KeyMode::Multimedia, 112}, {7, 1, KeyMode::Mouse, 130},    {8, 1, KeyMode::Mouse, 199},
        {9, 1, KeyMode::Power, 76},       {11, 0, KeyMode::Single, 160},  {64, 0, KeyMode::Function, 156},
        {64, 1, KeyMode::Function, 156},  {1, 1, KeyMode::Function, 135}, {43, 0, KeyMode::Single, 54},
    };
    for (const auto& c : coded) {
        EXPECT_EQ(mode(c.keyId, c.layer), toInt(c.mode)) << c.keyId << "/" << c.layer;
        EXPECT_EQ(code(c.keyId, c.layer), c.code) << c.keyId << "/" << c.layer;
    }
    EXPECT_EQ(mode(10, 0), toInt(KeyMode::NotSet));
    EXPECT_EQ(mode(69, 1), toInt(KeyMode::NotSet));
}

TEST_F(DeviceOperationsTest, DefaultsComeBackUnchanged) {
    ASSERT_TRUE(writeKeysToDevice(*profile, nullptr));
    const auto modes = profile->keyMode;
    const auto codes = profile->keyCode;
    forgetAssignments();
    ASSERT_TRUE(readKeysFromDevice(*profile, nullptr));
    for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const int i = slot(keyId, layer);
            EXPECT_EQ(profile->keyMode[i], modes[i]) << keyId << "/" << layer;
            if (modes[i] != 0) {
                EXPECT_EQ(profile->keyCode[i], codes[i]) << keyId << "/" << layer;
            }
        }
    }
}

TEST_F(DeviceOperationsTest, LightsComeBackForKeysOneToSixtyNine) {
    for (int keyId = 0; keyId < kKeyRows; ++keyId) {
        profile->keyColor[keyId] = {keyId, 2 * keyId, 255 - keyId};
    }
    ASSERT_TRUE(writeLightsToDevice(*profile));
    const sim::LightTable table = keyboard->lightTable();
    EXPECT_EQ(table[0], 1);
    EXPECT_EQ(table[1], 2);
    EXPECT_EQ(table[2], 254);

    const auto written = profile->keyColor;
    for (auto& colour : profile->keyColor) {
        colour = {9, 9, 9};
    }
    ASSERT_TRUE(readLightsFromDevice(*profile));
    for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
        EXPECT_EQ(profile->keyColor[keyId], written[keyId]) << keyId;
    }
    EXPECT_EQ(profile->keyColor[0], (std::array<std::int32_t, 3>{9, 9, 9}));
}

TEST_F(DeviceOperationsTest, FailedExchangesAreReportedAndLeaveTheProfile) {
    keyboard->failWrite(5);
    EXPECT_FALSE(writeKeysToDevice(*profile, window));
    keyboard->clearFaults();

    ASSERT_TRUE(writeKeysToDevice(*profile, window));
    assign(2, 0, KeyMode::Power, 77);
    keyboard->stopAnswering(3);
    EXPECT_FALSE(readKeysFromDevice(*profile, window));
    EXPECT_EQ(mode(2, 0), toInt(KeyMode::Power));
    EXPECT_EQ(code(2, 0), 77);
    keyboard->resumeAnswering();

    profile->keyColor[3] = {1, 2, 3};
    keyboard->stopAnswering(0);
    EXPECT_FALSE(readLightsFromDevice(*profile));
    EXPECT_EQ(profile->keyColor[3], (std::array<std::int32_t, 3>{1, 2, 3}));
    keyboard->resumeAnswering();

    keyboard->failWrite(1);
    EXPECT_FALSE(writeLightsToDevice(*profile));
}

TEST_F(DeviceOperationsTest, EveryOperationFailsOnAnUnpluggedKeyboard) {
    keyboard->unplug();
    EXPECT_FALSE(writeKeysToDevice(*profile, window));
    EXPECT_FALSE(readKeysFromDevice(*profile, window));
    EXPECT_FALSE(writeLightsToDevice(*profile));
    EXPECT_FALSE(readLightsFromDevice(*profile));
}

TEST_F(DeviceOperationsTest, OperationsByNumberReportTheirOutcome) {
    EXPECT_TRUE(performDeviceOperation(*profile, static_cast<int>(DeviceOperation::WriteLights)));
    std::vector<Message> messages = sink.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, WM_DEVICE_PROGRESS);
    EXPECT_EQ(messages[0].wParam, kLightsProgress);

    keyboard->unplug();
    EXPECT_FALSE(performDeviceOperation(*profile, static_cast<int>(DeviceOperation::ReadKeys)));

    const std::size_t before = sink.messages().size();
    EXPECT_FALSE(performDeviceOperation(*profile, 2));
    EXPECT_EQ(sink.messages().size(), before);
}

}  // namespace
}  // namespace talvane68
