#include "keymap/KeyCatalogue.h"

#include <string_view>
#include <utility>

namespace talvane68 {

namespace {

struct NamedKey {
    std::int32_t vk;
    const char16_t* name;
};

// Names of the virtual-key codes outside the runs of digits, letters,
// keypad digits and function keys, which buildKeyTables adds by loop.
constexpr NamedKey kNamedKeys[] = {
    {1, u"Left mouse button"},
    {2, u"Right mouse button"},
    {3, u"Control-break processing"},
    {4, u"Middle mouse button"},
    {5, u"X1 mouse button"},
    {6, u"X2 mouse button"},
    {8, u"BACKSPACE"},
    {9, u"TAB"},
    {10, u"Reserved"},
    {11, u"Reserved"},
    {12, u"CLEAR"},
    {13, u"ENTER"},
    {16, u"SHIFT"},
    {17, u"Left CTRL"},
    {18, u"Left ALT"},
    {19, u"PAUSE"},
    {20, u"CAPS LOCK"},
    {21, u"IME Hangul mode"},
    {23, u"IME Junja mode"},
    {24, u"IME final mode"},
    {25, u"IME Kanji mode"},
    {27, u"ESC"},
    {28, u"IME convert"},
    {29, u"IME nonconvert"},
    {30, u"IME accept"},
    {31, u"IME mode change request"},
    {32, u"SPACEBAR"},
    {33, u"PAGE UP"},
    {34, u"PAGE DOWN"},
    {35, u"END"},
    {36, u"HOME"},
    {37, u"LEFT ARROW"},
    {38, u"UP ARROW"},
    {39, u"RIGHT ARROW"},
    {40, u"DOWN ARROW"},
    {41, u"SELECT"},
    {42, u"PRINT"},
    {43, u"EXECUTE"},
    {44, u"PRINT SCREEN"},
    {45, u"INS"},
    {46, u"DEL"},
    {47, u"HELP"},
    {91, u"Left Windows"},
    {92, u"Right Windows"},
    {93, u"Menu"},
    {94, u"Reserved"},
    {95, u"Sleep"},
    {106, u"(*)"},
    {107, u"(+)"},
    {108, u"Separator"},
    {109, u"(-)"},
    {110, u"(.)"},
    {111, u"(/)"},
    {144, u"NUM LOCK"},
    {145, u"SCROLL LOCK"},
    {160, u"Left SHIFT"},
    {161, u"Right SHIFT"},
    {162, u"Left CONTROL"},
    {163, u"Right CONTROL"},
    {164, u"Left Alt"},
    {165, u"Right Alt"},
    {166, u"Browser Back"},
    {167, u"Browser Forward"},
    {168, u"Browser Refresh"},
    {169, u"Browser Stop"},
    {170, u"Browser Search"},
    {171, u"Browser Favorites"},
    {172, u"Browser Start and Home"},
    {173, u"Volume Mute"},
    {174, u"Volume Down"},
    {175, u"Volume Up"},
    {176, u"Next Track"},
    {177, u"Previous Track"},
    {178, u"Stop Media"},
    {179, u"Play/Pause Media"},
    {180, u"Start Mail"},
    {181, u"Select Media"},
    {182, u"Start Application 1"},
    {183, u"Start Application 2"},
    {186, u";"},
    {187, u"+"},
    {188, u","},
    {189, u"-"},
    {190, u"."},
    {191, u"/"},
    {192, u"`"},
    {219, u"["},
    {220, u"\\"},
    {221, u"]"},
    {222, u"'"},
    {223, u"Used for miscellaneous characters; it can vary by keyboard."},
    {224, u"Reserved"},
    {225, u"OEM specific"},
    {226, u"<>|"},
    {229, u"IME PROCESS"},
    {230, u"OEM specific"},
    {231,
     u"Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a "
     u"32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in "
     u"KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP"},
    {232, u"Unassigned"},
    {246, u"Attn"},
    {247, u"CrSel"},
    {248, u"ExSel"},
    {249, u"Erase EOF"},
    {250, u"Play"},
    {251, u"Zoom"},
    {252, u"Reserved"},
    {253, u"PA1"},
    {254, u"Clear"},
    {269, u"(Enter)"},
    {331, u"Wake Up"},
    {332, u"Sleep"},
    {333, u"Power"},
    {364, u"Next track"},
    {365, u"Previous track"},
    {366, u"Stop"},
    {367, u"Play/Pause"},
    {368, u"Mute"},
    {369, u"VolumeUp"},
    {370, u"VolumeDn"},
    {371, u"Media Select"},
    {372, u"E-mail"},
    {373, u"Calculator"},
    {374, u"My computer"},
    {375, u"WWW Search"},
    {376, u"WWW Home"},
    {377, u"WWW Back"},
    {378, u"WWW Forward"},
    {379, u"WWW Stop"},
    {380, u"WWW Refresh"},
    {381, u"WWW Favorities"},
    {382, u"Mouse Left"},
    {383, u"Mouse Right"},
    {384, u"Mouse Up"},
    {385, u"Mouse Down"},
    {386, u"Mouse Key Left"},
    {387, u"Mouse Key Right"},
    {388, u"Mouse Key Middle"},
    {389, u"Mouse Wheel Up"},
    {390, u"Mouse Wheel Dn"},
    {391, u"Backlight 100%"},
    {392, u"Color change"},
    {393, u"Lamp Effect"},
    {394, u"Demostrator"},
    {395, u"Backlight Record"},
    {396, u"Logo Switch"},
    {397, u"Round of shower Color"},
    {398, u"Breathe Frequence-"},
    {399, u"Breathe Frequence+"},
    {400, u"Backlight Lightness-"},
    {401, u"Backlight Lightness+"},
    {402, u"Backlight Pause"},
    {403, u"Effect color"},
    {404, u"BT1"},
    {405, u"BT2"},
    {406, u"BT3"},
    {407, u"Keyboard Lock"},
    {408, u"Caps/LeftCtrl Swap"},
    {409, u"WinLock"},
    {410, u"FLeftWin/LeftAlt Swap"},
    {411, u"LeftWin/Fn Swap"},
    {412, u"FN"},
    {413, u"DPI+"},
    {414, u"DPI-"},
    {415, u"BT/USB Mode Swap"},
    {416, u"<>|"},
    {417, u"Custom Mode Swap"},
    {418, u"Time For BT Sleep"},
    {419, u"CapsColor"},
    {420, u"PowerSave"},
    {421, u"Mac FnLock"},
    {455, u"Left Double Click"},
};

// Virtual-key code of each key function code 1..107 (index = code).
constexpr std::int32_t kKeyCodeVk[108] = {
    0,                                                           // 0: none
    27,                                                          // 1 ESC
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,  // 2..13 F1..F12
    192,                                                         // 14 `
    49,  50,  51,  52,  53,  54,  55,  56,  57,                  // 15..23 1..9
    48,  189, 187, 8,   9,                                       // 24..28 0 - + BACKSPACE TAB
    81,  87,  69,  82,  84,  89,  85,  73,  79,  80,             // 29..38 Q..P
    219, 221, 220, 20,                                           // 39..42 [ ] \ CAPS LOCK
    65,  83,  68,  70,  71,  72,  74,  75,  76,                  // 43..51 A..L
    186, 222, 13,  160,                                          // 52..55 ; ' ENTER Left SHIFT
    90,  88,  67,  86,  66,  78,  77,                            // 56..62 Z..M
    188, 190, 191, 161, 162,                                     // 63..67 , . / Right SHIFT Left CONTROL
    91,  164, 32,  165, 92,  93,  163,                           // 68..74 modifiers, SPACEBAR, Menu
    331, 332, 333,                                               // 75..77 Wake Up, Sleep, Power
    44,  145, 19,                                                // 78..80 PRINT SCREEN, SCROLL LOCK, PAUSE
    45,  36,  33,  46,  35,  34,                                 // 81..86 INS HOME PAGE UP DEL END PAGE DOWN
    38,  37,  40,  39,                                           // 87..90 arrows
    144, 111, 106,                                               // 91..93 NUM LOCK (/) (*)
    103, 104, 105, 100, 101, 102, 97,  98,  99,                  // 94..102 keypad 7..9, 4..6, 1..3
    96,  110, 109, 107,                                          // 103..106 (0) (.) (-) (+)
    269,                                                         // 107 (Enter)
};

// The extra key beside the left Shift: code 160 arrives as virtual key 226.
constexpr std::int32_t kExtraKeyCode = 160;
constexpr std::int32_t kExtraKeyVk = 226;
// Left double click has no virtual key; it takes 256 + its code.
constexpr std::int32_t kDoubleClickCode = 199;
// Codes 108..165 (but 160) map to 256 + code.
constexpr std::int32_t kFirstFunctionCode = 108;
constexpr std::int32_t kLastFunctionCode = 165;
constexpr std::int32_t kFunctionVkOffset = 256;

constexpr const char16_t* kModeNamesZh[kModeCount] = {
    u"未设置", u"单键", u"组合键", u"宏定义", u"模拟击键", u"多媒体键", u"鼠标键", u"操控键", u"电源键"};
constexpr const char16_t* kModeNamesEn[kModeCount] = {
    u"NotSet", u"Single", u"Combo", u"Macro", u"Emulation", u"Multimedia", u"Mouse", u"Function", u"Power"};

const std::u16string* findName(const KeyNameMap& keyNames, std::int64_t vk) {
    const auto found = keyNames.find(static_cast<std::int32_t>(vk & 0x1FF));
    return found == keyNames.end() ? nullptr : &found->second;
}

}  // namespace

void buildKeyTables(KeyNameMap& keyNames, CodeTable& vkToCode, CodeTable& codeToVk, ModeNames& modeNamesZh,
                    ModeNames& modeNamesEn) {
    keyNames.clear();
    for (const NamedKey& key : kNamedKeys) {
        keyNames[key.vk] = key.name;
    }
    for (int digit = 0; digit <= 9; ++digit) {
        keyNames[48 + digit] = std::u16string(1, static_cast<char16_t>(u'0' + digit));
        keyNames[96 + digit] = u"(" + std::u16string(1, static_cast<char16_t>(u'0' + digit)) + u")";
    }
    for (int letter = 0; letter < 26; ++letter) {
        keyNames[65 + letter] = std::u16string(1, static_cast<char16_t>(u'A' + letter));
    }
    for (int f = 1; f <= 24; ++f) {
        std::u16string name = u"F";
        for (char c : std::to_string(f)) {
            name += static_cast<char16_t>(c);
        }
        keyNames[111 + f] = name;
    }

    vkToCode.fill(0);
    for (std::int32_t code = 1; code < kFirstFunctionCode; ++code) {
        vkToCode[kKeyCodeVk[code]] = code;
    }
    for (std::int32_t code = kFirstFunctionCode; code <= kLastFunctionCode; ++code) {
        if (code != kExtraKeyCode) {
            vkToCode[kFunctionVkOffset + code] = code;
        }
    }
    vkToCode[kExtraKeyVk] = kExtraKeyCode;
    vkToCode[kFunctionVkOffset + kDoubleClickCode] = kDoubleClickCode;
    vkToCode[kFunctionVkOffset + kExtraKeyCode] = 0;  // 416 is named but carries no code

    // Ascending scan: every virtual key without a code writes code 0's entry,
    // so the last of them (1023) ends there.
    codeToVk.fill(0);
    for (std::int32_t vk = 0; vk < kCodeTableSize; ++vk) {
        const std::int32_t code = vkToCode[vk];
        if (code >= 0 && code < kCodeTableSize) {
            codeToVk[code] = vk;
        }
    }

    for (int mode = 0; mode < kModeCount; ++mode) {
        modeNamesZh[mode] = kModeNamesZh[mode];
        modeNamesEn[mode] = kModeNamesEn[mode];
    }
}

std::int32_t tableEntry(const CodeTable& table, std::int64_t index) {
    return index >= 0 && index < kCodeTableSize ? table[index] : 0;
}

std::u16string codeCaption(const KeyNameMap& keyNames, const CodeTable& codeToVk, std::int64_t code) {
    if (code >= kCodeTableSize) {
        return kNoName;
    }
    const std::int64_t vk = code < 0 ? 511 : codeToVk[code];
    const std::u16string* name = findName(keyNames, vk);
    return name ? *name : std::u16string(kNoName);
}

std::u16string keyEventText(const KeyNameMap& keyNames, std::int64_t eventCode, bool withArrows) {
    const std::u16string* name = findName(keyNames, eventCode);
    if (!name) {
        return kNoName;
    }
    if (!withArrows) {
        return *name;
    }
    return *name + ((eventCode >> 9) != 0 ? kReleaseArrows : kPressArrows);
}

std::int32_t virtualKeyOfText(const KeyNameMap& keyNames, const std::u16string& text) {
    const std::u16string_view view(text);
    for (const auto& [vk, name] : keyNames) {
        if (!view.starts_with(name)) {
            continue;
        }
        const std::u16string_view rest = view.substr(name.size());
        if (rest.empty() || rest == kReleaseArrows || rest == kPressArrows) {
            return vk;
        }
    }
    return -1;
}

}  // namespace talvane68
