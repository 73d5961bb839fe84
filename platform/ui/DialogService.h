#pragma once

// The standard boxes the windows ask the user through: message box, yes/no
// question, open file, save file and colour. Windows reach the service of the
// process through dialogService(); tests install a scripted one so that no
// test ever blocks on a modal box.

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace talvane68 {

struct FileDialogOptions {
    QString defaultSuffix;    // appended when the user types a bare name, e.g. "prf"
    QString initialFileName;  // e.g. "profile1.prf"
    QString filter;           // Qt form: "prf (*.prf);;All Files (*.*)"; empty: no filter
    bool overwritePrompt = false;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    // A message with an OK button.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& caption) = 0;
    // A question with a question icon and Yes/No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    // The colour dialog in its full form, starting from initial; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
};

// The service in use: the Qt one unless a test installed another.
DialogService& dialogService();
// Installs a service (not owned); nullptr goes back to the Qt one.
void setDialogService(DialogService* service);

}  // namespace talvane68
