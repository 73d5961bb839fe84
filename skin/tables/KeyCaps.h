#pragma once

// Where the 68 pictured keys sit on the main window and on the backlight
// window, with the name each key cap shows.

#include <span>

#include "skin/SkinItem.h"

namespace talvane68 {

struct KeyCap {
    int keyId;  // 1 to 68
    SkinRect rect;
    const char16_t* name;
};

std::span<const KeyCap> mainWindowKeyCaps();
std::span<const KeyCap> backlightKeyCaps();

}  // namespace talvane68
