// read-keys, write-keys, write-lights and show on .prf files.

#include <fstream>
#include <sstream>

#include "CtlTestSupport.h"
#include "profile/KeyboardProfile.h"
#include "profile/ProfileFile.h"

namespace talvane68::sim::test {
namespace {

class ProfileCommands : public CtlTest {
protected:
    ProfileCommands() : CtlTest("--timeout 500 ") {}

    static std::unique_ptr<KeyboardProfile> defaults() {
        auto p = std::make_unique<KeyboardProfile>();
        p->buildKeyTables();
        p->restoreDefaults();
        return p;
    }
};

TEST_F(ProfileCommands, WrittenProfileReadsBackFromTheKeyboard) {
    auto profile = defaults();
    profile->keyMode[slot(2, 0)] = 1;
    profile->keyCode[slot(2, 0)] = 43;  // A
    profile->keyMode[slot(21, 1)] = 5;
    profile->keyCode[slot(21, 1)] = 113;  // VolumeUp
    for (int key = 1; key <= kLastKeyId; ++key) {
        profile->keyColor[key] = {key, 2 * key, 255 - key};
    }
    const std::string file = dir() + "/mine.prf";
    ASSERT_TRUE(saveProfile(*profile, file));

    ASSERT_EQ(run("write-keys " + file).status, 0);
    ASSERT_EQ(run("write-lights " + file).status, 0);
    const std::string back = dir() + "/back.prf";
    const CliRun read = run("read-keys " + back);
    ASSERT_EQ(read.status, 0) << read.err;

    auto loaded = std::make_unique<KeyboardProfile>();
    ASSERT_TRUE(loadProfile(*loaded, back));
    for (int key = 1; key <= kLastKeyId; ++key) {
        EXPECT_EQ(loaded->keyColor[key], profile->keyColor[key]) << key;
        for (int layer = 0; layer < 2; ++layer) {
            EXPECT_EQ(loaded->keyMode[slot(key, layer)], profile->keyMode[slot(key, layer)]) << key;
            if (profile->keyMode[slot(key, layer)] != 0) {
                EXPECT_EQ(loaded->keyCode[slot(key, layer)], profile->keyCode[slot(key, layer)]) << key;
            }
        }
    }

    const CliRun shown = run("show " + back);
    ASSERT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("layer 0 key  2: Single 43 A\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("layer 1 key 21: Multimedia 113 VolumeUp\n"), std::string::npos);
    EXPECT_NE(shown.out.find("colour key  3: 3 6 252\n"), std::string::npos);
}

TEST_F(ProfileCommands, BadFilesLeaveTheKeyboardAlone) {
    const std::string bad = dir() + "/bad.prf";
    std::ofstream(bad) << "<NotAProfile/>";
    const std::string missing = dir() + "/missing.prf";
    keyboard().clearLog();
    for (const std::string& command : {"write-keys " + bad, "write-lights " + bad, "show " + bad,
                                       "write-keys " + missing, "write-lights " + missing}) {
        const CliRun result = run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_NE(result.err.find("cannot be read as a profile"), std::string::npos)
            << command << ": " << result.err;
        EXPECT_NE(result.err.find("the keyboard was not touched"), std::string::npos);
    }
    EXPECT_TRUE(keyboard().reportLog().empty());

    // read-keys into a place it cannot write keeps the file that is there.
    const std::string folder = dir() + "/folder.prf";
    std::filesystem::create_directory(folder);
    const CliRun result = run("read-keys " + folder);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("cannot write"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
}  // namespace talvane68::sim::test
