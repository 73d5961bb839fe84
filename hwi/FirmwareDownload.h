#pragma once

// Sends a firmware text to the keyboard, one record per report
// (00 3A record bytes, zeros after), posting WM_DEVICE_PROGRESS 1..150 as
// the lines go out. The text is checked whole before the first report.

#include "hwi/ReportStream.h"
#include "platform/messaging/Messaging.h"

namespace talvane68 {

class CKeyboardUtil;

class FirmwareDownload {
public:
    FirmwareDownload(CKeyboardUtil* transport, const TransferControl& control);

    // True when every record was sent. False, with nothing sent, for a text
    // that is not a valid firmware file; false at once on a failed write or
    // a cancel.
    bool run(const char* text, int size, WindowHandle window);

private:
    ReportStream m_stream;
};

}  // namespace talvane68
