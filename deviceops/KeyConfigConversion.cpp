#include "deviceops/KeyConfigConversion.h"

#include <algorithm>
#include <cstdio>

namespace talvane68 {

namespace {

enum BlockKind { kNormalBlock = 0, kContinuousBlock = 1, kMacroBlock = 2 };
// Element 0 of a macro block's header fields.
constexpr std::size_t kMacroHeader = 6;
constexpr std::int64_t kMaxDelay = 65535;  // delays travel as 16 bits
constexpr std::int32_t kReadComboViewSize = 6;
constexpr std::int32_t kReadSequenceViewSize = 9;

// The number of a delay text "[%d ms]": the characters from the second up to
// the last four. Parsed like atoi (spaces, a sign, digits) but saturating, so
// no text can overflow.
std::int32_t delayOfText(const std::u16string& text) {
    if (text.size() < 5) {
        return 0;
    }
    const std::u16string number = text.substr(1, text.size() - 5);
    std::size_t i = 0;
    while (i < number.size() && (number[i] == u' ' || number[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < number.size() && (number[i] == u'+' || number[i] == u'-')) {
        negative = number[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < number.size() && number[i] >= u'0' && number[i] <= u'9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (number[i] - u'0'), kMaxDelay + 1);
    }
    return negative ? 0 : static_cast<std::int32_t>(std::min(value, kMaxDelay));
}

std::u16string delayText(int milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "[%d ms]", milliseconds);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

void appendCodes(std::vector<int>& block, const KeyboardProfile& profile, const ScrollList& list) {
    for (const std::u16string& item : list.items()) {
        block.push_back(codeForText(profile, item));
    }
}

// The mode a code read back as a single key gets. Unlike modeForCode, codes
// 166..199 read back as Single.
KeyMode modeOfReadCode(int code) {
    if (code >= 108 && code <= 125) {
        return KeyMode::Multimedia;
    }
    if (code >= 126 && code <= 134) {
        return KeyMode::Mouse;
    }
    if (code >= 135 && code <= 165 && code != 160) {
        return KeyMode::Function;
    }
    if (code >= 75 && code <= 77) {
        return KeyMode::Power;
    }
    return KeyMode::Single;
}

// Count n from a block element, cut so that `first + perItem * n - trailing`
// elements fit into the block.
std::size_t fittingCount(std::span<const int> block, std::size_t countAt, std::size_t first,
                         std::size_t perItem, std::size_t trailing = 0) {
    if (block.size() <= countAt || block[countAt] <= 0) {
        return 0;
    }
    const std::size_t room = block.size() > first ? (block.size() - first + trailing) / perItem : 0;
    return std::min<std::size_t>(static_cast<std::size_t>(block[countAt]), room);
}

}  // namespace

std::int32_t codeForText(const KeyboardProfile& profile, const std::u16string& text) {
    if (text.find(u"ms]") != std::u16string::npos) {
        return delayOfText(text);
    }
    const std::int32_t vk = virtualKeyOfText(profile.keyNames, text);
    return vk < 0 ? 0 : tableEntry(profile.vkToCode, vk);
}

std::vector<int> keyConfigBlockOf(const KeyboardProfile& profile, int layer, int keyId) {
    const int index = slot(keyId, layer);
    const std::int32_t mode = profile.keyMode[index];
    const ScrollList& list = profile.keyList[index];
    const int count = list.count();
    std::vector<int> block;
    if (mode <= toInt(KeyMode::NotSet)) {
        return block;
    }
    if (mode == toInt(KeyMode::Combo)) {
        block = {kNormalBlock, count};
        appendCodes(block, profile, list);
    } else if (mode == toInt(KeyMode::Macro)) {
        // With recorded delays the list alternates key and delay items, so
        // its n items are (n + 1) / 2 events with their delays.
        const bool recordedDelays = !list.IsAutoInterval;
        block = {kMacroBlock,
                 list.PlayMode,
                 list.PlayMode == 0 ? list.Cycles : 0,
                 recordedDelays ? 1 : 0,
                 recordedDelays ? 0 : list.Delay,
                 recordedDelays ? (count + 1) / 2 : count};
        appendCodes(block, profile, list);
    } else if (mode == toInt(KeyMode::Emulation)) {
        block = {kContinuousBlock, list.Delay, count};
        appendCodes(block, profile, list);
    } else if (profile.keyCode[index] == kDoubleClickCode) {
        block = {kNormalBlock, 2, kDoubleClickWireCode, kDoubleClickWireCode};
    } else {
        block = {kNormalBlock, 1, profile.keyCode[index]};
    }
    return block;
}

void applyKeyConfigBlock(KeyboardProfile& profile, int layer, int keyId, std::span<const int> block) {
    const int index = slot(keyId, layer);
    std::int32_t& mode = profile.keyMode[index];
    const int kind = block.empty() ? -1 : block[0];
    if (kind == kNormalBlock) {
        const std::size_t n = fittingCount(block, 1, 2, 1);
        if (n == 0) {
            mode = toInt(KeyMode::NotSet);
        } else if (n == 1) {
            profile.keyCode[index] = block[2];
            mode = toInt(modeOfReadCode(block[2]));
        } else if (n == 2 && block[2] == kDoubleClickWireCode && block[3] == kDoubleClickWireCode) {
            profile.keyCode[index] = kDoubleClickCode;
            mode = toInt(KeyMode::Mouse);
        } else {
            ScrollList list(kReadComboViewSize);
            for (std::size_t i = 0; i < n; ++i) {
                list.appendItem(profile.codeCaption(block[2 + i]), ScrollList(kReadComboViewSize));
            }
            profile.keyList[index] = list;
            mode = toInt(KeyMode::Combo);
        }
    } else if (kind == kContinuousBlock) {
        const std::size_t n = fittingCount(block, 2, 3, 1);
        if (n == 0) {
            mode = toInt(KeyMode::NotSet);
            return;
        }
        ScrollList list(kReadSequenceViewSize);
        list.Delay = block[1];
        for (std::size_t i = 0; i < n; ++i) {
            list.appendItem(profile.codeCaption(block[3 + i]), ScrollList(kReadSequenceViewSize));
        }
        profile.keyList[index] = list;
        mode = toInt(KeyMode::Emulation);
    } else if (kind == kMacroBlock) {
        const bool recordedDelays = block.size() > 3 && block[3] != 0;
        // Events with delays take two elements each, the last one only one.
        const std::size_t n = recordedDelays ? fittingCount(block, 5, kMacroHeader, 2, 1)
                                             : fittingCount(block, 5, kMacroHeader, 1);
        if (n == 0) {
            mode = toInt(KeyMode::NotSet);
            return;
        }
        ScrollList list(kReadSequenceViewSize);
        list.PlayMode = block[1];
        list.Cycles = block[2];
        list.IsAutoInterval = !recordedDelays;
        list.Delay = block[4];
        const ScrollList noChild(kReadSequenceViewSize);
        for (std::size_t i = 0; i < n; ++i) {
            if (!recordedDelays) {
                list.appendItem(profile.codeCaption(block[kMacroHeader + i]), noChild);
                continue;
            }
            if (i > 0) {
                list.appendItem(delayText(block[kMacroHeader + 2 * i - 1]), noChild);
            }
            list.appendItem(profile.codeCaption(block[kMacroHeader + 2 * i]), noChild);
        }
        profile.keyList[index] = list;
        mode = toInt(KeyMode::Macro);
    } else {
        mode = toInt(KeyMode::NotSet);
    }
}

LightArea lightAreaOf(const KeyboardProfile& profile) {
    LightArea area{};
    for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
        for (int channel = 0; channel < 3; ++channel) {
            area[(keyId - 1) * 3 + channel] = profile.keyColor[keyId][channel];
        }
    }
    return area;
}

void applyLightArea(KeyboardProfile& profile, const LightArea& area) {
    for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
        for (int channel = 0; channel < 3; ++channel) {
            profile.keyColor[keyId][channel] = area[(keyId - 1) * 3 + channel];
        }
    }
}

}  // namespace talvane68
