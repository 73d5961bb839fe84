// The key assignment window: one set of three pictures per page. Each page's
// background shows that page's tab selected and the page's fixed parts.

#include "skin/tables/KeyMapItems.h"
#include "tools/skingen/StatePictures.h"
#include "tools/skingen/WindowSkins.h"

namespace talvane68::skingen {
namespace {

using namespace colours;

constexpr QSize kSize{620, 380};
constexpr qreal kRadius = 14;

// The tab item of each page (pages 3 and 7 have none).
int tabOfPage(int page) {
    switch (page) {
        case 1:
            return 90;
        case 2:
            return 91;
        case 4:
            return 93;
        case 5:
            return 94;
        case 6:
            return 95;
        default:
            return -1;
    }
}

Icon multimediaIcon(int id) {
    static constexpr Icon kIcons[] = {
        Icon::MediaSelect, Icon::PlayPause, Icon::Stop, Icon::Next,    Icon::Previous, Icon::VolumeDown,
        Icon::VolumeUp,    Icon::Mute,      Icon::Back, Icon::Forward, Icon::WebStop,  Icon::Refresh,
        Icon::Favourites,  Icon::Search,    Icon::Mail, Icon::Home,    Icon::Computer, Icon::Calculator,
    };
    return kIcons[id - 401];
}

void drawPageBody(QPainter& p, int page) {
    // Title strip and the page panel below the tabs.
    drawIcon(p, QRectF(24, 20, 20, 20), Icon::Keyboard, kAccent);
    drawDivider(p, QPointF(20, 50), QPointF(600, 50));
    drawPanel(p, QRectF(20, 91, 580, 224), 10);
    switch (page) {
        case 1:
            drawInset(p, QRectF(46, 186, 142, 34));   // the captured key
            drawInset(p, QRectF(225, 172, 162, 88));  // combination list and its bar
            drawInset(p, QRectF(402, 173, 144, 86));  // edit box 1005
            drawDivider(p, QPointF(208, 110), QPointF(208, 300));
            drawIcon(p, QRectF(48, 138, 16, 14), Icon::Keyboard, kDimText);
            break;
        case 2:
            drawInset(p, QRectF(41, 150, 159, 106));
            drawInset(p, QRectF(220, 150, 159, 106));
            drawInset(p, QRectF(493, 105, 48, 22));  // edit box 1001
            drawInset(p, QRectF(493, 194, 48, 22));  // edit box 1002
            drawDivider(p, QPointF(392, 104), QPointF(392, 250));
            break;
        case 3:
            drawInset(p, QRectF(33, 110, 165, 134));
            drawInset(p, QRectF(209, 110, 165, 134));
            drawInset(p, QRectF(493, 105, 48, 22));  // edit box 1001
            break;
        case 4:
            drawDivider(p, QPointF(172, 126), QPointF(560, 126));
            drawDivider(p, QPointF(172, 225), QPointF(560, 225));
            break;
        default:
            break;
    }
}

void drawPageControls(QPainter& p, Look look, int page) {
    const int tab = tabOfPage(page);
    for (const SkinItem& item : keyMapItems()) {
        const int itemPage = keyMapPageOf(item.id);
        if (!item.present() || item.label || (itemPage != 0 && itemPage != page)) {
            continue;
        }
        const QRectF r = toRectF(item.rect);
        const int id = item.id;
        if (id >= 90 && id <= 95) {
            drawTab(p, r, look, id == tab);
        } else if (id == 97) {
            drawIconButton(p, r.adjusted(-2, -2, 2, 2) & r, Icon::Close, look, true);
        } else if (id == 88) {
            drawButton(p, r, ButtonStyle::Accent, look);
        } else if (id < 100) {
            drawButton(p, r, ButtonStyle::Light, look);
        } else if (id == 101 || id == 102 || id == 201 || id == 203 || (id >= 208 && id <= 210)) {
            drawRadio(p, r, look);
        } else if (id == 103 || id == 301 || (id >= 141 && id <= 145)) {
            // Pictures only (and the rows under edit box 1005): no state look.
            if (id == 301) {
                drawIcon(p, QRectF(r.left() + 6, r.top() + 4, 12, 12), Icon::Clock, kDimText);
            }
        } else if (id == 104 || id == 107 || id == 207) {
            drawRecordButton(p, r, ButtonStyle::Light, look);
        } else if (id == 302) {
            drawRecordButton(p, r, ButtonStyle::Quiet, look);
        } else if (id == 305 || id == 306) {
            drawButton(p, r, ButtonStyle::Quiet, look);
        } else if (item.captioned) {
            drawListRow(p, r, look);
        } else if (id >= 401 && id <= 418) {
            drawTileButton(p, r, multimediaIcon(id), look);
        } else if (id >= 701 && id <= 703) {
            drawChoiceRow(p, r, look);
            static constexpr Icon kPower[] = {Icon::Wake, Icon::Sleep, Icon::Power};
            const QColor glyph = look == Look::Normal ? kDimText : kAccentLight;
            drawIcon(p, QRectF(r.left() + 7, r.top() + 8, 14, 14), kPower[id - 701], glyph);
        } else if (id >= 500) {
            drawChoiceRow(p, r, look);
        } else {
            drawButton(p, r, ButtonStyle::Light, look);
        }
    }
}

}  // namespace

void drawKeyMapSkin(PictureSet& out) {
    for (int page = 1; page <= kKeyMapPageCount; ++page) {
        const SkinWindowSpec spec = keyMapPageSpec(page);
        const WindowArt art{kSize, kRadius, spec.colourKey, [page](QPainter& p) { drawPageBody(p, page); },
                            [page](QPainter& p, Look look) { drawPageControls(p, look, page); }};
        out[spec.background] = drawState(art, Look::Normal);
        out[spec.hover] = drawState(art, Look::Hover);
        out[spec.active] = drawState(art, Look::Active);
    }
}

}  // namespace talvane68::skingen
