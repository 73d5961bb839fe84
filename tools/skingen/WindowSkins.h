#pragma once

// Every picture of the skin, by bitmap id, drawn from the windows' item tables.

#include <QImage>
#include <map>

namespace talvane68::skingen {

using PictureSet = std::map<int, QImage>;

void drawMainWindowSkin(PictureSet& out);  // 101, 102, 103
void drawKeyMapSkin(PictureSet& out);      // 107 to 127
void drawBacklightSkin(PictureSet& out);   // 131, 132
void drawProgressSkin(PictureSet& out);    // 139, 140, 141
void drawFirmwareSkin(PictureSet& out);    // 128, 129, 130
void drawScrollBarSkin(PictureSet& out);   // 138

}  // namespace talvane68::skingen
