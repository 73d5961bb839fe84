#include "mainwindow/SecondaryWindows.h"

#include <QString>

#include "deviceops/CVrelDialogProgress.h"
#include "platform/ui/DialogService.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {
namespace {

void notAvailableYet(QWidget* parent, const KeyboardProfile& profile) {
    const QString text = profile.language == "zh-CN" ? QStringLiteral("该窗口暂未提供!")
                                                     : QStringLiteral("This window is not available yet!");
    dialogService().messageBox(parent, text, QStringLiteral("Talvane68"));
}

}  // namespace

int runProgressWindow(QWidget* parent, const SkinResources& resources, KeyboardProfile& profile,
                      int operation) {
    CVrelDialogProgress progress(resources, profile, parent);
    progress.operation = operation;
    return progress.exec();
}

void openKeyAssignmentWindow(QWidget* parent, const SkinResources&, KeyboardProfile& profile) {
    notAvailableYet(parent, profile);
}

void openBacklightWindow(QWidget* parent, const SkinResources&, KeyboardProfile& profile) {
    notAvailableYet(parent, profile);
}

void openFirmwareUpdateWindow(QWidget* parent, const SkinResources&, KeyboardProfile& profile) {
    notAvailableYet(parent, profile);
}

}  // namespace talvane68
