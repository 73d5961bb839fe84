#pragma once

// Sends and receives 64-byte payloads over a transport for one transfer,
// honouring the transfer's cancel flag before every report and its read
// timeout.

#include <cstdint>

#include "hwi/TransferControl.h"

namespace talvane68 {

class CKeyboardUtil;

class ReportStream {
public:
    ReportStream(CKeyboardUtil* transport, const TransferControl& control)
        : m_transport(transport), m_control(control) {}

    // Sends payload as one report behind report id 0. False when cancelled or
    // the write fails.
    bool send(const std::uint8_t* payload);
    // Receives the next report's 64 payload bytes. False when cancelled (also
    // while waiting), on a failed read or on timeout.
    bool receive(std::uint8_t* payload);

private:
    CKeyboardUtil* m_transport;
    TransferControl m_control;
};

}  // namespace talvane68
