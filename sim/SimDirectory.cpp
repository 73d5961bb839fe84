#include "sim/SimDirectory.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "hwi/HexDigit.h"

namespace talvane68::sim {

namespace fs = std::filesystem;

SimDirectory::SimDirectory(std::string path) : m_path(std::move(path)) {}

std::string SimDirectory::file(const std::string& name) const {
    return m_path + "/" + name;
}

bool SimDirectory::create() const {
    std::error_code error;
    fs::create_directories(m_path, error);
    return fs::is_directory(m_path, error);
}

bool SimDirectory::exists(const std::string& name) const {
    std::error_code error;
    return fs::exists(file(name), error);
}

std::optional<std::string> SimDirectory::readText(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool SimDirectory::writeText(const std::string& name, const std::string& text) const {
    // A name unique to this process and call, so two writers never share the
    // side file; the rename makes the new content appear all at once.
    static std::atomic<unsigned> counter{0};
    const std::string aside =
        file("." + name + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++));
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(aside.c_str());
            return false;
        }
    }
    if (std::rename(aside.c_str(), file(name).c_str()) != 0) {
        std::remove(aside.c_str());
        return false;
    }
    return true;
}

bool SimDirectory::appendText(const std::string& name, const std::string& text) const {
    // One write() on an O_APPEND descriptor: lines from several processes
    // never interleave.
    const int fd = ::open(file(name).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const ssize_t written = ::write(fd, text.data(), text.size());
    ::close(fd);
    return written == static_cast<ssize_t>(text.size());
}

void SimDirectory::remove(const std::string& name) const {
    std::error_code error;
    fs::remove(file(name), error);
}

bool SimDirectory::rename(const std::string& from, const std::string& to) const {
    return std::rename(file(from).c_str(), file(to).c_str()) == 0;
}

std::optional<long> SimDirectory::readNumber(const std::string& name, long fallback) const {
    const auto text = readText(name);
    if (!text) {
        return std::nullopt;
    }
    const char* begin = text->c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || errno != 0) {
        return fallback;
    }
    return value;
}

std::uint16_t SimDirectory::productId() const {
    const auto text = readText("product-id");
    if (!text) {
        return kDefaultProductId;
    }
    std::string digits;
    for (char c : *text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            continue;
        }
        digits += c;
    }
    if (digits.size() != 4) {
        return kDefaultProductId;
    }
    const auto bytes = fromHex(digits);
    if (!bytes) {
        return kDefaultProductId;
    }
    return static_cast<std::uint16_t>((*bytes)[0] << 8 | (*bytes)[1]);
}

std::string SimDirectory::versionText() const {
    auto text = readText("version");
    if (!text) {
        return kDefaultVersionText;
    }
    while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) {
        text->pop_back();
    }
    return *text;
}

void SimDirectory::logReport(char direction, const std::uint8_t* payload) const {
    appendText("reports.log", std::string(1, direction) + " " + toHex(payload, 64) + "\n");
}

std::string toHex(const std::uint8_t* bytes, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> fromHex(const std::string& text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return bytes;
}

}  // namespace talvane68::sim
