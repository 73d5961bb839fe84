#include "mainwindow/CVrelDlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QUrl>

#include "deviceops/CVrelDialogProgress.h"
#include "deviceops/DeviceOperationWorker.h"
#include "mainwindow/KeyHint.h"
#include "mainwindow/ProfileFileCommands.h"
#include "mainwindow/SecondaryWindows.h"
#include "platform/ui/DialogResult.h"
#include "platform/ui/DialogService.h"
#include "profile/KeyboardProfile.h"
#include "skin/tables/MainWindowItems.h"

namespace talvane68 {
namespace {

const QString kProgramName = QStringLiteral("Talvane68");
constexpr int kKeyboardWatchMs = 1000;
constexpr int kHintFont = 17;
constexpr Colour kHintText = rgb(255, 230, 0);

CVrelDlg::UrlOpener& urlOpener() {
    static CVrelDlg::UrlOpener opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return opener;
}

bool isChinese(const std::string& language) {
    return language == "zh-CN";
}

// The application icon, or a small keyboard drawn here when the program
// has none set.
QIcon applicationIcon() {
    if (!QApplication::windowIcon().isNull()) {
        return QApplication::windowIcon();
    }
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(52, 52, 52));
    painter.setPen(QColor(255, 230, 0));
    painter.drawRoundedRect(QRectF(1.5, 7.5, 29, 17), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 0));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            painter.drawRect(4 + column * 4, 10 + row * 4, 3, 3);
        }
    }
    return QIcon(picture);
}

}  // namespace

CVrelDlg::CVrelDlg(const SkinResources& resources, KeyboardProfile& profile, QWidget* parent)
    : SkinnedDialog(resources, kMainWindowSpec, SkinRules::mainWindow(), profile.language, parent),
      m_resources(resources),
      m_profile(profile) {
    setWindowFlag(Qt::Window, true);
    m_hintBox = new QPlainTextEdit(this);
    m_hintBox->setReadOnly(true);
    // The box only shows; it never takes the focus, so it never shows a caret.
    m_hintBox->setFocusPolicy(Qt::NoFocus);
    m_hintBox->setTextInteractionFlags(Qt::NoTextInteraction);
    m_hintBox->setFrameShape(QFrame::NoFrame);
    m_hintBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hintBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hintBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_hintBox->document()->setDocumentMargin(1);
    m_hintBox->hide();
    m_keyboardWatch.setInterval(kKeyboardWatchMs);
    QObject::connect(&m_keyboardWatch, &QTimer::timeout, this, [this] { checkKeyboard(); });
}

CVrelDlg::~CVrelDlg() {
    m_keyboardWatch.stop();
    if (m_trayIcon != nullptr) {
        m_trayIcon->hide();
    }
    // The worker drives the profile's device; it must be done before the
    // profile can go.
    DeviceOperationWorker::shared().cancel();
    DeviceOperationWorker::shared().wait();
}

void CVrelDlg::setUrlOpener(UrlOpener opener) {
    urlOpener() = opener ? std::move(opener) : [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

int CVrelDlg::exec() {
    initialise();
    if (m_finished) {
        return result();
    }
    show();
    // A loop of our own rather than the dialog's: hiding the window to the
    // notification area must not end it.
    m_loop.exec();
    return result();
}

void CVrelDlg::done(int result) {
    m_finished = true;
    m_keyboardWatch.stop();
    if (m_trayIcon != nullptr) {
        m_trayIcon->hide();
    }
    SkinnedDialog::done(result);
    m_loop.exit(0);
}

void CVrelDlg::showMessage(const QString& text) {
    dialogService().messageBox(isVisible() ? this : nullptr, text, kProgramName);
}

void CVrelDlg::initDialog() {
    CVrelHWI& device = m_profile.device;
    if (!device.__createDev()) {
        showMessage(QStringLiteral("Keyboard is disconnected!"));
        done(kDialogCancel);
        return;
    }
    // A keyboard that another instance holds answers no query.
    char16_t version[64] = {};
    if (!device.ReadKeyboardVersion(version)) {
        showMessage(QStringLiteral("Software has be opened!"));
        done(kDialogCancel);
        return;
    }
    m_profile.deviceType = device.DetectDeviceType();
    // The icon start-up gave the window, else the program's.
    if (windowIcon().isNull()) {
        setWindowIcon(applicationIcon());
    }
    SkinnedDialog::initDialog();
    items() = mainWindowItems(m_profile.deviceType);
    m_profile.currentLayer = 0;
    m_profile.restoreDefaults();
    setLayerShown(0);
    m_profile.askSaveOnExit = 0;
    prepareTrayIcon();
    m_hintBox->setGeometry(670, 120, 230, 38);
    m_hintBox->setFont(m_resources.font(kHintFont));
    styleEditBox(*m_hintBox, kHintText);
    m_hintBox->show();
    m_keyboardWatch.start();
    update();
}

void CVrelDlg::setLayerShown(int layer) {
    m_profile.currentLayer = layer;
    // The label of the layer shown is drawn in yellow, the other one from
    // the active picture.
    if (SkinItem* fn = findItem(kMainLabelFnLayer)) {
        fn->active = layer == 0;
    }
    if (SkinItem* first = findItem(kMainLabelFirstLayer)) {
        first->active = layer != 0;
    }
}

void CVrelDlg::prepareTrayIcon() {
    // The program ends when this window closes, not when its last visible
    // window (a message box shown while hidden) does.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_trayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_trayIcon->setToolTip(kProgramName);
    m_trayMenu = new QMenu(this);
    m_trayExit = m_trayMenu->addAction(QString());
    QObject::connect(m_trayMenu, &QMenu::aboutToShow, this, [this] {
        const std::string& language = m_profile.language;
        m_trayExit->setVisible(language == "zh-CN" || language == "en-US");
        m_trayExit->setText(isChinese(language) ? QStringLiteral("关闭") : QStringLiteral("Exit"));
    });
    QObject::connect(m_trayExit, &QAction::triggered, this, [this] { exitFromNotificationArea(); });
    m_trayIcon->setContextMenu(m_trayMenu);
    QObject::connect(m_trayIcon, &QSystemTrayIcon::activated, this,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick) {
                             restoreFromNotificationArea();
                         }
                     });
}

void CVrelDlg::hideToNotificationArea() {
    if (m_trayIcon != nullptr) {
        m_trayIcon->show();
    }
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
    } else {
        // Without a notification area the icon could never bring the window
        // back; keep it reachable from the task bar instead.
        showMinimized();
    }
}

void CVrelDlg::restoreFromNotificationArea() {
    showNormal();
    if (m_trayIcon != nullptr) {
        m_trayIcon->hide();
    }
}

void CVrelDlg::exitFromNotificationArea() {
    done(kDialogCancel);
}

void CVrelDlg::prepareForPaint() {
    // While a transfer runs the worker rewrites the key assignments; the
    // window keeps showing what it showed before until it is done.
    if (DeviceOperationWorker::shared().isRunning()) {
        return;
    }
    const QPoint point = lastPointerPosition();
    std::u16string hint;
    for (SkinItem& item : items()) {
        if (item.id < kMainFirstKeyId || item.keyIndex < 1) {
            continue;
        }
        item.active = m_profile.keyMode[slot(item.keyIndex, m_profile.currentLayer)] > 0;
        if (!item.label && item.rect.contains(point.x(), point.y())) {
            hint = keyHintText(m_profile, item.keyIndex);
        }
    }
    if (hint != m_hint) {
        m_hint = hint;
        QString shown = QString::fromStdU16String(hint);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_hintBox->setPlainText(shown);
    }
}

void CVrelDlg::onItemClicked(int id) {
    command(id);
}

void CVrelDlg::command(int id) {
    switch (id) {
        case -1:
            break;
        case Help:
            openHelp();
            break;
        case Hide:
            hideToNotificationArea();
            break;
        case Exit:
            exitCommand();
            break;
        case Language:
            m_profile.language = m_profile.language == "zh-CN" ? "en-US" : "zh-CN";
            update();
            break;
        case SaveProfile:
            saveProfileWithDialog(this, m_profile);
            update();
            break;
        case LoadProfile:
            loadProfileWithDialog(this, m_profile);
            update();
            break;
        case Defaults:
            m_profile.restoreDefaults();
            update();
            break;
        case WriteKeys:
            writeKeys();
            break;
        case Backlight:
            openBacklightWindow(this, m_resources, m_profile);
            break;
        case SwitchLayer:
            setLayerShown(m_profile.currentLayer == 0 ? 1 : 0);
            update();
            break;
        case ReadKeys:
            readKeys();
            break;
        case FirmwareUpdate:
            openFirmwareUpdateWindow(this, m_resources, m_profile);
            break;
        case WebSite:
            urlOpener()(QUrl(QString::fromLatin1(kWebSite)));
            break;
        default:
            if (const SkinItem* key = findItem(id); key != nullptr && key->keyIndex > 0) {
                m_profile.editKeyId = key->keyIndex;
                openKeyAssignmentWindow(this, m_resources, m_profile);
                update();
            }
            break;
    }
}

void CVrelDlg::openHelp() {
    const QString program = QCoreApplication::applicationFilePath();
    const QString folder = program.left(program.lastIndexOf(QLatin1Char('/')));
    QString name;
    if (m_profile.language == "zh-CN") {
        name = QStringLiteral("/Talvane68CN.html");
    } else if (m_profile.language == "en-US") {
        name = QStringLiteral("/Talvane68EN.html");
    } else {
        return;
    }
    const QString path = folder + name;
    if (!QFileInfo::exists(path)) {
        showMessage(isChinese(m_profile.language) ? QStringLiteral("找不到帮助文件!")
                                                  : QStringLiteral("Help file not found!"));
        return;
    }
    urlOpener()(QUrl::fromLocalFile(path));
}

void CVrelDlg::exitCommand() {
    if (m_profile.askSaveOnExit != 0) {
        const QString question = isChinese(m_profile.language) ? QStringLiteral("是否保存配置文件?")
                                                               : QStringLiteral("Save configuration file?");
        if (dialogService().askYesNo(this, question, kProgramName)) {
            const ProfileFileResult saved = saveProfileWithDialog(this, m_profile);
            update();
            // The user wanted the configuration kept: stay open so that it
            // can be saved elsewhere.
            if (saved == ProfileFileResult::Failed) {
                return;
            }
        }
    }
    done(kDialogCancel);
}

void CVrelDlg::writeKeys() {
    const int result =
        runProgressWindow(this, m_resources, m_profile, static_cast<int>(DeviceOperation::WriteKeys));
    if (result == kDialogOk) {
        m_profile.askSaveOnExit = 1;
        showMessage(QStringLiteral("OK!"));
    } else if (result == kProgressFailed) {
        showMessage(isChinese(m_profile.language) ? QStringLiteral("更新键盘失败!")
                                                  : QStringLiteral("Update keyboard failed!"));
    }
    update();
}

void CVrelDlg::readKeys() {
    const int result =
        runProgressWindow(this, m_resources, m_profile, static_cast<int>(DeviceOperation::ReadKeys));
    if (result == kDialogOk) {
        m_profile.askSaveOnExit = 1;
        if (m_profile.language == "zh-CN") {
            showMessage(QStringLiteral("读取键值完成!"));
        } else if (m_profile.language == "en-US") {
            showMessage(QStringLiteral("Read keys completed!"));
        }
    } else if (result == kProgressFailed) {
        showMessage(isChinese(m_profile.language) ? QStringLiteral("读取键值失败!")
                                                  : QStringLiteral("Read keys failed!"));
    }
    update();
}

void CVrelDlg::closeModalWindows() {
    // Windows opened from this one end first, so that their loops unwind
    // before this window's does.
    for (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this;
         modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        if (modal->isVisible()) {
            break;
        }
    }
}

void CVrelDlg::checkKeyboard() {
    if (m_finished || m_profile.device.DetectDevice()) {
        return;
    }
    m_keyboardWatch.stop();
    closeModalWindows();
    if (m_trayIcon != nullptr) {
        m_trayIcon->hide();
    }
    showMessage(QStringLiteral("Keyboard is disconnected"));
    done(kDialogCancel);
}

}  // namespace talvane68
