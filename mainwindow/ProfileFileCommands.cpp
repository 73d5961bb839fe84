#include "mainwindow/ProfileFileCommands.h"

#include "profile/KeyboardProfile.h"
#include "profile/ProfileFile.h"

namespace talvane68 {
namespace {

const QString kCaption = QStringLiteral("Talvane68");

QString text(const KeyboardProfile& profile, const char16_t* zh, const char16_t* en) {
    return QString::fromUtf16(profile.language == "zh-CN" ? zh : en);
}

}  // namespace

FileDialogOptions profileFileDialogOptions() {
    FileDialogOptions options;
    options.defaultSuffix = QStringLiteral("prf");
    options.initialFileName = QStringLiteral("profile1.prf");
    options.filter = QStringLiteral("prf(*.prf);;All Files(*.*)");
    options.overwritePrompt = true;
    return options;
}

ProfileFileResult saveProfileWithDialog(QWidget* parent, KeyboardProfile& profile) {
    const std::optional<QString> path = dialogService().saveFile(nullptr, profileFileDialogOptions());
    if (!path) {
        return ProfileFileResult::Cancelled;
    }
    if (!saveProfile(profile, path->toStdString())) {
        dialogService().messageBox(
            parent, text(profile, u"保存配置文件失败!", u"Save configuration file failed!"), kCaption);
        return ProfileFileResult::Failed;
    }
    return ProfileFileResult::Done;
}

ProfileFileResult loadProfileWithDialog(QWidget* parent, KeyboardProfile& profile) {
    const std::optional<QString> path = dialogService().openFile(nullptr, profileFileDialogOptions());
    if (!path) {
        return ProfileFileResult::Cancelled;
    }
    if (!loadProfile(profile, path->toStdString())) {
        dialogService().messageBox(
            parent, text(profile, u"导入配置文件失败!", u"Load configuration file failed!"), kCaption);
        return ProfileFileResult::Failed;
    }
    return ProfileFileResult::Done;
}

}  // namespace talvane68
