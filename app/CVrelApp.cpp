#include "app/CVrelApp.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "app/AppIcon.h"
#include "mainwindow/CVrelDlg.h"
#include "platform/ui/DialogService.h"

namespace talvane68 {

int CVrelApp::initInstance(const QString& programDir) {
    // The skin file sits beside the program, where the build puts it.
    const QString skinFile = QDir(programDir).filePath(skinFileName());
    const QString error = m_resources.loadBitmaps(skinFile);
    if (!error.isEmpty()) {
        // Every window takes its size from its pictures: without them nothing
        // can be shown, so say why and stop before any window opens.
        dialogService().messageBox(nullptr, error + QStringLiteral("\nTalvane68 cannot start without it."),
                                   QStringLiteral("Talvane68"));
        return 1;
    }
    // The captions are laid out for a compact face; one that carries both
    // Latin and Chinese gives every caption the same style.
    if (QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Micro Hei"))) {
        QFont font = QApplication::font();
        font.setFamily(QStringLiteral("WenQuanYi Micro Hei"));
        QApplication::setFont(font);
    }
    m_resources.createDrawingResources();
    m_profile.buildKeyTables();
    m_profile.language = "zh-CN";

    int result = 0;
    {
        CVrelDlg window(m_resources, m_profile);
        window.setWindowIcon(appIcon());
        result = runMainWindow(window);
    }
    m_resources.freeBitmaps();
    (void)result;  // the process ends normally however the window closed
    return 0;
}

int CVrelApp::runMainWindow(QDialog& window) {
    return window.exec();
}

}  // namespace talvane68
