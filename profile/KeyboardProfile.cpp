#include "profile/KeyboardProfile.h"

namespace talvane68 {

namespace {

void resetList(ScrollList& list, std::int32_t sizeOfView) {
    list.clear();
    list.SizeOfView = sizeOfView;
}

}  // namespace

void KeyboardProfile::buildKeyTables() {
    talvane68::buildKeyTables(keyNames, vkToCode, codeToVk, modeNamesZh, modeNamesEn);
    language = "zh-CN";
}

void KeyboardProfile::restoreDefaults() {
    resetList(predefinedMacros, kMacroViewSize);
    resetList(predefinedCombos, kComboViewSize);
    resetList(predefinedEmus, kEmulationViewSize);
    for (int keyId = 0; keyId < kKeyRows; ++keyId) {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const int index = slot(keyId, layer);
            keyCode[index] = DefaultKeyCodes[keyId][layer];
            keyList[index].clear();  // keeps its SizeOfView
            keyMode[index] = toInt(modeForCode(keyCode[index]));
        }
    }
}

std::u16string KeyboardProfile::codeCaption(std::int64_t code) const {
    return talvane68::codeCaption(keyNames, codeToVk, code);
}

std::u16string KeyboardProfile::keyEventText(std::int64_t eventCode, bool withArrows) const {
    return talvane68::keyEventText(keyNames, eventCode, withArrows);
}

std::u16string KeyboardProfile::modeCaption(std::int32_t mode) const {
    if (mode < 0 || mode >= kModeCount) {
        return {};
    }
    return language == "zh-CN" ? modeNamesZh[mode] : modeNamesEn[mode];
}

KeyMode KeyboardProfile::modeForCode(std::int64_t code) {
    // 160, the extra key beside the left Shift, lies in the function range
    // but is an ordinary key.
    if (code == 160) {
        return KeyMode::Single;
    }
    if (code == 0) {
        return KeyMode::NotSet;
    }
    if (code >= 75 && code <= 77) {
        return KeyMode::Power;
    }
    if (code < 108) {
        return KeyMode::Single;
    }
    if (code <= 125) {
        return KeyMode::Multimedia;
    }
    if (code <= 134) {
        return KeyMode::Mouse;
    }
    if (code <= 199) {
        return KeyMode::Function;
    }
    return KeyMode::Single;
}

}  // namespace talvane68
