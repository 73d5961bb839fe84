#include "mainwindow/KeyHint.h"

#include "profile/KeyboardProfile.h"

namespace talvane68 {

namespace {

constexpr int kNotSet = toInt(KeyMode::NotSet);
constexpr int kCombo = toInt(KeyMode::Combo);
constexpr int kMacro = toInt(KeyMode::Macro);
constexpr int kEmulation = toInt(KeyMode::Emulation);

std::u16string layerValue(const KeyboardProfile& profile, int keyId, int layer, bool chinese) {
    const int mode = profile.keyMode[slot(keyId, layer)];
    if (mode == kNotSet || mode == kMacro) {
        const auto& names = chinese ? profile.modeNamesZh : profile.modeNamesEn;
        return names[mode];
    }
    return keySummary(profile, keyId, layer);
}

}  // namespace

std::u16string keySummary(const KeyboardProfile& profile, int keyId, int layer) {
    const int entry = slot(keyId, layer);
    const int mode = profile.keyMode[entry];
    if (mode == kCombo || mode == kEmulation) {
        const auto& items = profile.keyList[entry].items();
        std::u16string joined;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0) {
                joined += u" | ";
            }
            joined += items[i];
        }
        return joined;
    }
    if (mode <= kNotSet || mode == kMacro) {
        return {};
    }
    return profile.codeCaption(profile.keyCode[entry]);
}

std::u16string keyHintText(const KeyboardProfile& profile, int keyId) {
    std::u16string first;
    std::u16string fn;
    if (profile.language == "zh-CN") {
        first = u"首层：";
        fn = u"Fn层：";
    } else if (profile.language == "en-US") {
        first = u"First Layer: ";
        fn = u"Fn Layer: ";
    } else {
        return {};
    }
    const bool chinese = profile.language == "zh-CN";
    return first + layerValue(profile, keyId, 0, chinese) + u"\r\n" + fn +
           layerValue(profile, keyId, 1, chinese);
}

}  // namespace talvane68
