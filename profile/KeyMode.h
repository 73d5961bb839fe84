#pragma once

// What kind of assignment a key carries on one layer. Combo, Macro and
// Emulation keep their content in the key's list, the others in its code.

#include <cstdint>

namespace talvane68 {

enum class KeyMode : std::int32_t {
    NotSet = 0,
    Single = 1,
    Combo = 2,
    Macro = 3,
    Emulation = 4,
    Multimedia = 5,
    Mouse = 6,
    Function = 7,
    Power = 8,
};

constexpr std::int32_t toInt(KeyMode mode) {
    return static_cast<std::int32_t>(mode);
}

// True for the modes whose content is the key's list.
constexpr bool isListMode(std::int32_t mode) {
    return mode == toInt(KeyMode::Combo) || mode == toInt(KeyMode::Macro) ||
           mode == toInt(KeyMode::Emulation);
}

}  // namespace talvane68
