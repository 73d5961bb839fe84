#include "tools/skingen/StatePictures.h"

namespace talvane68::skingen {

QImage drawState(const WindowArt& art, Look look) {
    QImage picture = newWindowPicture(art.size, art.radius);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        if (art.body) {
            art.body(p);
        }
        if (art.controls) {
            art.controls(p, look);
        }
    }
    applyColourKey(picture, art.radius, art.colourKey);
    return picture;
}

}  // namespace talvane68::skingen
