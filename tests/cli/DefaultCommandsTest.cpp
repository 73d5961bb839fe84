// talvane68ctl defaults and write-defaults against a virtual keyboard.

#include <fstream>
#include <sstream>

#include "CtlTestSupport.h"

namespace talvane68::sim::test {
namespace {

class DefaultCommands : public CtlTest {
protected:
    DefaultCommands() : CtlTest("--timeout 500 ") {}
};

TEST_F(DefaultCommands, DefaultsListEveryKeyWithItsCaptionWithoutAKeyboard) {
    keyboard().unplug();
    const CliRun result = run("defaults");
    ASSERT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 138u);
    EXPECT_EQ(all[0], "layer 0 key  1: Single 1 ESC");
    EXPECT_EQ(all[63], "layer 0 key 64: Function 156 FN");
    EXPECT_EQ(all[68], "layer 0 key 69: Single 160 <>|");
    EXPECT_EQ(all[69 + 29], "layer 1 key 30: Multimedia 112 Mute");
    EXPECT_EQ(all[69 + 63], "layer 1 key 64: Function 156 FN");
    EXPECT_EQ(all[69 + 68], "layer 1 key 69: NotSet");
}

TEST_F(DefaultCommands, WriteDefaultsStoresEveryAssignedKey) {
    const CliRun result = run("write-defaults");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<KeyRecord> records = keyboard().keyRecords();
    // 138 slots less the 21 keys that have nothing on the Fn layer.
    EXPECT_EQ(records.size(), 117u);
    bool sawFn = false;
    for (const KeyRecord& record : records) {
        if (record.layer == 2 && record.key == 64) {
            sawFn = true;
            // payload: 00 F0 layer key kind count code
            EXPECT_EQ(record.blocks[4], 0);
            EXPECT_EQ(record.blocks[5], 1);
            EXPECT_EQ(record.blocks[6], 156);
        }
    }
    EXPECT_TRUE(sawFn);
}

TEST_F(DefaultCommands, FailedWriteEndsWithAMessage) {
    keyboard().failWrite(10);
    const CliRun result = run("write-defaults");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("writing the key table failed"), std::string::npos) << result.err;

    keyboard().unplug();
    EXPECT_NE(run("write-defaults").err.find("no keyboard found"), std::string::npos);
}

}  // namespace
}  // namespace talvane68::sim::test
