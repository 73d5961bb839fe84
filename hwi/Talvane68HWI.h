#pragma once

// Public interface of libTalvane68HWI.so: the keyboard's device interface.
//
// One CVrelHWI object stands for the keyboard. Members never throw; each
// reports failure through its result. Every buffer passed in is owned by the
// caller. Members marked "needs an open device" return false (or nullptr)
// when __createDev has not succeeded.

#include <atomic>
#include <cstdint>
#include <memory>

#include "hwi/Export.h"
#include "platform/messaging/Messaging.h"

namespace talvane68 {
class CVrelUtil;
class CVrel;
struct TransferControl;
}  // namespace talvane68

using talvane68::WindowHandle;

// Posted to the window passed to a transfer: wParam is the slot index
// (0..137) after each key slot, or the firmware progress 1..150.
constexpr talvane68::MessageId WM_DEVICE_PROGRESS = 0x467;
// Posted by the program's workers when a device operation has ended.
constexpr talvane68::MessageId WM_DEVICE_DONE = 0x468;

// Time a read waits for the keyboard's next report before it gives up.
constexpr int kDefaultReadTimeoutMs = 100000;

class TALVANE68HWI_EXPORT CVrelHWI {
public:
    CVrelHWI();
    ~CVrelHWI();  // closes the device
    CVrelHWI(const CVrelHWI&) = delete;
    CVrelHWI& operator=(const CVrelHWI&) = delete;

    // Finds the keyboard and opens it. True at once when already open; false
    // only when no keyboard interface is present. A keyboard that another
    // program holds opens all the same and fails its first write.
    bool __createDev();
    // Closes the device and drops the key and light tables. Always true.
    bool __closeDev();

    // True when a keyboard interface is present. Opens nothing.
    bool DetectDevice();
    // 1, 2 or 3 for product ID 4025, 4026 or 4027 of the first candidate
    // interface; 0 when there is none or it has another product ID.
    int DetectDeviceType();

    // Needs an open device. Writes the keyboard's version text into text (at
    // least 62 UTF-16 code units, terminated by the zero padding of the reply).
    bool ReadKeyboardVersion(char16_t* text);
    // Needs an open device. Runs the version query into the object's own
    // buffer and returns it whether or not the query succeeded.
    const char16_t* getHardwareVersion();

    // Needs an open device. Empties the key table. True.
    bool prepare();
    // Needs an open device. Stores one KeyConfigBlock for layer 0/1, key
    // 1..69; length is informational. Out-of-range slots are ignored.
    bool setKeyConfiguration(int layer, int key, int* block, int length);
    // Needs an open device. Writes the slot's KeyConfigBlock into block, which
    // must hold the longest definition (the program passes 65536 elements).
    bool getKeyConfiguration(int layer, int key, int* block, int length);
    // Needs an open device. Sends the whole key table, posting
    // WM_DEVICE_PROGRESS after each slot to window (may be null).
    bool writeKeyConfigurationToDev(WindowHandle window);
    // Needs an open device. Reads the keyboard's key table into the model.
    bool readKeyDefinationFromDev(WindowHandle window);

    // Needs an open device. Stores the low bytes of 207 ints and sends the
    // light table. False when a report could not be sent (or on cancel); the
    // model keeps the new table either way.
    bool setKeyboardLightArea(int* area);
    // Needs an open device. Copies the 207-byte light table out. True.
    bool getKeyboardLightArea(int* area);
    // Needs an open device. Reads the keyboard's light table into the model.
    bool readKeyLightFromDev();

    // Needs an open device. Downloads an Intel HEX text (size bytes) line by
    // line, posting WM_DEVICE_PROGRESS 1..150 to window. A text that is not a
    // valid firmware file is refused before anything is sent.
    bool WriteFirmwareToKeyboard(const char* text, int size, WindowHandle window);

    // Asks a running transfer to stop between two reports; it then returns
    // false. The flag stays set until cleared with setCancelled(false).
    void setCancelled(bool cancelled);
    bool isCancelled() const;

    // How long a read waits for the next report (default 100000 ms).
    void setReadTimeout(int milliseconds);

private:
    bool isOpen() const { return m_transport != nullptr; }
    talvane68::TransferControl transferControl() const;

    std::unique_ptr<talvane68::CVrelUtil> m_transport;
    std::unique_ptr<talvane68::CVrel> m_model;
    char16_t m_version[64] = {};
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_readTimeoutMs{kDefaultReadTimeoutMs};
};
