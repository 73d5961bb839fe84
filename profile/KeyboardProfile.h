#pragma once

// KeyboardProfile: the program's whole working configuration. There is one,
// owned by the application for the whole run; windows receive it by
// reference and worker threads as their parameter, and all of them read and
// write its fields directly. Nothing in it is saved automatically.
//
// Key ids run 1..69; tables by key have 70 rows (row 0 holds nothing). Tables
// by key and layer have 140 entries at keyId * 2 + layer (layer 0 is the
// first layer, 1 the Fn layer); use slot() to index them.

#include <array>
#include <cstdint>
#include <string>

#include "hwi/Talvane68HWI.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/ScrollList.h"
#include "profile/DefaultKeyCodes.h"
#include "profile/KeyMode.h"

namespace talvane68 {

constexpr int kFirstKeyId = 1;
constexpr int kLastKeyId = 69;
constexpr int kLayerCount = 2;
constexpr int kKeySlots = kKeyRows * kLayerCount;  // 140

// Index of a key and layer in keyMode, keyCode and keyList.
constexpr int slot(int keyId, int layer) {
    return keyId * kLayerCount + layer;
}

// List view sizes used by the program.
constexpr std::int32_t kMacroViewSize = 7;
constexpr std::int32_t kComboViewSize = 5;
constexpr std::int32_t kEmulationViewSize = 7;

class KeyboardProfile {
public:
    KeyboardProfile() = default;
    KeyboardProfile(const KeyboardProfile&) = delete;  // it owns the device
    KeyboardProfile& operator=(const KeyboardProfile&) = delete;

    // Interface language, "zh-CN" or "en-US"; empty until buildKeyTables.
    std::string language;
    // Keyboard type from CVrelHWI::DetectDeviceType (0..3).
    std::int32_t deviceType = 0;
    // 1 once keys were written to or read from the keyboard: the exit
    // command then asks whether to save a profile.
    std::int32_t askSaveOnExit = 0;
    // English name of each virtual-key code (0..511).
    KeyNameMap keyNames;
    // Key function code of each virtual-key code, and the inverse.
    CodeTable vkToCode{};
    CodeTable codeToVk{};
    // Captions of the nine KeyMode values.
    ModeNames modeNamesZh;
    ModeNames modeNamesEn;
    // Key whose assignment window is open, and the layer shown and edited.
    std::int32_t editKeyId = 0;
    std::int32_t currentLayer = 0;
    // The user's libraries of predefined macros, combinations, emulations.
    ScrollList predefinedMacros;
    ScrollList predefinedCombos;
    ScrollList predefinedEmus;
    // Backlight colour of each key id: red, green, blue, each 0..255.
    std::array<std::array<std::int32_t, 3>, kKeyRows> keyColor{};
    // Assignment of each key and layer: the KeyMode value, the key function
    // code (modes Single, Multimedia, Mouse, Function, Power), and the list
    // (modes Combo, Macro, Emulation). The unused one keeps its last value.
    std::array<std::int32_t, kKeySlots> keyMode{};
    std::array<std::int32_t, kKeySlots> keyCode{};
    std::array<ScrollList, kKeySlots> keyList;
    // Keys selected in the backlight window.
    std::array<bool, kKeyRows> lightSelected{};
    // The one way to the keyboard.
    CVrelHWI device;
    // Window that workers post WM_DEVICE_PROGRESS and WM_DEVICE_DONE to.
    WindowHandle progressWindow = nullptr;
    // Firmware file chosen in the firmware update window.
    std::u16string firmwarePath;

    // Fills keyNames, vkToCode, codeToVk and the mode captions, and sets the
    // language to "zh-CN". Run once at start-up.
    void buildKeyTables();
    // Empties the predefined lists (7, 5 and 7 rows) and gives every key on
    // both layers its DefaultKeyCodes code, with the mode modeForCode gives
    // and an empty list. Colours, language and the rest stay as they are.
    void restoreDefaults();
    // Caption of a key function code, or "-- --" when it has none.
    std::u16string codeCaption(std::int64_t code) const;
    // List text of a key event (see keyEventText in the catalogue).
    std::u16string keyEventText(std::int64_t eventCode, bool withArrows) const;
    // Caption of a KeyMode value in the current language (English unless
    // it is "zh-CN"); empty for a value outside 0..8.
    std::u16string modeCaption(std::int32_t mode) const;
    // The mode a key function code belongs to.
    static KeyMode modeForCode(std::int64_t code);
};

}  // namespace talvane68
