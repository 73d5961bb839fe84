#pragma once

// A virtual keyboard whose writes can be held part-way, so that a test can
// act while a transfer is still running.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "deviceops/DeviceOperationWorker.h"
#include "hwi/DeviceChannel.h"
#include "profile/KeyboardProfile.h"
#include "sim/SimDevice.h"

namespace talvane68 {

// The virtual keyboard behind a gate: the write with the given number waits
// until the gate opens, so a transfer can be held part-way.
class Gate {
public:
    explicit Gate(int holdAtWrite) : m_holdAt(holdAtWrite) {}

    void passWrite() {
        std::unique_lock lock(m_mutex);
        if (++m_writes == m_holdAt) {
            m_held = true;
            // Bounded, so that a failing test cannot hang on a closed gate.
            m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_open; });
        }
    }
    bool isHolding() {
        std::lock_guard lock(m_mutex);
        return m_held && !m_open;
    }
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    int writes() {
        std::lock_guard lock(m_mutex);
        return m_writes;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_holdAt;
    int m_writes = 0;
    bool m_held = false;
    bool m_open = false;
};

class GatedEnumerator : public DeviceEnumerator {
    struct Channel : DeviceChannel {
        std::unique_ptr<DeviceChannel> inner;
        Gate* gate = nullptr;
        bool write(const std::uint8_t* report, std::size_t length) override {
            gate->passWrite();
            return inner->write(report, length);
        }
        int read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) override {
            return inner->read(buffer, capacity, timeoutMs);
        }
    };

public:
    GatedEnumerator(std::shared_ptr<DeviceEnumerator> inner, Gate& gate)
        : m_inner(std::move(inner)), m_gate(gate) {}
    std::vector<std::u16string> interfacePaths() override { return m_inner->interfacePaths(); }
    std::unique_ptr<DeviceChannel> open(const std::u16string& path) override {
        auto channel = std::make_unique<Channel>();
        channel->inner = m_inner->open(path);
        channel->gate = &m_gate;
        return channel;
    }

private:
    std::shared_ptr<DeviceEnumerator> m_inner;
    Gate& m_gate;
};

// Puts the profile's device behind a gate for one test, and takes it away
// again however the test ends.
struct GatedKeyboard {
    GatedKeyboard(int holdAtWrite, KeyboardProfile& profile, const std::string& dir)
        : gate(holdAtWrite), profile(profile) {
        profile.device.__closeDev();
        setDeviceEnumerator(std::make_shared<GatedEnumerator>(sim::makeEnumerator(dir), gate));
    }
    ~GatedKeyboard() {
        gate.open();
        DeviceOperationWorker::shared().wait();
        profile.device.__closeDev();
        setDeviceEnumerator(nullptr);
    }
    Gate gate;
    KeyboardProfile& profile;
};

}  // namespace talvane68
