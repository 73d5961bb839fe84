#pragma once

// Helpers shared by the virtual keyboard's tests: a fresh keyboard folder per
// test, and reports built and exchanged as 64-byte payloads.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hwi/DeviceChannel.h"
#include "sim/VirtualKeyboard.h"

namespace talvane68::sim::test {

using Payload = std::array<std::uint8_t, 64>;

inline Payload command(std::uint8_t cmd) {
    Payload payload{};
    payload[1] = cmd;
    return payload;
}

inline bool send(DeviceChannel& channel, const Payload& payload) {
    std::uint8_t report[65] = {0};
    std::copy(payload.begin(), payload.end(), report + 1);
    return channel.write(report, sizeof report);
}

// The next reply, or nothing when the read timed out or failed.
inline std::optional<Payload> receive(DeviceChannel& channel, int timeoutMs = 0) {
    std::uint8_t report[65];
    if (channel.read(report, sizeof report, timeoutMs) != 65) {
        return std::nullopt;
    }
    Payload payload;
    std::copy(report + 1, report + 65, payload.begin());
    return payload;
}

inline std::vector<Payload> receiveAll(DeviceChannel& channel) {
    std::vector<Payload> replies;
    while (auto reply = receive(channel)) {
        replies.push_back(*reply);
    }
    return replies;
}

// A macro record without delays: events codes 1..n (mod 256), cut into blocks.
inline std::vector<std::uint8_t> macroRecord(int layer, int key, int events) {
    std::vector<std::uint8_t> stream;
    for (int i = 0; i < events; ++i) {
        stream.push_back(static_cast<std::uint8_t>(i + 1));
    }
    const std::size_t blocks = (stream.size() + 52) / 53;
    std::vector<std::uint8_t> bytes(blocks * 64, 0);
    for (std::size_t b = 0; b < blocks; ++b) {
        std::uint8_t* block = bytes.data() + b * 64;
        block[1] = 0xF0;
        block[2] = static_cast<std::uint8_t>(layer);
        block[3] = static_cast<std::uint8_t>(key);
        block[4] = 0x02;  // play mode 0
        block[5] = 3;     // cycles
        block[9] = static_cast<std::uint8_t>(stream.size() >> 8);
        block[10] = static_cast<std::uint8_t>(stream.size());
        for (std::size_t i = 0; i < 53 && b * 53 + i < stream.size(); ++i) {
            block[11 + i] = stream[b * 53 + i];
        }
    }
    return bytes;
}

inline std::vector<std::uint8_t> normalRecord(int layer, int key, std::vector<std::uint8_t> codes) {
    std::vector<std::uint8_t> bytes(64, 0);
    bytes[1] = 0xF0;
    bytes[2] = static_cast<std::uint8_t>(layer);
    bytes[3] = static_cast<std::uint8_t>(key);
    bytes[5] = static_cast<std::uint8_t>(codes.size());
    std::copy(codes.begin(), codes.end(), bytes.begin() + 6);
    return bytes;
}

inline std::vector<Payload> blocksOf(const std::vector<std::uint8_t>& bytes) {
    std::vector<Payload> blocks(bytes.size() / 64);
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        std::copy_n(bytes.begin() + b * 64, 64, blocks[b].begin());
    }
    return blocks;
}

// Each test gets its own keyboard folder, removed afterwards.
class SimFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvane68-sim-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_keyboard = std::make_unique<VirtualKeyboard>(m_dir);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    VirtualKeyboard& keyboard() { return *m_keyboard; }
    const std::string& dir() const { return m_dir; }

    // A channel to the configuration interface, as the library opens it.
    std::unique_ptr<DeviceChannel> openConfig() {
        auto enumerator = keyboard().enumerator();
        const auto paths = enumerator->interfacePaths();
        EXPECT_EQ(paths.size(), 2u);
        return enumerator->open(paths.at(1));
    }

private:
    std::string m_dir;
    std::unique_ptr<VirtualKeyboard> m_keyboard;
};

}  // namespace talvane68::sim::test
