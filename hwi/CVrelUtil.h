#pragma once

// The keyboard's transport: the report exchange plus the firmware version
// query.

#include "hwi/CKeyboardUtil.h"

namespace talvane68 {

class CVrelUtil : public CKeyboardUtil {
public:
    using CKeyboardUtil::CKeyboardUtil;

    // Sends the version query (0xF9) and converts payload bytes 2..63 of the
    // reply from the ANSI code page into text, which must hold 62 UTF-16
    // units; all 62 are written (the reply's zero padding terminates the
    // text). False when the write or the read fails.
    virtual bool ReadVersion(char16_t* text);

    // How long ReadVersion waits for the reply.
    void setReadTimeout(int milliseconds) { m_readTimeoutMs = milliseconds; }
    int readTimeout() const { return m_readTimeoutMs; }

private:
    int m_readTimeoutMs = 100000;
};

}  // namespace talvane68
