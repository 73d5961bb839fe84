#pragma once

// What every command of talvane68ctl works with: the one device object, the
// output streams, and the steps most commands share (opening the keyboard,
// reporting a failure, showing progress).

#include <iosfwd>
#include <memory>
#include <string>

#include "hwi/Talvane68HWI.h"

namespace talvane68::cli {

class ProgressPrinter;

constexpr int kDefaultCliTimeoutMs = 5000;

class Context {
public:
    Context(std::ostream& out, std::ostream& err, int readTimeoutMs);
    ~Context();

    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }
    CVrelHWI& device() { return m_device; }

    // Opens the keyboard and checks that it answers (the version query).
    // Prints why not and returns false when there is no keyboard or it does
    // not answer.
    bool openKeyboard();
    // The version text of the last successful openKeyboard(), in UTF-8.
    const std::string& versionText() const { return m_version; }

    // Prints "talvane68ctl: message" on err and returns 1, the failure status.
    int fail(const std::string& message);

    // A window handle for a transfer's progress messages: each
    // WM_DEVICE_PROGRESS is shown on err as "label n/total", the value being
    // wParam + offset. The printer lives until the next call or the end.
    WindowHandle progress(const std::string& label, int total, int offset);
    // Ends the current progress line.
    void endProgress();

private:
    std::ostream& m_out;
    std::ostream& m_err;
    CVrelHWI m_device;
    int m_readTimeoutMs;
    std::string m_version;
    std::unique_ptr<ProgressPrinter> m_progress;
};

// Text of a UTF-16 buffer of at most maxUnits units up to its first zero, in UTF-8.
std::string toUtf8(const char16_t* text, std::size_t maxUnits);
inline std::string toUtf8(const std::u16string& text) {
    return toUtf8(text.c_str(), text.size());
}

}  // namespace talvane68::cli
