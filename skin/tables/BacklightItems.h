#pragma once

// Item table of the backlight window, shared by the window and the skin generator.

#include <vector>

#include "skin/SkinItem.h"
#include "skin/SkinWindowSpec.h"

namespace talvane68 {

// The one state picture serves both as hover and as active look.
inline constexpr SkinWindowSpec kBacklightSpec{85, 131, 132, 132, rgb(255, 2, 2)};

std::vector<SkinItem> backlightItems();

}  // namespace talvane68
