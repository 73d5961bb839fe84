// The small device windows (progress, firmware update) and the scroll bar skin.

#include "skin/tables/ProgressItems.h"
#include "tools/skingen/StatePictures.h"
#include "tools/skingen/WindowSkins.h"

namespace talvane68::skingen {
namespace {

using namespace colours;

constexpr qreal kRadius = 14;

void drawBarTrack(QPainter& p, const SkinRect& bar, int visibleRight) {
    drawInset(p, QRectF(bar.left - 2, bar.top - 2, visibleRight - bar.left + 4, bar.height() + 4), 5);
}

void drawBarFill(QPainter& p, const SkinRect& bar, int visibleRight) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF fill(bar.left, bar.top, visibleRight - bar.left, bar.height());
    QLinearGradient g(fill.topLeft(), fill.topRight());
    g.setColorAt(0, kAccentDeep);
    g.setColorAt(1, kAccentLight);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(fill, 4, 4);
    // Stripes, so the bar reads as moving.
    p.setClipRect(fill);
    p.setPen(QPen(QColor(255, 255, 255, 40), 5));
    for (qreal x = fill.left() - fill.height(); x < fill.right(); x += 14) {
        p.drawLine(QPointF(x, fill.bottom()), QPointF(x + fill.height(), fill.top()));
    }
    p.restore();
}

void drawSmallWindowControls(QPainter& p, Look look, const std::vector<SkinItem>& items) {
    for (const SkinItem& item : items) {
        if (!item.present() || item.label) {
            continue;
        }
        const QRectF r = toRectF(item.rect);
        if (item.id == 89) {
            drawIconButton(p, QRectF(r.left(), r.center().y() - 11, 23, 23), Icon::Close, look, true);
        } else {
            drawButton(p, r, ButtonStyle::Quiet, look, 6);
        }
    }
}

void drawScrollCell(QPainter& p, const QRectF& cell, int column, int row) {
    const Look look = row == 0 ? Look::Normal : row == 1 ? Look::Hover : Look::Active;
    const bool vertical = column < 4;
    const int part = column % 4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor track(26, 28, 32);
    p.fillRect(cell, track);
    if (part == 3) {  // track: a plain groove, tiles seamlessly
        p.fillRect(vertical ? QRectF(cell.center().x() - 1, cell.top(), 2, cell.height())
                            : QRectF(cell.left(), cell.center().y() - 1, cell.width(), 2),
                   QColor(38, 41, 46));
    } else if (part == 2) {  // thumb: 3-pixel rounded ends, plain middle
        const QColor body = look == Look::Normal  ? QColor(86, 92, 104)
                            : look == Look::Hover ? QColor(118, 125, 139)
                                                  : kAccent;
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        const QRectF thumb = vertical ? cell.adjusted(3, 0, -3, 0) : cell.adjusted(0, 3, 0, -3);
        p.drawRoundedRect(thumb, 3, 3);
    } else {  // arrows
        const QColor face = look == Look::Normal  ? QColor(44, 48, 55)
                            : look == Look::Hover ? QColor(66, 71, 81)
                                                  : kAccentDeep;
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 3, 3);
        static constexpr Icon kArrows[] = {Icon::ArrowUp, Icon::ArrowDown, Icon::ArrowLeft, Icon::ArrowRight};
        const QColor glyph = look == Look::Active ? QColor(30, 26, 16) : kText;
        drawIcon(p, cell.adjusted(3, 3, -3, -3), kArrows[(vertical ? 0 : 2) + part], glyph);
    }
    p.restore();
}

}  // namespace

void drawProgressSkin(PictureSet& out) {
    constexpr QSize size{385, 240};
    const SkinRect bar = kProgressBarArea;
    const int barEnd = 355;
    const auto items = progressItems();
    const WindowArt art{size, kRadius, kProgressSpec.colourKey,
                        [&](QPainter& p) {
                            drawDivider(p, QPointF(192, 52), QPointF(20, 52));
                            drawDivider(p, QPointF(192, 52), QPointF(365, 52));
                            drawBarTrack(p, bar, barEnd);
                        },
                        [&](QPainter& p, Look look) { drawSmallWindowControls(p, look, items); }};
    out[kProgressSpec.background] = drawState(art, Look::Normal);
    out[kProgressSpec.hover] = drawState(art, Look::Hover);
    QImage active = drawState(art, Look::Active);
    {
        QPainter p(&active);
        drawBarFill(p, bar, barEnd);
    }
    out[kProgressSpec.active] = active;
}

void drawFirmwareSkin(PictureSet& out) {
    constexpr QSize size{385, 256};
    const SkinRect bar = kFirmwareBarArea;
    const auto items = firmwareItems();
    const WindowArt art{size, kRadius, kFirmwareSpec.colourKey,
                        [&](QPainter& p) {
                            drawDivider(p, QPointF(192, 52), QPointF(20, 52));
                            drawDivider(p, QPointF(192, 52), QPointF(365, 52));
                            drawInset(p, QRectF(42, 76, 166, 22));    // version box 1001
                            drawInset(p, QRectF(110, 114, 147, 23));  // path box 1002
                            drawBarTrack(p, bar, bar.right);
                        },
                        [&](QPainter& p, Look look) { drawSmallWindowControls(p, look, items); }};
    out[kFirmwareSpec.background] = drawState(art, Look::Normal);
    out[kFirmwareSpec.hover] = drawState(art, Look::Hover);
    QImage active = drawState(art, Look::Active);
    {
        QPainter p(&active);
        drawBarFill(p, bar, bar.right);
    }
    out[kFirmwareSpec.active] = active;
}

void drawScrollBarSkin(PictureSet& out) {
    constexpr int kCell = 15;
    QImage skin(9 * kCell, 3 * kCell, QImage::Format_RGB32);
    skin.fill(QColor(26, 28, 32));
    QPainter p(&skin);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 8; ++column) {
            drawScrollCell(p, QRectF(column * kCell, row * kCell, kCell, kCell), column, row);
        }
    }
    p.end();
    out[138] = skin;
}

}  // namespace talvane68::skingen
