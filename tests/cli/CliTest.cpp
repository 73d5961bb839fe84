// talvane68ctl run as a program against a virtual keyboard.

#include <fstream>
#include <functional>
#include <sstream>

#include "CtlTestSupport.h"

namespace talvane68::sim::test {
namespace {

using Cli = CtlTest;

std::string lightText(int seed) {
    std::string text;
    for (int key = 1; key <= 69; ++key) {
        text += std::to_string((key * seed) % 256) + " " + std::to_string(key) + " " +
                std::to_string(255 - key) + "\n";
    }
    return text;
}

TEST_F(Cli, EveryDeviceCommandSaysSoWhenThereIsNoKeyboard) {
    keyboard().unplug();
    const std::string lights = writeFile("lights.txt", lightText(3));
    const std::string image = writeFile("image.hex", ":00000001FF\r\n");
    for (const std::string& command :
         std::vector<std::string>{"detect", "version", "read-lights", "dump-keys", "write-lights " + lights,
                                  "firmware " + image}) {
        const CliRun result = run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_NE(result.err.find("no keyboard found"), std::string::npos) << command << ": " << result.err;
    }
}

TEST_F(Cli, DetectNamesTheTypeAndVersionPrintsTheText) {
    for (auto [productId, line] : {std::pair{0x4025, "type 1 (product ID 4025)\n"},
                                   std::pair{0x4027, "type 3 (product ID 4027)\n"}, std::pair{0x4031, ""}}) {
        keyboard().setProductId(static_cast<std::uint16_t>(productId));
        const CliRun result = run("detect");
        EXPECT_EQ(result.out, line);
        EXPECT_EQ(result.status, *line ? 0 : 1) << "a foreign product ID is no keyboard of ours";
    }
    keyboard().setProductId(0x4026);
    keyboard().setVersionText("VK test 2.50");
    const CliRun result = run("version");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "VK test 2.50\n");
}

TEST_F(Cli, LightsWrittenFromAFileReadBackTheSame) {
    const std::string text = lightText(7);
    const CliRun written = run("write-lights " + writeFile("lights.txt", "# my colours\n" + text));
    ASSERT_EQ(written.status, 0) << written.err;
    const LightTable stored = keyboard().lightTable();
    EXPECT_EQ(stored[0], 7);
    EXPECT_EQ(stored[206], 255 - 69);

    const CliRun readBack = run("read-lights");
    EXPECT_EQ(readBack.status, 0) << readBack.err;
    EXPECT_EQ(readBack.out, text);
}

TEST_F(Cli, BadLightFileIsRefusedBeforeTheKeyboardIsTouched) {
    std::string text = lightText(1);
    const std::string tooShort = text.substr(0, text.rfind('\n', text.size() - 2) + 1);
    struct Case {
        std::string content;
        std::string message;
    };
    const std::vector<Case> cases = {
        {tooShort, "expected 69 colours, found 68"},
        {text + "1 2 3\n", "line 70: more than 69 colours"},
        {"256 0 0\n" + text.substr(text.find('\n') + 1), "line 1:"},
        {"1 2\n" + text.substr(text.find('\n') + 1), "line 1:"},
        {"1 2 3 4\n" + text.substr(text.find('\n') + 1), "line 1:"},
        {"-1 2 3\n" + text.substr(text.find('\n') + 1), "line 1:"},
    };
    for (const Case& c : cases) {
        const CliRun result = run("write-lights " + writeFile("bad.txt", c.content));
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("nothing was written"), std::string::npos) << result.err;
    }
    const CliRun missing = run("write-lights " + dir() + "/no-such-file");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    EXPECT_TRUE(keyboard().reportLog().empty());
}

TEST_F(Cli, DumpKeysShowsEveryKindOneKeyPerLine) {
    auto continuous = normalRecord(1, 2, {});
    continuous[4] = 0x01;
    continuous[5] = 0x00;
    continuous[6] = 100;
    continuous[7] = 2;
    continuous[8] = 0x04;
    continuous[9] = 0x05;
    // Macro with recorded delays: 04, 20 ms, 05, 300 ms, 06 (stream length 9).
    std::vector<std::uint8_t> delayed(64, 0);
    const std::uint8_t header[] = {0x00, 0xF0, 0x02, 0x45, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09};
    const std::uint8_t stream[] = {0x04, 0xC8, 0x00, 20, 0x05, 0xC8, 0x01, 0x2C, 0x06};
    std::copy(std::begin(header), std::end(header), delayed.begin());
    std::copy(std::begin(stream), std::end(stream), delayed.begin() + 11);
    keyboard().setKeyRecords({
        KeyRecord{1, 1, normalRecord(1, 1, {0x29, 0xE1})},
        KeyRecord{1, 2, continuous},
        KeyRecord{1, 3, macroRecord(1, 3, 60)},
        KeyRecord{2, 69, delayed},
    });
    const CliRun result = run("dump-keys");
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> lines;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 138u);
    EXPECT_EQ(lines[0], "layer 0 key  1: normal 29 E1");
    EXPECT_EQ(lines[1], "layer 0 key  2: continuous value 100: 04 05");
    EXPECT_EQ(lines[2].rfind("layer 0 key  3: macro play-mode 0 cycles 3 interval 0: 01 02 03", 0), 0u)
        << lines[2];
    EXPECT_EQ(lines[2].substr(lines[2].size() - 9), " 3A 3B 3C") << "all 60 events of the two-block macro";
    EXPECT_EQ(lines[3], "layer 0 key  4: none");
    EXPECT_EQ(lines[137], "layer 1 key 69: macro play-mode 1 cycles 0 interval 0: 04 +20ms 05 +300ms 06");
    EXPECT_NE(result.err.find("reading keys 138/138"), std::string::npos) << result.err;
}

TEST_F(Cli, FirmwareFileReachesTheKeyboardWithProgress) {
    const std::string image = ":020000040800F2\r\n:0400000001020304F2\r\n:00000001FF\r\n";
    const CliRun result = run("firmware " + writeFile("image.hex", image));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(keyboard().firmware(), image);
    EXPECT_NE(result.err.find("firmware 150/150"), std::string::npos) << result.err;

    // Files written on Linux end their lines with LF alone; they download all the same.
    const std::string lfOnly = ":0400000001020304F2\n:00000001FF\n";
    const CliRun unixLines = run("firmware " + writeFile("unix.hex", lfOnly));
    EXPECT_EQ(unixLines.status, 0) << unixLines.err;
    EXPECT_NE(unixLines.err.find("firmware 150/150"), std::string::npos) << unixLines.err;

    keyboard().clearLog();
    const CliRun refused = run("firmware " + writeFile("notes.txt", "not a firmware file\r\n"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("not an Intel HEX firmware file"), std::string::npos) << refused.err;
    EXPECT_TRUE(keyboard().reportLog().empty());
}

TEST_F(Cli, FailedExchangesEndWithAMessageAndStatusOne) {
    struct Case {
        std::string name;
        std::function<void(VirtualKeyboard&)> arm;
        std::string command;
        std::string message;
    };
    const std::string lights = writeFile("lights.txt", lightText(5));
    const std::string image = writeFile("image.hex", ":020000040800F2\r\n:00000001FF\r\n");
    const std::vector<Case> cases = {
        {"silent during key read", [](VirtualKeyboard& k) { k.stopAnswering(30); }, "dump-keys",
         "reading the key table failed"},
        {"silent during light read", [](VirtualKeyboard& k) { k.stopAnswering(3); }, "read-lights",
         "reading the light table failed"},
        {"failed light chunk", [](VirtualKeyboard& k) { k.failWrite(4); }, "write-lights " + lights,
         "writing the light table failed"},
        {"unplugged half-way", [](VirtualKeyboard& k) { k.unplugAfter(60); }, "dump-keys",
         "reading the key table failed"},
        {"failed firmware line", [](VirtualKeyboard& k) { k.failWrite(3); }, "firmware " + image,
         "the firmware download failed"},
        {"silent keyboard", [](VirtualKeyboard& k) { k.stopAnswering(0); }, "version", "does not answer"},
    };
    for (const Case& c : cases) {
        keyboard().reset();
        c.arm(keyboard());
        const CliRun result = run("--timeout 100 " + c.command);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
    }
}

TEST_F(Cli, KeyboardHeldByAnotherProgramIsReported) {
    auto held = openConfig();
    ASSERT_TRUE(send(*held, command(0xF9)));
    const CliRun result = run("version");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("another program"), std::string::npos) << result.err;
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    for (const char* args : {"", "frobnicate", "write-lights", "version extra", "--timeout x version",
                             "--device usb:1 version", "--bogus version"}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_FALSE(result.err.empty()) << args;
    }
    const CliRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"detect", "version", "read-lights", "write-lights", "dump-keys", "firmware"}) {
        EXPECT_NE(help.out.find(name), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace talvane68::sim::test
