#pragma once

// A dialog service for tests: it records every box that was asked for and
// answers from prepared answers, never showing anything. Without a prepared
// answer a question is answered No and a file or colour dialog is cancelled.

#include <deque>
#include <vector>

#include "platform/ui/DialogService.h"

namespace talvane68 {

class ScriptedDialogService : public DialogService {
public:
    enum class Kind { Message, YesNo, OpenFile, SaveFile, Colour };

    struct Request {
        Kind kind;
        QString text;     // message and question text
        QString caption;  // message and question caption
        FileDialogOptions file;
        QColor initialColour;
    };

    void answerYesNo(bool yes) { m_yesNo.push_back(yes); }
    // A path, or nothing for a cancelled dialog.
    void answerFile(const std::optional<QString>& path) {
        m_files.push_back({path.has_value(), path.value_or(QString())});
    }
    void answerColour(std::optional<QColor> colour) { m_colours.push_back(colour); }

    const std::vector<Request>& requests() const { return m_requests; }
    void clear();

    void messageBox(QWidget* parent, const QString& text, const QString& caption) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;

private:
    std::optional<QString> nextFile();

    std::vector<Request> m_requests;
    std::deque<bool> m_yesNo;
    std::deque<std::pair<bool, QString>> m_files;  // chosen, path
    std::deque<std::optional<QColor>> m_colours;
};

}  // namespace talvane68
