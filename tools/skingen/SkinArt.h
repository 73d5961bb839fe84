#pragma once

// Drawing primitives of the skin generator: one look for every control, in
// its normal, hover and active state. Each control is drawn entirely inside
// its item rectangle, because the windows copy exactly that rectangle from the
// state pictures.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "skin/SkinItem.h"

namespace talvane68::skingen {

enum class Look { Normal, Hover, Active };

// The palette: a dark graphite body with a warm amber accent.
namespace colours {
inline const QColor kBodyTop{34, 37, 43};
inline const QColor kBodyBottom{24, 26, 30};
inline const QColor kBodyEdge{58, 63, 72};
inline const QColor kPlate{18, 19, 22};
inline const QColor kPlateEdge{46, 50, 57};
inline const QColor kPanel{29, 32, 37};
inline const QColor kPanelEdge{52, 57, 65};
inline const QColor kInset{52, 52, 52};  // the edit boxes' dark brush
inline const QColor kText{205, 209, 216};
inline const QColor kDimText{120, 126, 136};
inline const QColor kAccent{255, 196, 57};
inline const QColor kAccentDeep{222, 152, 24};
inline const QColor kAccentLight{255, 221, 128};
inline const QColor kRecord{0, 200, 90};
inline const QColor kDanger{214, 72, 72};
}  // namespace colours

enum class ButtonStyle {
    Dark,    // light caption drawn over it
    Light,   // black caption drawn over it
    Accent,  // the window's main action, black caption
    Quiet,   // light caption that keeps its colour on hover
};

enum class Icon {
    Help,
    Minimise,
    Close,
    Globe,
    Keyboard,
    Clock,
    Bulb,
    MediaSelect,
    PlayPause,
    Stop,
    Next,
    Previous,
    VolumeDown,
    VolumeUp,
    Mute,
    Back,
    Forward,
    WebStop,
    Refresh,
    Favourites,
    Search,
    Mail,
    Home,
    Computer,
    Calculator,
    Wake,
    Sleep,
    Power,
    ArrowUp,
    ArrowDown,
    ArrowLeft,
    ArrowRight,
};

QRectF toRectF(const SkinRect& r);

// A picture filled with the body colour gradient and its outline.
QImage newWindowPicture(QSize size, qreal radius);
// Makes every pixel outside the rounded window shape exactly the colour key,
// and moves any pixel inside that happens to equal the key off it.
void applyColourKey(QImage& picture, qreal radius, Colour key);

void drawPlate(QPainter& p, const QRectF& r, qreal radius);
void drawPanel(QPainter& p, const QRectF& r, qreal radius = 8);
void drawInset(QPainter& p, const QRectF& r, qreal radius = 4);
void drawDivider(QPainter& p, QPointF from, QPointF to);
void drawLogo(QPainter& p, QPointF topLeft, int pixelSize);
void drawRgbStrip(QPainter& p, const QRectF& r);
// A soft rainbow glow under the keyboard, fading out at both ends.
void drawUnderglow(QPainter& p, const QRectF& r);

void drawKeyCap(QPainter& p, const QRectF& r, const QString& name, Look look, bool selectedLook = false);
void drawButton(QPainter& p, const QRectF& r, ButtonStyle style, Look look, qreal radius = -1);
// A recording button: while active it shows the running look.
void drawRecordButton(QPainter& p, const QRectF& r, ButtonStyle style, Look look);
void drawIconButton(QPainter& p, const QRectF& r, Icon icon, Look look, bool danger = false);
void drawTileButton(QPainter& p, const QRectF& r, Icon icon, Look look);
void drawRadio(QPainter& p, const QRectF& r, Look look);
void drawListRow(QPainter& p, const QRectF& r, Look look);
void drawChoiceRow(QPainter& p, const QRectF& r, Look look);
void drawTab(QPainter& p, const QRectF& r, Look look, bool selected);
void drawIcon(QPainter& p, const QRectF& box, Icon icon, const QColor& colour);

}  // namespace talvane68::skingen
