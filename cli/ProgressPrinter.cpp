#include "cli/ProgressPrinter.h"

#include "hwi/Talvane68HWI.h"

namespace talvane68::cli {

ProgressPrinter::ProgressPrinter(std::ostream& out, bool interactive, std::string label, int total,
                                 int offset)
    : m_out(out),
      m_interactive(interactive),
      m_label(std::move(label)),
      m_total(total > 0 ? total : 1),
      m_offset(offset),
      m_window(registerWindow(this)) {}

ProgressPrinter::~ProgressPrinter() {
    unregisterWindow(m_window);
    finish();
}

void ProgressPrinter::deliver(MessageId message, WParam wParam, LParam) {
    if (message != WM_DEVICE_PROGRESS) {
        return;
    }
    const int value = static_cast<int>(wParam) + m_offset;
    if (m_interactive) {
        m_out << "\r" << m_label << " " << value << "/" << m_total << std::flush;
        m_shown = true;
        return;
    }
    const int tenth = value * 10 / m_total;
    if (tenth > m_lastTenth) {
        m_lastTenth = tenth;
        m_out << m_label << " " << value << "/" << m_total << "\n";
    }
}

void ProgressPrinter::finish() {
    if (m_shown) {
        m_out << "\n" << std::flush;
        m_shown = false;
    }
}

}  // namespace talvane68::cli
