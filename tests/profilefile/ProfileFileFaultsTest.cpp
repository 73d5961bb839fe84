// A bad file never changes what it cannot fill, never reaches outside a
// table, and a failed save never harms the file that was there.
#include <sys/stat.h>

#include "ProfileFileFixture.h"

using namespace talvane68;
using talvane68::testing::expectSameList;
using talvane68::testing::ProfileFileTest;

namespace {

void expectSameProfile(const KeyboardProfile& a, const KeyboardProfile& b) {
    expectSameList(a.predefinedCombos, b.predefinedCombos);
    expectSameList(a.predefinedMacros, b.predefinedMacros);
    expectSameList(a.predefinedEmus, b.predefinedEmus);
    EXPECT_EQ(a.keyColor, b.keyColor);
    EXPECT_EQ(a.keyMode, b.keyMode);
    EXPECT_EQ(a.keyCode, b.keyCode);
    for (int i = 0; i < kKeySlots; ++i) {
        expectSameList(a.keyList[i], b.keyList[i], "slot " + std::to_string(i));
    }
}

std::unique_ptr<KeyboardProfile> customised() {
    auto p = std::make_unique<KeyboardProfile>();
    p->restoreDefaults();
    p->predefinedMacros.append(u"kept");
    p->keyColor[3] = {9, 9, 9};
    p->keyList[slot(2, 0)].append(u"X");
    return p;
}

}  // namespace

TEST_F(ProfileFileTest, UnreadableOrRootlessFilesChangeNothing) {
    const std::string cases[] = {
        path("missing.prf"),
        m_dir.string(),  // a folder
        writeFile("", "empty.prf"),
        writeFile("<Other><PredefinedMacro><List SizeOfView='1'/></PredefinedMacro></Other>", "other.prf"),
        writeFile("\xFF\xFE\x00\xD8garbage", "junk.prf"),
    };
    for (const std::string& file : cases) {
        SCOPED_TRACE(file);
        auto profile = customised();
        auto before = customised();
        EXPECT_FALSE(loadProfile(*profile, file));
        expectSameProfile(*profile, *before);
    }
}

TEST_F(ProfileFileTest, MissingSectionsAndRowsKeepTheirValues) {
    // Only the colours and one key; the lists and every other key stay.
    auto profile = customised();
    auto before = customised();
    ASSERT_TRUE(loadProfile(*profile, writeFile("<Talvane68><BackgroundLightSettings><AREA ID='3' Red='1'/>"
                                                "</BackgroundLightSettings><CurrentSettings>"
                                                "<KEY ID='9' Level='0' Mode='0' HWCode='0'/>"
                                                "</CurrentSettings></Talvane68>")));
    expectSameList(profile->predefinedMacros, before->predefinedMacros);
    EXPECT_EQ(profile->keyColor[3], (std::array<std::int32_t, 3>{1, 0, 0}));
    EXPECT_EQ(profile->keyMode[slot(9, 0)], 0);
    expectSameList(profile->keyList[slot(2, 0)], before->keyList[slot(2, 0)]);
    EXPECT_EQ(profile->keyCode[slot(10, 0)], before->keyCode[slot(10, 0)]);
}

TEST_F(ProfileFileTest, OutOfRangeElementsAreSkipped) {
    const std::string file =
        "<Talvane68>"
        "<PredefinedCombo><List SizeOfView='5'>"
        "<x ID='-1' t1='neg'/><x ID='99999999' t1='huge'/><x ID='1' t1='one'/><x ID='65536' t1='far'/>"
        "</List></PredefinedCombo>"
        "<BackgroundLightSettings>"
        "<AREA ID='0' Red='5'/><AREA ID='70' Red='5'/><AREA ID='-1' Red='5'/><AREA ID='99999' Red='5'/>"
        "<AREA ID='69' Red='7'/>"
        "</BackgroundLightSettings>"
        "<CurrentSettings>"
        "<KEY ID='0' Level='0' Mode='1' HWCode='5'/><KEY ID='70' Level='1' Mode='1' HWCode='5'/>"
        "<KEY ID='3' Level='2' Mode='1' HWCode='5'/><KEY ID='3' Level='-1' Mode='1' HWCode='5'/>"
        "<KEY ID='3' Level='0' Mode='9' HWCode='5'/><KEY ID='3' Level='0' Mode='-1' HWCode='5'/>"
        "<KEY ID='4' Level='1' Mode='8' HWCode='76'/>"
        "</CurrentSettings></Talvane68>";
    auto profile = customised();
    auto before = customised();
    ASSERT_TRUE(loadProfile(*profile, writeFile(file)));
    ASSERT_EQ(profile->predefinedCombos.count(), 2);
    EXPECT_EQ(profile->predefinedCombos.items()[1], u"one");
    EXPECT_EQ(profile->keyColor[0], before->keyColor[0]);
    EXPECT_EQ(profile->keyColor[69][0], 7);
    EXPECT_EQ(profile->keyMode, [&] {
        auto modes = before->keyMode;
        modes[slot(4, 1)] = 8;
        return modes;
    }());
    EXPECT_EQ(profile->keyCode[slot(3, 0)], before->keyCode[slot(3, 0)]);
}

TEST_F(ProfileFileTest, HostileListsStayBounded) {
    // Nesting far deeper than the editor makes, and ids that would leave gaps
    // of millions of items in every list.
    std::string deep = "<Talvane68><PredefinedMacro>";
    for (int i = 0; i < 5000; ++i) {
        deep += "<List><x ID='0' t1='d'>";
    }
    for (int i = 0; i < 5000; ++i) {
        deep += "</x></List>";
    }
    deep += "</PredefinedMacro><PredefinedEmu><List>";
    for (int i = 0; i < 2000; ++i) {
        deep += "<x ID='65535' t1='g'><List><x ID='65535'/></List></x>";
    }
    deep += "</List></PredefinedEmu></Talvane68>";
    auto profile = customised();
    ASSERT_TRUE(loadProfile(*profile, writeFile(deep)));
    int depth = 0;
    for (const ScrollList* l = &profile->predefinedMacros; !l->empty(); l = &l->children()[0]) {
        ++depth;
    }
    EXPECT_EQ(depth, 16);
    EXPECT_LE(profile->predefinedEmus.count(), 65536);
}

TEST_F(ProfileFileTest, SaveReplacesWholeOrNotAtAll) {
    auto profile = customised();
    const std::string target = path("keep.prf");
    std::ofstream(target, std::ios::binary) << "old contents";
    ::chmod(target.c_str(), 0640);

    // The target is a folder: the rename fails and nothing is left behind.
    const std::string folder = path("folder.prf");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(saveProfile(*profile, folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(saveProfile(*profile, path("no/such/dir.prf")));
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(m_dir)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);  // keep.prf and folder.prf: no temporary files
    EXPECT_EQ(readFile(target), "old contents");

    // Success replaces the file and keeps its permissions; through a link, the
    // file it points at is replaced and the link stays.
    ASSERT_TRUE(saveProfile(*profile, target));
    EXPECT_EQ(readFile(target).rfind("<?xml", 0), 0u);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    const mode_t oldMask = ::umask(027);
    ASSERT_TRUE(saveProfile(*profile, path("new.prf")));
    ::umask(oldMask);
    ASSERT_EQ(::stat(path("new.prf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // a new file gets what the umask allows
    const std::string link = path("link.prf");
    std::filesystem::create_symlink(target, link);
    std::ofstream(target, std::ios::binary) << "old again";
    ASSERT_TRUE(saveProfile(*profile, link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(target).rfind("<?xml", 0), 0u);
}
