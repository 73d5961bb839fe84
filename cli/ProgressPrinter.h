#pragma once

// Shows a transfer's WM_DEVICE_PROGRESS messages on a stream: on a terminal
// one line updated in place, elsewhere a line at every tenth of the way.

#include <ostream>
#include <string>

#include "platform/messaging/Messaging.h"

namespace talvane68::cli {

class ProgressPrinter : public MessageSink {
public:
    ProgressPrinter(std::ostream& out, bool interactive, std::string label, int total, int offset);
    ~ProgressPrinter() override;
    ProgressPrinter(const ProgressPrinter&) = delete;
    ProgressPrinter& operator=(const ProgressPrinter&) = delete;

    WindowHandle window() const { return m_window; }
    void deliver(MessageId message, WParam wParam, LParam lParam) override;
    // Ends the line if anything was shown.
    void finish();

private:
    std::ostream& m_out;
    bool m_interactive;
    std::string m_label;
    int m_total;
    int m_offset;
    int m_lastTenth = 0;
    bool m_shown = false;
    WindowHandle m_window;
};

}  // namespace talvane68::cli
