#pragma once

#include <array>
#include <cstdint>

#include "keymap/ScrollList.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {

// The part of a KeyboardProfile that a profile file holds, under the same
// field names. Copyable, unlike the profile itself (which owns the device).
struct ProfileData {
    ScrollList predefinedMacros;
    ScrollList predefinedCombos;
    ScrollList predefinedEmus;
    std::array<std::array<std::int32_t, 3>, kKeyRows> keyColor{};
    std::array<std::int32_t, kKeySlots> keyMode{};
    std::array<std::int32_t, kKeySlots> keyCode{};
    std::array<ScrollList, kKeySlots> keyList;
};

}  // namespace talvane68
