#pragma once

// The folder of a virtual keyboard and the small files in it. Everything the
// keyboard knows lives here, so whatever one process changes the next call in
// any other process sees.
//
//   product-id     four hex digits, e.g. "4026" (default 4025)
//   version        the version text the keyboard answers (default below)
//   keys, lights   the keyboard's memory (KeyboardMemory)
//   firmware.hex   the last firmware image received completely
//   reports.log    every report, "> " sent by the library, "< " by the keyboard
//   lock           taken by the one channel that may write
//   unplugged      present: the keyboard is gone
//   fail-write     N: the N-th write from now fails (then the file goes)
//   silent         N: N more replies are sent, then no more until removed
//   unplug-after   N: after N more reports the keyboard is unplugged

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvane68::sim {

constexpr const char* kDefaultVersionText = "Talvane68 VK 1.00";
constexpr std::uint16_t kDefaultProductId = 0x4025;

class SimDirectory {
public:
    explicit SimDirectory(std::string path);

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const;

    // Creates the folder (and missing parents). False when that fails.
    bool create() const;

    bool exists(const std::string& name) const;
    std::optional<std::string> readText(const std::string& name) const;
    // Replaces the file in one step (write aside, then rename).
    bool writeText(const std::string& name, const std::string& text) const;
    bool appendText(const std::string& name, const std::string& text) const;
    void remove(const std::string& name) const;
    bool rename(const std::string& from, const std::string& to) const;

    // The number in a switch file; fallback when the file is empty or holds
    // no number, nullopt when the file is absent.
    std::optional<long> readNumber(const std::string& name, long fallback) const;

    std::uint16_t productId() const;
    std::string versionText() const;

    // One line of reports.log: direction '>' or '<' and the 64-byte payload.
    void logReport(char direction, const std::uint8_t* payload) const;

private:
    std::string m_path;
};

std::string toHex(const std::uint8_t* bytes, std::size_t count);
// Pairs of hex digits into bytes; nullopt on an odd length or a non-digit.
std::optional<std::vector<std::uint8_t>> fromHex(const std::string& text);

}  // namespace talvane68::sim
