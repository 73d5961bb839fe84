#pragma once

#include "platform/ui/DialogService.h"

namespace talvane68 {

// The dialog service on Qt's standard boxes.
class QtDialogService : public DialogService {
public:
    void messageBox(QWidget* parent, const QString& text, const QString& caption) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace talvane68
