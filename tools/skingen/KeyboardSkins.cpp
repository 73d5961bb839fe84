// The two keyboard windows: the main window and the backlight window.

#include "skin/tables/BacklightItems.h"
#include "skin/tables/MainWindowItems.h"
#include "tools/skingen/StatePictures.h"
#include "tools/skingen/WindowSkins.h"

namespace talvane68::skingen {
namespace {

using namespace colours;

constexpr QSize kMainSize{1080, 690};
constexpr QSize kBacklightSize{1080, 672};
constexpr qreal kRadius = 18;

QString nameOf(const SkinItem& item) {
    SkinItem copy = item;
    return QString::fromStdU16String(copy.caption["en-US"]);
}

void drawLayerMark(QPainter& p, const SkinRect& label, bool lit) {
    // The layer shown sits on a soft yellow band; the other one on the bare body.
    if (!lit) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF band = toRectF(label);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 0, 26));
    p.drawRoundedRect(band, 5, 5);
    p.restore();
}

void drawWebLink(QPainter& p, const QRectF& r, Look look) {
    const QColor colour = look == Look::Normal ? kDimText : kAccentLight;
    drawIcon(p, QRectF(r.left() + 2, r.top() + 5, 15, 15), Icon::Globe, colour);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    f.setUnderline(look != Look::Normal);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r.adjusted(24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("talvane68 online  \u2197"));
}

void drawMainControls(QPainter& p, Look look) {
    for (const SkinItem& item : mainWindowSkinItems()) {
        if (!item.present()) {
            continue;
        }
        const QRectF r = toRectF(item.rect);
        if (item.label) {
            if (item.id == kMainLabelFnLayer || item.id == kMainLabelFirstLayer) {
                drawLayerMark(p, item.rect, look != Look::Active);
            }
            continue;
        }
        if (item.keyIndex > 0) {
            drawKeyCap(p, r, nameOf(item), look);
            continue;
        }
        switch (item.id) {
            case 86:
                drawIconButton(p, r, Icon::Help, look);
                break;
            case 87:
                drawIconButton(p, r, Icon::Minimise, look);
                break;
            case 88:
                drawIconButton(p, r, Icon::Close, look, true);
                break;
            case 99:
                drawWebLink(p, r, look);
                break;
            default:
                drawButton(p, r, ButtonStyle::Dark, look, 12);
                break;
        }
    }
}

void drawMainBody(QPainter& p) {
    drawLogo(p, QPointF(32, 26), 30);
    drawRgbStrip(p, QRectF(33, 66, 168, 3));
    // The hint box frame around edit box 1001 (670, 120, 230 x 38).
    drawInset(p, QRectF(668.5, 117.5, 234, 43), 6);
    drawUnderglow(p, QRectF(90, 520, 900, 16));
    drawPlate(p, QRectF(40, 188, 997, 336), 16);
    drawDivider(p, QPointF(540, 578), QPointF(30, 578));
    drawDivider(p, QPointF(540, 578), QPointF(1050, 578));
}

void drawBacklightBody(QPainter& p) {
    drawLogo(p, QPointF(32, 26), 30);
    drawRgbStrip(p, QRectF(33, 66, 168, 3));
    drawIcon(p, QRectF(268, 34, 18, 24), Icon::Bulb, kAccent);
    drawUnderglow(p, QRectF(94, 514, 896, 16));
    drawPlate(p, QRectF(44, 191, 996, 327), 16);
    drawDivider(p, QPointF(540, 580), QPointF(22, 580));
    drawDivider(p, QPointF(540, 580), QPointF(1052, 580));
}

// The backlight window has one state picture for hover and active: buttons in
// their hover look, keys in their selected look.
void drawBacklightControls(QPainter& p, Look look) {
    for (const SkinItem& item : backlightItems()) {
        if (!item.present() || item.label) {
            continue;
        }
        const QRectF r = toRectF(item.rect);
        if (item.keyIndex > 0) {
            drawKeyCap(p, r, nameOf(item), look == Look::Normal ? Look::Normal : Look::Active, true);
        } else if (item.id == 88) {
            drawIconButton(p, r, Icon::Close, look == Look::Normal ? Look::Normal : Look::Hover, true);
        } else {
            drawButton(p, r, ButtonStyle::Dark, look == Look::Normal ? Look::Normal : Look::Hover, 12);
        }
    }
}

}  // namespace

void drawMainWindowSkin(PictureSet& out) {
    const WindowArt art{kMainSize, kRadius, kMainWindowSpec.colourKey, drawMainBody, drawMainControls};
    out[kMainWindowSpec.background] = drawState(art, Look::Normal);
    out[kMainWindowSpec.hover] = drawState(art, Look::Hover);
    out[kMainWindowSpec.active] = drawState(art, Look::Active);
}

void drawBacklightSkin(PictureSet& out) {
    const WindowArt art{kBacklightSize, kRadius, kBacklightSpec.colourKey, drawBacklightBody,
                        drawBacklightControls};
    out[kBacklightSpec.background] = drawState(art, Look::Normal);
    out[kBacklightSpec.hover] = drawState(art, Look::Hover);
}

}  // namespace talvane68::skingen
