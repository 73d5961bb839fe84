#include "platform/ui/SystemMoveResize.h"

#include <QWidget>
#include <QWindow>

namespace talvane68 {

bool startSystemMoveOrResize(QWidget& window, HitTest hit) {
    QWindow* native = window.windowHandle();
    if (native == nullptr) {
        return false;
    }
    switch (hit) {
        case HitTest::Caption:
            return native->startSystemMove();
        case HitTest::Right:
            return native->startSystemResize(Qt::RightEdge);
        case HitTest::Bottom:
            return native->startSystemResize(Qt::BottomEdge);
        case HitTest::BottomRight:
            return native->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        case HitTest::Client:
            break;
    }
    return false;
}

Qt::CursorShape cursorForHitTest(HitTest hit) {
    switch (hit) {
        case HitTest::Right:
            return Qt::SizeHorCursor;
        case HitTest::Bottom:
            return Qt::SizeVerCursor;
        case HitTest::BottomRight:
            return Qt::SizeFDiagCursor;
        case HitTest::Client:
        case HitTest::Caption:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace talvane68
