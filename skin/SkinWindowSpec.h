#pragma once

// What a skinned window takes from the skin: the length of its item table,
// its three pictures and the colour that is see-through on screen.

#include "skin/SkinItem.h"

namespace talvane68 {

struct SkinWindowSpec {
    int itemCount;
    int background;  // bitmap ids of the skin
    int hover;
    int active;
    Colour colourKey;
};

}  // namespace talvane68
