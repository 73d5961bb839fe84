#include "cli/Context.h"

#include <unistd.h>

#include <ostream>

#include "cli/ProgressPrinter.h"

namespace talvane68::cli {

Context::Context(std::ostream& out, std::ostream& err, int readTimeoutMs)
    : m_out(out), m_err(err), m_readTimeoutMs(readTimeoutMs) {}

Context::~Context() = default;

bool Context::openKeyboard() {
    if (!m_device.__createDev()) {
        fail("no keyboard found");
        return false;
    }
    m_device.setReadTimeout(m_readTimeoutMs);
    char16_t text[64] = {};
    if (!m_device.ReadKeyboardVersion(text)) {
        fail("the keyboard does not answer (is another program using it?)");
        return false;
    }
    m_version = toUtf8(text, 62);
    return true;
}

int Context::fail(const std::string& message) {
    endProgress();
    m_err << "talvane68ctl: " << message << "\n";
    return 1;
}

WindowHandle Context::progress(const std::string& label, int total, int offset) {
    m_progress.reset();
    m_progress = std::make_unique<ProgressPrinter>(m_err, ::isatty(STDERR_FILENO) == 1, label, total, offset);
    return m_progress->window();
}

void Context::endProgress() {
    if (m_progress) {
        m_progress->finish();
    }
}

std::string toUtf8(const char16_t* text, std::size_t maxUnits) {
    std::string result;
    for (std::size_t i = 0; i < maxUnits && text[i] != 0; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < maxUnits && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // a lone surrogate
        }
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c < 0x800) {
            result += static_cast<char>(0xC0 | c >> 6);
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += static_cast<char>(0xE0 | c >> 12);
            result += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | c >> 18);
            result += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            result += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

}  // namespace talvane68::cli
