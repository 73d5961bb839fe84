#pragma once

// The application object: it owns the skin's drawing resources for the whole
// run and performs start-up. The Qt application object and the one
// KeyboardProfile exist before it and outlive it.

#include <QString>

#include "profile/KeyboardProfile.h"
#include "skin/SkinResources.h"

class QDialog;

namespace talvane68 {

class CVrelApp {
public:
    explicit CVrelApp(KeyboardProfile& profile) : m_profile(profile) {}
    virtual ~CVrelApp() = default;
    CVrelApp(const CVrelApp&) = delete;
    CVrelApp& operator=(const CVrelApp&) = delete;

    // Start-up: loads the skin from programDir/Talvane68RES.rcc, creates the
    // brush and the fonts, builds the key tables (the language becomes
    // "zh-CN"), runs the main window modally and frees the skin when it has
    // closed. Returns the process exit code: 0 after the main window, 1 when
    // the skin could not be loaded (the user is told why; no window opens).
    int initInstance(const QString& programDir);

    const SkinResources& resources() const { return m_resources; }
    KeyboardProfile& profile() { return m_profile; }

    static QString skinFileName() { return QStringLiteral("Talvane68RES.rcc"); }

protected:
    // Runs the main window; tests replace the modal loop.
    virtual int runMainWindow(QDialog& window);

private:
    KeyboardProfile& m_profile;
    SkinResources m_resources;
};

}  // namespace talvane68
