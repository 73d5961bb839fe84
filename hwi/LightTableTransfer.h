#pragma once

// Moves the 207-byte light table between the model and the keyboard.
//
// Write: E1 begin, chunks "00 E0 n bytes..." of 61, 61, 61 and 24 bytes,
// and the end report whose payload is E6 throughout. Nothing is read back.
// Read: E2 request, then chunks (payload byte 1 = E0) filling the table in
// order, until a report whose payload byte 1 is E6.

#include "hwi/ReportStream.h"

namespace talvane68 {

class CVrel;

class LightTableTransfer {
public:
    static constexpr int kMaxChunk = 61;

    LightTableTransfer(CVrel& model, const TransferControl& control);

    // Stores the low bytes of the 207 ints, then sends the table. A failed
    // report write ends the transfer silently and still counts as done
    // (true); only a cancel returns false.
    bool write(const int* area);
    // True when the end report arrived. Chunks are clipped to 61 bytes and
    // to the table's end; what arrived before a failure stays.
    bool read();

private:
    CVrel& m_model;
    ReportStream m_stream;
    const TransferControl m_control;
};

}  // namespace talvane68
