#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

#include "app/CVrelApp.h"
#include "platform/ui/ScriptedDialogService.h"
#include "skin/SkinnedDialog.h"

using namespace talvane68;

namespace {

// Start-up with the modal loop replaced: the main window is opened, shown and
// handed to the test, then closed.
class TestApp : public CVrelApp {
public:
    using CVrelApp::CVrelApp;
    std::function<void(SkinnedDialog&)> inspect;
    int mainWindowRuns = 0;

protected:
    int runMainWindow(QDialog& window) override {
        ++mainWindowRuns;
        auto& dialog = static_cast<SkinnedDialog&>(window);
        dialog.initialise();
        dialog.show();
        QApplication::processEvents();
        if (inspect) {
            inspect(dialog);
        }
        dialog.done(2);
        return dialog.result();
    }
};

class StartUpTest : public ::testing::Test {
protected:
    // The main window opens the keyboard: a virtual one.
    void SetUp() override {
        setDialogService(&m_dialogs);
        ::setenv("TALVANE68_DEVICE", ("sim:" + m_keyboard.path().toStdString()).c_str(), 1);
    }
    void TearDown() override { setDialogService(nullptr); }

    QTemporaryDir m_keyboard;
    ScriptedDialogService m_dialogs;
    KeyboardProfile m_profile;
};

}  // namespace

TEST_F(StartUpTest, StartsInChineseWithTheSkinAndFreesItAfterwards) {
    m_profile.language = "en-US";  // whatever the system's language
    TestApp app(m_profile);
    app.inspect = [&](SkinnedDialog& window) {
        EXPECT_EQ(m_profile.language, "zh-CN");
        EXPECT_EQ(window.size(), app.resources().bitmap(101).size());
        SkinItem* exportLabel = window.findItem(70);
        ASSERT_NE(exportLabel, nullptr);
        EXPECT_EQ(exportLabel->caption[m_profile.language], u"导出配置");
        // Font i has a pixel size of i; font 0 is the default size.
        EXPECT_EQ(QFontInfo(app.resources().font(13)).pixelSize(), 13);
        EXPECT_EQ(QFontInfo(app.resources().font(20)).pixelSize(), 20);
        EXPECT_EQ(app.resources().font(0).pixelSize(), QFont().pixelSize());
        EXPECT_EQ(app.resources().darkBrush().color(), QColor(52, 52, 52));
        EXPECT_FALSE(m_profile.keyNames.empty());
    };
    EXPECT_EQ(app.initInstance(QStringLiteral(TALVANE68_BIN_DIR)), 0);
    EXPECT_EQ(app.mainWindowRuns, 1);
    EXPECT_TRUE(m_dialogs.requests().empty());
    for (int id : SkinResources::bitmapIds()) {
        EXPECT_TRUE(app.resources().bitmap(id).isNull()) << id;
    }
}

TEST_F(StartUpTest, AMissingSkinIsReportedAndNoWindowOpens) {
    QTemporaryDir empty;
    struct Case {
        QString programDir;
        const char* named;  // what the message must name
    } cases[] = {
        {empty.path(), "Talvane68RES.rcc"},
        {QStringLiteral(TALVANE68_PARTIAL_SKIN_DIR), "102"},
    };
    for (const Case& c : cases) {
        m_dialogs.clear();
        TestApp app(m_profile);
        EXPECT_EQ(app.initInstance(c.programDir), 1);
        EXPECT_EQ(app.mainWindowRuns, 0);
        ASSERT_EQ(m_dialogs.requests().size(), 1u);
        const auto& request = m_dialogs.requests().front();
        EXPECT_EQ(request.kind, ScriptedDialogService::Kind::Message);
        EXPECT_EQ(request.caption, QStringLiteral("Talvane68"));
        EXPECT_TRUE(request.text.contains(QLatin1String(c.named))) << request.text.toStdString();
        EXPECT_TRUE(app.resources().bitmap(101).isNull());
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
}
