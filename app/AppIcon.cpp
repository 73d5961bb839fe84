#include "app/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace talvane68 {

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size;
        const QRectF cap(s * 0.06, s * 0.06, s * 0.88, s * 0.88);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 26, 30));
        p.drawRoundedRect(cap, s * 0.2, s * 0.2);
        const QRectF face = cap.adjusted(s * 0.12, s * 0.1, -s * 0.12, -s * 0.22);
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, QColor(74, 80, 91));
        g.setColorAt(1, QColor(52, 56, 64));
        p.setBrush(g);
        p.drawRoundedRect(face, s * 0.12, s * 0.12);
        p.setBrush(QColor(255, 196, 57));
        p.drawRoundedRect(
            QRectF(cap.left() + s * 0.2, cap.bottom() - s * 0.13, cap.width() - s * 0.4, s * 0.06), s * 0.03,
            s * 0.03);
        QFont f;
        f.setPixelSize(static_cast<int>(s * 0.34));
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 196, 57));
        p.drawText(face, Qt::AlignCenter, QStringLiteral("68"));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace talvane68
