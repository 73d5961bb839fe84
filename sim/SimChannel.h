#pragma once

// One opened interface of the virtual keyboard. The configuration interface
// answers the keyboard's protocol; any other interface (and any channel after
// the keyboard was unplugged) fails every write and read.
//
// Only one channel at a time may write, like the real device opened with a
// read-only share mode: it holds a non-blocking flock on the folder's "lock"
// file from open to close. A channel that could not take the lock opens all
// the same and fails every write.

#include <array>
#include <deque>

#include "hwi/DeviceChannel.h"
#include "sim/KeyboardMemory.h"
#include "sim/SimDirectory.h"

namespace talvane68::sim {

class SimChannel : public DeviceChannel {
public:
    using Payload = std::array<std::uint8_t, kBlockSize>;

    // configInterface false gives a channel that fails everything.
    SimChannel(SimDirectory dir, bool configInterface);
    ~SimChannel() override;
    SimChannel(const SimChannel&) = delete;
    SimChannel& operator=(const SimChannel&) = delete;

    // Accepts exactly one 65-byte report with report id 0.
    bool write(const std::uint8_t* report, std::size_t length) override;
    // The next reply (report id 0, then the payload), 0 when none came within
    // timeoutMs, -1 when the keyboard is gone.
    int read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) override;

    bool holdsLock() const { return m_lockFd >= 0; }

private:
    bool gone();
    void releaseLock();
    void countReport();
    void reply(const Payload& payload);
    void handle(const Payload& payload);

    void answerVersion();
    void keyRecord(const Payload& payload);
    void keyTableEnd();
    void sendKeyTable();
    void lightChunk(const Payload& payload);
    void sendLightTable();
    void firmwareLine(const Payload& payload);

    SimDirectory m_dir;
    KeyboardMemory m_memory;
    bool m_dead = false;
    int m_lockFd = -1;
    std::deque<Payload> m_replies;

    // Key table being written: records are kept and stored on the end report.
    bool m_keyWriteOpen = false;
    std::vector<KeyRecord> m_pendingKeys;
    KeyRecord m_macro;  // a long macro whose further blocks are still to come
    std::size_t m_macroBlocksLeft = 0;

    // Light table being written: stored on the end report.
    bool m_lightWriteOpen = false;
    LightTable m_pendingLights{};
    std::size_t m_lightFill = 0;

    // Firmware download in progress: lines go to firmware-incoming.hex until
    // the end-of-file record.
    bool m_firmwareOpen = false;
    bool m_firmwareValid = true;
};

}  // namespace talvane68::sim
