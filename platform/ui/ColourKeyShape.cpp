#include "platform/ui/ColourKeyShape.h"

#include <QBitmap>
#include <QWidget>

namespace talvane68 {

QRegion colourKeyRegion(const QImage& picture, QRgb key) {
    if (picture.isNull()) {
        return {};
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    // Opaque key so the comparison ignores whatever alpha the picture carried.
    const QImage mask = rgb.createMaskFromColor(0xFF000000u | (key & 0x00FFFFFFu), Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(mask));
}

void applyColourKeyShape(QWidget& window, const QImage& picture, QRgb key) {
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setFixedSize(picture.size());
    window.setMask(colourKeyRegion(picture, key));
}

}  // namespace talvane68
