#pragma once

// The main window: the keyboard picture with the assignment of the key under
// the pointer, and the program's commands as skinned buttons. It opens the
// keyboard when it opens, watches for the keyboard being unplugged, hides to
// the notification area, and ends the program when it closes.

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <string>

#include "skin/SkinnedDialog.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QSystemTrayIcon;
class QUrl;

namespace talvane68 {

class KeyboardProfile;

class CVrelDlg : public SkinnedDialog {
public:
    // Command ids of the buttons.
    enum Command {
        Help = 86,
        Hide = 87,
        Exit = 88,
        Language = 89,
        SaveProfile = 90,
        LoadProfile = 91,
        Defaults = 92,
        WriteKeys = 93,
        Backlight = 94,
        SwitchLayer = 95,
        ReadKeys = 96,
        FirmwareUpdate = 97,
        WebSite = 99,
    };

    // The maker's web site (command 99).
    static constexpr const char* kWebSite = "https://talvane68.example.org/";

    CVrelDlg(const SkinResources& resources, KeyboardProfile& profile, QWidget* parent = nullptr);
    ~CVrelDlg() override;

    // Opens (see initDialog), shows the window and runs until it is ended.
    // Hiding the window to the notification area does not end it.
    int exec() override;
    void done(int result) override;

    // Acts on a command id as a click on its item does (-1: nothing; an id
    // of 100 or more: the key of that item).
    void command(int id);

    // The keyboard watch: ends the program when the keyboard is gone.
    void checkKeyboard();

    // What the hint box shows (line ends as "\r\n").
    const std::u16string& hintText() const { return m_hint; }
    QPlainTextEdit* hintBox() const { return m_hintBox; }
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
    // Restores the window from the notification area (the icon's double click).
    void restoreFromNotificationArea();
    // The icon menu's one entry: ends the program without the save question.
    void exitFromNotificationArea();

    // Opens help files and web sites; tests replace it. Returns false when
    // nothing could be opened.
    using UrlOpener = std::function<bool(const QUrl&)>;
    static void setUrlOpener(UrlOpener opener);

protected:
    void initDialog() override;
    void prepareForPaint() override;
    void onItemClicked(int id) override;

private:
    void showMessage(const QString& text);
    void setLayerShown(int layer);
    void prepareTrayIcon();
    void hideToNotificationArea();
    void openHelp();
    void exitCommand();
    void writeKeys();
    void readKeys();
    void closeModalWindows();

    const SkinResources& m_resources;
    KeyboardProfile& m_profile;
    QPlainTextEdit* m_hintBox = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_trayExit = nullptr;
    QTimer m_keyboardWatch;
    QEventLoop m_loop;
    std::u16string m_hint;
    bool m_finished = false;
};

}  // namespace talvane68
