#pragma once

// Item tables of the progress window and of the firmware update window,
// shared by the windows and the skin generator.

#include <vector>

#include "skin/SkinItem.h"
#include "skin/SkinWindowSpec.h"

namespace talvane68 {

inline constexpr SkinWindowSpec kProgressSpec{107, 139, 140, 141, rgb(166, 250, 57)};
inline constexpr SkinWindowSpec kFirmwareSpec{107, 128, 129, 130, rgb(255, 0, 0)};

// Where the bars are copied from the active picture (full length).
inline constexpr SkinRect kProgressBarArea{30, 153, 30 + 400, 153 + 20};
inline constexpr SkinRect kFirmwareBarArea{40, 150, 40 + 290, 150 + 22};

std::vector<SkinItem> progressItems();
std::vector<SkinItem> firmwareItems();

}  // namespace talvane68
