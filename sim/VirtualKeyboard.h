#pragma once

// The control side of a virtual keyboard: what a test (or a script through
// the same files) uses to set it up, break it on purpose and look into its
// memory. Every call works on the files of the folder (SimDirectory.h lists
// them), so it acts on channels opened by other objects and processes too.

#include <memory>
#include <string>
#include <vector>

#include "hwi/DeviceChannel.h"
#include "sim/KeyboardMemory.h"
#include "sim/SimDirectory.h"

namespace talvane68::sim {

class VirtualKeyboard {
public:
    // Creates the folder when missing; keeps whatever it holds.
    explicit VirtualKeyboard(std::string dir);

    const std::string& dir() const { return m_dir.path(); }
    std::shared_ptr<DeviceEnumerator> enumerator() const;

    // USB product ID, e.g. 0x4026 (any four hex digits; the keyboard's own
    // are 4025, 4026 and 4027).
    void setProductId(std::uint16_t productId);
    std::uint16_t productId() const { return m_dir.productId(); }
    // The version text answered to the version query (at most 62 bytes go out).
    void setVersionText(const std::string& text);
    std::string versionText() const { return m_dir.versionText(); }

    // An unplugged keyboard enumerates nothing, and open channels fail for good.
    void unplug();
    void plugIn();
    bool isPlugged() const { return !m_dir.exists("unplugged"); }

    // The n-th write from now fails (1: the next one); once.
    void failWrite(int n);
    // The keyboard sends `replies` more replies, then none (reads time out)
    // until resumeAnswering.
    void stopAnswering(int replies = 0);
    void resumeAnswering();
    // After n more reports, in either direction, the keyboard is unplugged.
    void unplugAfter(int n);
    // Removes every fault switch (not the unplugged state).
    void clearFaults();

    // The stored key table, slot order.
    std::vector<KeyRecord> keyRecords() const { return m_memory.keys(); }
    void setKeyRecords(const std::vector<KeyRecord>& records) { m_memory.storeKeys(records); }
    LightTable lightTable() const { return m_memory.lights(); }
    void setLightTable(const LightTable& table) { m_memory.storeLights(table); }
    // The last complete firmware image, as Intel HEX text with CR LF lines;
    // empty when none was received.
    std::string firmware() const { return m_dir.readText("firmware.hex").value_or(""); }

    // Lines of reports.log without their newline.
    std::vector<std::string> reportLog() const;
    void clearLog() { m_dir.remove("reports.log"); }

    // Empties memory, log, firmware, faults and settings: a new keyboard.
    void reset();

private:
    SimDirectory m_dir;
    KeyboardMemory m_memory;
};

}  // namespace talvane68::sim
