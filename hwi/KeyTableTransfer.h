#pragma once

// Moves the whole key table between the model and the keyboard, posting
// WM_DEVICE_PROGRESS with the slot index (0..137) after each slot.
//
// Write: F1 begin, the records of slots 0..137 (an empty slot as a normal
// record without codes, a macro as all its blocks, an empty macro as
// nothing), F6 end. No acknowledgements.
// Read: F2 request, then key records (payload byte 1 = F0) until a report
// whose payload byte 0 is F6; anything else is ignored.

#include "hwi/ReportStream.h"
#include "platform/messaging/Messaging.h"

namespace talvane68 {

class CVrel;

class KeyTableTransfer {
public:
    KeyTableTransfer(CVrel& model, const TransferControl& control);

    // False as soon as a report write fails or the transfer is cancelled; no
    // end report then.
    bool write(WindowHandle window);
    // True when the end marker arrived; false on a failed write or read, a
    // timeout or a cancel, keeping the slots replaced so far. Records for a
    // layer outside 1..2, a key outside 1..69 or a kind above 4 are ignored.
    bool read(WindowHandle window);

private:
    bool readRecord(const std::uint8_t* first, WindowHandle window);

    CVrel& m_model;
    ReportStream m_stream;
};

}  // namespace talvane68
