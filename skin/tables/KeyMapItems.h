#pragma once

// Item table of the key assignment window (seven pages), shared by the window
// and the skin generator. Ids below 100 belong to every page; id / 100 is the
// page of the others.

#include <vector>

#include "skin/SkinItem.h"
#include "skin/SkinWindowSpec.h"

namespace talvane68 {

inline constexpr int kKeyMapItemCount = 220;
inline constexpr int kKeyMapPageCount = 7;
inline constexpr Colour kKeyMapColourKey = rgb(166, 250, 57);

// Pictures of page 1 to 7: background 107 + 3p, hover 108 + 3p, active 109 + 3p
// with p = page - 1.
constexpr SkinWindowSpec keyMapPageSpec(int page) {
    const int base = 107 + 3 * (page - 1);
    return {kKeyMapItemCount, base, base + 1, base + 2, kKeyMapColourKey};
}

// The page an item belongs to, 0 for items shown on every page.
constexpr int keyMapPageOf(int id) {
    return id < 100 ? 0 : id / 100;
}

std::vector<SkinItem> keyMapItems();

}  // namespace talvane68
