#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "profile/KeyboardProfile.h"
#include "profile/ProfileFile.h"

namespace talvane68::testing {

inline void expectSameList(const ScrollList& a, const ScrollList& b, const std::string& where = "list") {
    SCOPED_TRACE(where);
    EXPECT_EQ(a.SizeOfView, b.SizeOfView);
    EXPECT_EQ(a.ViewStartAt, b.ViewStartAt);
    EXPECT_EQ(a.CursorPos, b.CursorPos);
    EXPECT_EQ(a.Cycles, b.Cycles);
    EXPECT_EQ(a.IsAutoInterval, b.IsAutoInterval);
    EXPECT_EQ(a.Delay, b.Delay);
    EXPECT_EQ(a.PlayMode, b.PlayMode);
    ASSERT_EQ(a.items(), b.items());
    ASSERT_EQ(a.children().size(), b.children().size());
    for (size_t i = 0; i < a.children().size(); ++i) {
        expectSameList(a.children()[i], b.children()[i], where + "/" + std::to_string(i));
    }
}

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("profilefile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string path(const std::string& name = "p.prf") const { return (m_dir / name).string(); }
    std::string writeFile(const std::string& bytes, const std::string& name = "in.prf") const {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    static std::string readFile(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // A profile holds the device, so tests keep theirs on the heap.
    static std::unique_ptr<KeyboardProfile> defaults() {
        auto p = std::make_unique<KeyboardProfile>();
        p->restoreDefaults();
        return p;
    }

    std::filesystem::path m_dir;
};

}  // namespace talvane68::testing
