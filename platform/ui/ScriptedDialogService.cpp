#include "platform/ui/ScriptedDialogService.h"

namespace talvane68 {

void ScriptedDialogService::clear() {
    m_requests.clear();
    m_yesNo.clear();
    m_files.clear();
    m_colours.clear();
}

void ScriptedDialogService::messageBox(QWidget*, const QString& text, const QString& caption) {
    m_requests.push_back({Kind::Message, text, caption, {}, {}});
}

bool ScriptedDialogService::askYesNo(QWidget*, const QString& text, const QString& caption) {
    m_requests.push_back({Kind::YesNo, text, caption, {}, {}});
    if (m_yesNo.empty()) {
        return false;
    }
    const bool yes = m_yesNo.front();
    m_yesNo.pop_front();
    return yes;
}

std::optional<QString> ScriptedDialogService::nextFile() {
    if (m_files.empty()) {
        return std::nullopt;
    }
    const auto [chosen, path] = m_files.front();
    m_files.pop_front();
    if (!chosen) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> ScriptedDialogService::openFile(QWidget*, const FileDialogOptions& options) {
    m_requests.push_back({Kind::OpenFile, {}, {}, options, {}});
    return nextFile();
}

std::optional<QString> ScriptedDialogService::saveFile(QWidget*, const FileDialogOptions& options) {
    m_requests.push_back({Kind::SaveFile, {}, {}, options, {}});
    return nextFile();
}

std::optional<QColor> ScriptedDialogService::chooseColour(QWidget*, const QColor& initial) {
    m_requests.push_back({Kind::Colour, {}, {}, {}, initial});
    if (m_colours.empty()) {
        return std::nullopt;
    }
    const std::optional<QColor> colour = m_colours.front();
    m_colours.pop_front();
    return colour;
}

}  // namespace talvane68
