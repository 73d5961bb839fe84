#include "platform/ui/QtDialogService.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace talvane68 {
namespace {

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    if (!options.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(options.defaultSuffix);
    }
    if (!options.filter.isEmpty()) {
        dialog.setNameFilter(options.filter);
    }
    if (!options.initialFileName.isEmpty()) {
        dialog.selectFile(options.initialFileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

void QtDialogService::messageBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogService::askYesNo(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogService::openFile(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, false);
}

std::optional<QString> QtDialogService::saveFile(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, true);
}

std::optional<QColor> QtDialogService::chooseColour(QWidget* parent, const QColor& initial) {
    // Qt's colour dialog always shows its full form (custom colours included).
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

}  // namespace talvane68
