// The main window over the virtual keyboard: opening, layers, hints,
// commands, device operations, profile files and the keyboard watch.

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTimer>
#include <fstream>

#include "deviceops/CVrelDialogProgress.h"
#include "hwi/Talvane68HWI.h"
#include "platform/ui/DialogResult.h"
#include "tests/mainwindow/GatedKeyboard.h"
#include "tests/mainwindow/WindowTestFixture.h"

namespace talvane68 {
namespace {

using Kind = ScriptedDialogService::Kind;

class MainWindowTest : public WindowTestFixture {
protected:
    static QPoint centreOf(const SkinItem& item) {
        return {(item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2};
    }
    QPoint keyCentre(CVrelDlg& window, int keyId) { return centreOf(*window.findItem(99 + keyId)); }

    static void click(QWidget& window, QPoint point) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), QPointF(window.mapToGlobal(point)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &release);
    }

    // Hovers over the key and paints, which fills the hint box.
    std::u16string hintFor(CVrelDlg& window, int keyId) {
        window.hitTest(keyCentre(window, keyId));
        window.grab();
        return window.hintText();
    }

    bool ended(const CVrelDlg& window) const { return window.result() != 0; }
};

TEST_F(MainWindowTest, StartWithoutKeyboardEndsWithMessage) {
    keyboard->unplug();
    CVrelDlg window(resources, *profile);
    EXPECT_EQ(window.exec(), kDialogCancel);
    EXPECT_EQ(messages(), QStringList{"Keyboard is disconnected!"});
    EXPECT_EQ(dialogs.requests().front().caption, "Talvane68");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, StartWhileAnotherInstanceHoldsTheKeyboard) {
    CVrelHWI other;
    ASSERT_TRUE(other.__createDev());
    CVrelDlg window(resources, *profile);
    EXPECT_EQ(window.exec(), kDialogCancel);
    EXPECT_EQ(messages(), QStringList{"Software has be opened!"});
}

TEST_F(MainWindowTest, BacklightButtonOnlyForKeyboardType1) {
    const struct {
        std::uint16_t productId;
        int deviceType;
    } cases[] = {{0x4025, 1}, {0x4026, 2}, {0x4027, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deviceType);
        keyboard->setProductId(c.productId);
        profile->device.__closeDev();
        auto window = openMainWindow();
        EXPECT_EQ(profile->deviceType, c.deviceType);
        EXPECT_EQ(window->findItem(CVrelDlg::Backlight) != nullptr, c.deviceType == 1);
        // Its label is drawn at its place all the same.
        EXPECT_NE(window->findItem(74), nullptr);
        int present = 0;
        for (const SkinItem& item : window->items()) {
            present += item.present() ? 1 : 0;
        }
        EXPECT_EQ(present, c.deviceType == 1 ? 91 : 90);
        EXPECT_EQ(window->items().size(), 93u);
    }
}

TEST_F(MainWindowTest, OpensOnTheFirstLayerAndSwitchesLayers) {
    auto window = openMainWindow();
    EXPECT_EQ(profile->currentLayer, 0);
    EXPECT_EQ(profile->askSaveOnExit, 0);
    EXPECT_EQ(window->size(), QSize(1080, 690));
    QImage shown = window->grab().toImage();
    // The label of the layer not shown is copied from the active picture.
    EXPECT_TRUE(window->findItem(77)->active);
    EXPECT_FALSE(window->findItem(78)->active);
    EXPECT_EQ(shown.pixelColor(301, 161), kActiveColour);
    EXPECT_EQ(shown.pixelColor(301, 136), kBackgroundColour);
    // T (key 21) is set on the first layer only, Y (22) on both.
    EXPECT_TRUE(window->findItem(120)->active);
    EXPECT_TRUE(window->findItem(121)->active);

    window->command(CVrelDlg::SwitchLayer);
    shown = window->grab().toImage();
    EXPECT_EQ(profile->currentLayer, 1);
    EXPECT_FALSE(window->findItem(77)->active);
    EXPECT_TRUE(window->findItem(78)->active);
    EXPECT_EQ(shown.pixelColor(301, 136), kActiveColour);
    EXPECT_FALSE(window->findItem(120)->active);
    EXPECT_TRUE(window->findItem(121)->active);
    const QPoint t = keyCentre(*window, 21);
    EXPECT_EQ(shown.pixelColor(t), kBackgroundColour);

    window->command(CVrelDlg::SwitchLayer);
    window->grab();
    EXPECT_EQ(profile->currentLayer, 0);
    EXPECT_TRUE(window->findItem(120)->active);
}

TEST_F(MainWindowTest, HintShowsBothLayersOfTheKeyUnderThePointer) {
    auto window = openMainWindow();
    // Key 1: NotSet on the first layer, a macro on the Fn layer.
    profile->keyMode[slot(1, 0)] = toInt(KeyMode::NotSet);
    profile->keyMode[slot(1, 1)] = toInt(KeyMode::Macro);
    // Key 2: a combination of two keys, and an empty emulation.
    profile->keyMode[slot(2, 0)] = toInt(KeyMode::Combo);
    profile->keyList[slot(2, 0)].append(u"Left CONTROL");
    profile->keyList[slot(2, 0)].append(u"C");
    profile->keyMode[slot(2, 1)] = toInt(KeyMode::Emulation);
    // Key 3: an empty combination on the first layer.
    profile->keyMode[slot(3, 0)] = toInt(KeyMode::Combo);

    const struct {
        const char* language;
        int keyId;
        std::u16string hint;
    } cases[] = {
        {"en-US", 1, u"First Layer: NotSet\r\nFn Layer: Macro"},
        {"zh-CN", 1, u"首层：未设置\r\nFn层：宏定义"},
        {"en-US", 2, u"First Layer: Left CONTROL | C\r\nFn Layer: "},
        {"en-US", 3, u"First Layer: \r\nFn Layer: F2"},
        {"en-US", 64, u"First Layer: FN\r\nFn Layer: FN"},
        {"zh-CN", 30, u"首层：DEL\r\nFn层：Mute"},
        {"de-DE", 30, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language + std::to_string(c.keyId));
        profile->language = c.language;
        EXPECT_EQ(hintFor(*window, c.keyId), c.hint);
    }
    profile->language = "en-US";
    hintFor(*window, 1);
    EXPECT_EQ(window->hintBox()->toPlainText(), "First Layer: NotSet\nFn Layer: Macro");
    // Off the keys the box is cleared at the next paint.
    window->hitTest({5, 5});
    window->grab();
    EXPECT_TRUE(window->hintText().empty());
    EXPECT_TRUE(window->hintBox()->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, LanguageTogglesBetweenTwoCodes) {
    auto window = openMainWindow();
    const std::pair<const char*, const char*> cases[] = {
        {"zh-CN", "en-US"}, {"en-US", "zh-CN"}, {"fr-FR", "zh-CN"}, {"", "zh-CN"}};
    for (const auto& [before, after] : cases) {
        profile->language = before;
        window->command(CVrelDlg::Language);
        EXPECT_EQ(profile->language, after) << before;
    }
}

TEST_F(MainWindowTest, WriteThenReadKeysThroughTheProgressWindow) {
    auto window = openMainWindow();
    profile->keyCode[slot(17, 0)] = 43;  // Q sends A
    window->command(CVrelDlg::WriteKeys);
    EXPECT_EQ(messages(), QStringList{"OK!"});
    EXPECT_EQ(profile->askSaveOnExit, 1);

    profile->restoreDefaults();
    profile->askSaveOnExit = 0;
    EXPECT_EQ(profile->keyCode[slot(17, 0)], 29);
    window->command(CVrelDlg::ReadKeys);
    EXPECT_EQ(messages(), (QStringList{"OK!", "读取键值完成!"}));
    EXPECT_EQ(profile->askSaveOnExit, 1);
    EXPECT_EQ(profile->keyCode[slot(17, 0)], 43);
    EXPECT_EQ(profile->keyMode[slot(17, 0)], toInt(KeyMode::Single));

    profile->language = "en-US";
    window->command(CVrelDlg::ReadKeys);
    EXPECT_EQ(messages().back(), "Read keys completed!");
}

TEST_F(MainWindowTest, FailedTransfersAreReportedAsFailures) {
    auto window = openMainWindow();
    keyboard->failWrite(5);
    window->command(CVrelDlg::WriteKeys);
    EXPECT_EQ(messages(), QStringList{"更新键盘失败!"});
    EXPECT_EQ(profile->askSaveOnExit, 0);

    profile->keyCode[slot(17, 0)] = 43;
    profile->language = "en-US";
    keyboard->failWrite(1);
    window->command(CVrelDlg::ReadKeys);
    EXPECT_EQ(messages().back(), "Read keys failed!");
    EXPECT_EQ(profile->askSaveOnExit, 0);
    EXPECT_EQ(profile->keyCode[slot(17, 0)], 43);
}

TEST_F(MainWindowTest, ExitAsksToSaveOnlyAfterATransfer) {
    {
        auto window = openMainWindow();
        window->command(CVrelDlg::Exit);
        EXPECT_EQ(countRequests(Kind::YesNo), 0);
        EXPECT_TRUE(ended(*window));
    }
    {
        // "No" still exits.
        auto window = openMainWindow();
        window->command(CVrelDlg::WriteKeys);
        dialogs.answerYesNo(false);
        window->command(CVrelDlg::Exit);
        ASSERT_EQ(countRequests(Kind::YesNo), 1);
        EXPECT_EQ(dialogs.requests().back().text, "是否保存配置文件?");
        EXPECT_EQ(dialogs.requests().back().caption, "Talvane68");
        EXPECT_EQ(countRequests(Kind::SaveFile), 0);
        EXPECT_TRUE(ended(*window));
    }
}

TEST_F(MainWindowTest, ExitSavesWhenAskedAndStaysOpenWhenSavingFails) {
    auto window = openMainWindow();
    profile->language = "en-US";
    window->command(CVrelDlg::ReadKeys);
    ASSERT_EQ(profile->askSaveOnExit, 1);

    dialogs.answerYesNo(true);
    dialogs.answerFile(QString::fromStdString((dir / "missing-folder" / "a.prf").string()));
    window->command(CVrelDlg::Exit);
    EXPECT_EQ(messages().back(), "Save configuration file failed!");
    EXPECT_FALSE(ended(*window));

    const auto path = dir / "exit.prf";
    dialogs.answerYesNo(true);
    dialogs.answerFile(QString::fromStdString(path.string()));
    window->command(CVrelDlg::Exit);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(ended(*window));
    for (const auto& request : dialogs.requests()) {
        if (request.kind == Kind::YesNo) {
            EXPECT_EQ(request.text, "Save configuration file?");
        }
    }
}

TEST_F(MainWindowTest, SaveThenLoadAProfile) {
    auto window = openMainWindow();
    profile->keyMode[slot(5, 1)] = toInt(KeyMode::Combo);
    profile->keyList[slot(5, 1)].append(u"A");
    profile->keyColor[5] = {10, 20, 30};
    const auto path = dir / "profile1.prf";
    dialogs.answerFile(QString::fromStdString(path.string()));
    window->command(CVrelDlg::SaveProfile);
    ASSERT_EQ(dialogs.requests().back().kind, Kind::SaveFile);
    const FileDialogOptions& options = dialogs.requests().back().file;
    EXPECT_EQ(options.defaultSuffix, "prf");
    EXPECT_EQ(options.initialFileName, "profile1.prf");
    EXPECT_EQ(options.filter, "prf(*.prf);;All Files(*.*)");
    EXPECT_TRUE(options.overwritePrompt);
    ASSERT_TRUE(std::filesystem::exists(path));

    window->command(CVrelDlg::Defaults);
    profile->keyColor[5] = {0, 0, 0};
    EXPECT_EQ(profile->keyMode[slot(5, 1)], toInt(KeyMode::Single));
    dialogs.answerFile(QString::fromStdString(path.string()));
    window->command(CVrelDlg::LoadProfile);
    EXPECT_EQ(dialogs.requests().back().kind, Kind::OpenFile);
    EXPECT_EQ(profile->keyMode[slot(5, 1)], toInt(KeyMode::Combo));
    ASSERT_EQ(profile->keyList[slot(5, 1)].count(), 1);
    EXPECT_EQ(profile->keyList[slot(5, 1)].items()[0], u"A");
    EXPECT_EQ((profile->keyColor[5]), (std::array<std::int32_t, 3>{10, 20, 30}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MainWindowTest, ProfileThatCannotBeLoadedChangesNothing) {
    auto window = openMainWindow();
    profile->keyCode[slot(17, 0)] = 43;
    const auto garbage = dir / "garbage.prf";
    std::ofstream(garbage) << "this is no profile";
    const std::filesystem::path cases[] = {dir / "absent.prf", garbage};
    for (const auto& path : cases) {
        SCOPED_TRACE(path.string());
        dialogs.answerFile(QString::fromStdString(path.string()));
        window->command(CVrelDlg::LoadProfile);
        EXPECT_EQ(messages().back(), "导入配置文件失败!");
        EXPECT_EQ(profile->keyCode[slot(17, 0)], 43);
    }
    // A cancelled dialog loads nothing and says nothing.
    const int shown = static_cast<int>(messages().size());
    window->command(CVrelDlg::LoadProfile);
    EXPECT_EQ(messages().size(), shown);
}

TEST_F(MainWindowTest, ClickOnAKeyOpensItsAssignment) {
    auto window = openMainWindow();
    window->show();
    click(*window, keyCentre(*window, 17));
    EXPECT_EQ(profile->editKeyId, 17);
    EXPECT_EQ(messages(), QStringList{"该窗口暂未提供!"});
    // The background is no command.
    click(*window, {5, 5});
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(MainWindowTest, HelpAndWebSiteOpenInTheBrowser) {
    auto window = openMainWindow();
    window->command(CVrelDlg::Help);
    profile->language = "en-US";
    window->command(CVrelDlg::Help);
    window->command(CVrelDlg::WebSite);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("/Talvane68CN.html"));
    EXPECT_TRUE(opened[1].toLocalFile().endsWith("/Talvane68EN.html"));
    EXPECT_EQ(opened[2], QUrl(CVrelDlg::kWebSite));
}

TEST_F(MainWindowTest, UnpluggingTheKeyboardEndsTheProgram) {
    CVrelDlg window(resources, *profile);
    QTimer::singleShot(50, [this] { keyboard->unplug(); });
    bool timedOut = false;
    QTimer::singleShot(8000, [&] {
        timedOut = true;
        window.done(kDialogOk);
    });
    window.exec();
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(messages(), QStringList{"Keyboard is disconnected"});
}

TEST_F(MainWindowTest, UnpluggingDuringAWriteClosesTheProgressWindowFirst) {
    GatedKeyboard gated(30, *profile, dir.string());
    auto window = openMainWindow();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (gated.gate.isHolding()) {
            poll.stop();
            keyboard->unplug();
            window->checkKeyboard();
        }
    });
    poll.start(5);
    window->command(CVrelDlg::WriteKeys);
    gated.gate.open();
    // The progress window ended as cancelled: no "OK!" and no failure message.
    EXPECT_EQ(messages(), QStringList{"Keyboard is disconnected"});
    EXPECT_TRUE(ended(*window));
    EXPECT_EQ(profile->askSaveOnExit, 0);
    EXPECT_TRUE(profile->device.isCancelled());
}

TEST_F(MainWindowTest, HiddenWindowComesBackFromTheNotificationArea) {
    auto window = openMainWindow();
    window->show();
    window->command(CVrelDlg::Hide);
    EXPECT_FALSE(ended(*window));
    window->restoreFromNotificationArea();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->trayIcon()->isVisible());
    EXPECT_EQ(window->trayIcon()->toolTip(), "Talvane68");

    // The icon's menu has one entry in the current language; it ends the
    // program without the save question, even after a transfer.
    window->command(CVrelDlg::ReadKeys);
    QMenu* menu = window->trayIcon()->contextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    const std::pair<const char*, const char*> captions[] = {{"zh-CN", "关闭"}, {"en-US", "Exit"}};
    for (const auto& [language, caption] : captions) {
        profile->language = language;
        Q_EMIT menu->aboutToShow();
        EXPECT_EQ(menu->actions().front()->text(), caption);
    }
    menu->actions().front()->trigger();
    EXPECT_TRUE(ended(*window));
    EXPECT_EQ(countRequests(Kind::YesNo), 0);
}

}  // namespace
}  // namespace talvane68
