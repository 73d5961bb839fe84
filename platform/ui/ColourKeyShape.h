#pragma once

// Colour-key window shaping: a window drawn from a picture is cut to the
// picture's pixels that are not exactly the key colour. What is cut away is
// not drawn and lets clicks through to what lies below.

#include <QImage>
#include <QRegion>

class QWidget;

namespace talvane68 {

// The region of the picture's pixels that differ from key (RGB, alpha ignored).
QRegion colourKeyRegion(const QImage& picture, QRgb key);

// Makes the widget a frameless window of the picture's size whose shape is
// colourKeyRegion. The window is not moved.
void applyColourKeyShape(QWidget& window, const QImage& picture, QRgb key);

}  // namespace talvane68
