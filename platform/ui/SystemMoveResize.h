#pragma once

// Moving and sizing a frameless window the way its hit test answers: the
// window manager takes over the drag (QWindow::startSystemMove/Resize).

#include <Qt>

#include "platform/ui/HitTest.h"

class QWidget;

namespace talvane68 {

// Starts a system move for Caption, a system resize for the sizing borders;
// false for Client, for a widget without a native window, or when the
// platform cannot do it (the offscreen platform, for one).
bool startSystemMoveOrResize(QWidget& window, HitTest hit);

// The pointer shape that belongs to a hit test answer.
Qt::CursorShape cursorForHitTest(HitTest hit);

}  // namespace talvane68
