#pragma once

// A CVrelHWI opened on a scripted keyboard: log() shows what it was sent and
// holds the replies it will read.

#include <gtest/gtest.h>

#include "hwi/Talvane68HWI.h"
#include "tests/hwi/FakeDevice.h"

namespace talvane68::test {

class KeyboardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_enumerator = std::make_shared<ScriptedEnumerator>(std::vector<std::u16string>{kKeyboardPath});
        setDeviceEnumerator(m_enumerator);
        ASSERT_TRUE(hwi.__createDev());
    }
    void TearDown() override { setDeviceEnumerator(nullptr); }

    DeviceLog& log() { return *m_enumerator->log(kKeyboardPath); }
    void reply(Payload p) { log().replies.push_back(std::move(p)); }

    CVrelHWI hwi;
    RecordingWindow window;
    std::shared_ptr<ScriptedEnumerator> m_enumerator;
};

}  // namespace talvane68::test
