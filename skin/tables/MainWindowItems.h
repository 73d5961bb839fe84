#pragma once

// Item table of the main window, shared by the window and the skin generator.

#include <vector>

#include "skin/SkinItem.h"
#include "skin/SkinWindowSpec.h"

namespace talvane68 {

inline constexpr SkinWindowSpec kMainWindowSpec{93, 101, 102, 103, rgb(255, 2, 2)};

// Item ids with a meaning of their own.
inline constexpr int kMainLabelFnLayer = 77;
inline constexpr int kMainLabelFirstLayer = 78;
inline constexpr int kMainBacklightButton = 94;
inline constexpr int kMainFirstKeyId = 100;  // key item id = 99 + key id

// The 93 items in index order. The backlight button exists only on keyboards
// of type 1; without it every later item moves up one slot and the last slot
// stays absent.
std::vector<SkinItem> mainWindowItems(int deviceType);

// The same table with every button present, as the skin pictures show it.
inline std::vector<SkinItem> mainWindowSkinItems() {
    return mainWindowItems(1);
}

}  // namespace talvane68
