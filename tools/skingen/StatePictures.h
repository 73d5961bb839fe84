#pragma once

// Draws a window's three state pictures from one description: the same
// static body on each, then every control in the state of that picture.

#include <functional>

#include "tools/skingen/SkinArt.h"

namespace talvane68::skingen {

struct WindowArt {
    QSize size;
    qreal radius;
    Colour colourKey;
    std::function<void(QPainter&)> body;
    std::function<void(QPainter&, Look)> controls;
};

QImage drawState(const WindowArt& art, Look look);

}  // namespace talvane68::skingen
