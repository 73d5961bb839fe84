#include "tools/skingen/SkinArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace talvane68::skingen {
namespace {

using namespace colours;

QFont pixelFont(int size, int weight = QFont::Normal) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void roundedFill(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill, const QColor& edge,
                 qreal edgeWidth = 1) {
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth) : Qt::NoPen);
    p.setBrush(fill);
    const qreal inset = edgeWidth / 2;
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
}

QPainterPath chevron(const QRectF& b, bool right) {
    QPainterPath path;
    const qreal x0 = right ? b.left() + b.width() * 0.35 : b.right() - b.width() * 0.35;
    const qreal x1 = right ? b.right() - b.width() * 0.3 : b.left() + b.width() * 0.3;
    path.moveTo(x0, b.top() + b.height() * 0.2);
    path.lineTo(x1, b.center().y());
    path.lineTo(x0, b.bottom() - b.height() * 0.2);
    return path;
}

}  // namespace

QRectF toRectF(const SkinRect& r) {
    return QRectF(r.left, r.top, r.width(), r.height());
}

QImage newWindowPicture(QSize size, qreal radius) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBodyBottom);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    p.fillRect(all, vertical(all, kBodyTop, kBodyBottom));
    // A faint top light and a crisp outline.
    QLinearGradient sheen(all.topLeft(), QPointF(0, 60));
    sheen.setColorAt(0, QColor(255, 255, 255, 14));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, size.width(), 60), sheen);
    p.setPen(QPen(kBodyEdge, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(all.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    return picture;
}

void applyColourKey(QImage& picture, qreal radius, Colour key) {
    // The shape is rasterised without antialiasing, so no edge pixel mixes
    // the key colour into the body.
    QImage shape(picture.size(), QImage::Format_Grayscale8);
    shape.fill(0);
    {
        QPainter p(&shape);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0, 0, picture.width(), picture.height()), radius, radius);
    }
    const QRgb keyRgb = qRgb(redOf(key), greenOf(key), blueOf(key));
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const uchar* inside = shape.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (inside[x] == 0) {
                line[x] = keyRgb;
            } else if ((line[x] & 0x00FFFFFFu) == (keyRgb & 0x00FFFFFFu)) {
                line[x] = qRgb(qRed(keyRgb), qGreen(keyRgb) ^ 1, qBlue(keyRgb));
            }
        }
    }
}

void drawPlate(QPainter& p, const QRectF& r, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, r, radius, vertical(r, QColor(16, 17, 20), QColor(21, 23, 27)), kPlateEdge, 1.5);
    // Inner shadow along the top edge: the keys sit in a well.
    QLinearGradient shade(r.topLeft(), r.topLeft() + QPointF(0, 14));
    shade.setColorAt(0, QColor(0, 0, 0, 90));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    p.restore();
}

void drawPanel(QPainter& p, const QRectF& r, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, r, radius, kPanel, kPanelEdge);
    p.restore();
}

void drawInset(QPainter& p, const QRectF& r, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, r, radius, kInset, QColor(70, 74, 82));
    p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    p.restore();
}

void drawDivider(QPainter& p, QPointF from, QPointF to) {
    p.save();
    QLinearGradient g(from, to);
    g.setColorAt(0, QColor(kPanelEdge.red(), kPanelEdge.green(), kPanelEdge.blue(), 230));
    g.setColorAt(1, QColor(kPanelEdge.red(), kPanelEdge.green(), kPanelEdge.blue(), 0));
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(from, to);
    p.restore();
}

void drawRgbStrip(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, QColor(0, 200, 255));
    g.setColorAt(0.35, QColor(150, 90, 255));
    g.setColorAt(0.7, QColor(255, 80, 140));
    g.setColorAt(1.0, kAccent);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.restore();
}

void drawUnderglow(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QImage glow(r.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter g(&glow);
        QLinearGradient hues(0, 0, glow.width(), 0);
        hues.setColorAt(0.0, QColor(0, 200, 255));
        hues.setColorAt(0.35, QColor(150, 90, 255));
        hues.setColorAt(0.7, QColor(255, 80, 140));
        hues.setColorAt(1.0, kAccent);
        g.fillRect(glow.rect(), hues);
        // Fade towards the ends and away from the centre line.
        g.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient along(0, 0, glow.width(), 0);
        along.setColorAt(0, QColor(0, 0, 0, 0));
        along.setColorAt(0.5, QColor(0, 0, 0, 255));
        along.setColorAt(1, QColor(0, 0, 0, 0));
        g.fillRect(glow.rect(), along);
        QLinearGradient across(0, 0, 0, glow.height());
        across.setColorAt(0, QColor(0, 0, 0, 0));
        across.setColorAt(0.5, QColor(0, 0, 0, 110));
        across.setColorAt(1, QColor(0, 0, 0, 0));
        g.fillRect(glow.rect(), across);
    }
    p.drawImage(r.topLeft(), glow);
    p.restore();
}

void drawLogo(QPainter& p, QPointF topLeft, int pixelSize) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = pixelFont(pixelSize, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.12);
    p.setFont(f);
    const QString name = QStringLiteral("TALVANE");
    const QFontMetricsF m(f);
    const QPointF base = topLeft + QPointF(0, m.ascent());
    p.setPen(kText);
    p.drawText(base, name);
    p.setPen(kAccent);
    p.drawText(base + QPointF(m.horizontalAdvance(name), 0), QStringLiteral("68"));
    p.restore();
}

void drawKeyCap(QPainter& p, const QRectF& r, const QString& name, Look look, bool selectedLook) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cap = r.adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = 6;
    // The skirt, then the top face inset from it, as a real key cap.
    const QColor skirt = look == Look::Hover ? QColor(40, 44, 51) : QColor(30, 33, 38);
    roundedFill(p, cap, radius, skirt, QColor(12, 13, 15), 1);
    QRectF face = cap.adjusted(4, 3, -4, -7);
    QColor faceTop(64, 69, 78), faceBottom(52, 56, 64), faceEdge(80, 86, 96);
    QColor legend = kText;
    if (look == Look::Hover) {
        faceTop = QColor(88, 95, 107);
        faceBottom = QColor(72, 78, 89);
        faceEdge = QColor(196, 204, 216);
        legend = QColor(255, 255, 255);
    } else if (look == Look::Active) {
        // Lit: the legend and the strip at the key's foot glow; a selected key
        // (backlight window) also takes a warm face.
        faceTop = selectedLook ? QColor(92, 82, 56) : QColor(66, 69, 76);
        faceBottom = selectedLook ? QColor(76, 67, 42) : QColor(54, 56, 62);
        faceEdge = selectedLook ? kAccent : QColor(150, 118, 48);
        legend = kAccent;
    }
    roundedFill(p, face, radius - 2, vertical(face, faceTop, faceBottom), faceEdge,
                look == Look::Normal ? 1 : 1.5);
    if (look == Look::Active) {
        // The lit strip at the foot of the key: this key carries an assignment.
        const QRectF led(cap.left() + 10, cap.bottom() - 5, cap.width() - 20, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(led, 1.25, 1.25);
        if (selectedLook) {
            // A tick in the corner of a selected key.
            QPainterPath tick;
            const QPointF c(face.right() - 9, face.top() + 8);
            tick.moveTo(c + QPointF(-4, 0));
            tick.lineTo(c + QPointF(-1, 3));
            tick.lineTo(c + QPointF(4, -3));
            p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
    }
    // Characters large and centred; names small, at the top left of wide keys,
    // shrunk until they fit the face.
    const bool character = name.size() == 1 || name == QStringLiteral("`~");
    const bool wide = r.width() > 80;
    const QRectF text = face.adjusted(5, 4, -5, -4);
    int size = character ? 16 : 12;
    QFont font = pixelFont(size, look == Look::Normal ? QFont::Normal : QFont::DemiBold);
    while (size > 8 && QFontMetricsF(font).horizontalAdvance(name) > text.width()) {
        font.setPixelSize(--size);
    }
    p.setFont(font);
    p.setPen(legend);
    p.drawText(text, character || !wide ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop, name);
    p.restore();
}

void drawButton(QPainter& p, const QRectF& r, ButtonStyle style, Look look, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(1, 1, -1, -1);
    if (radius < 0) {
        radius = std::min<qreal>(10, b.height() / 2);
    }
    QColor top, bottom, edge;
    switch (style) {
        case ButtonStyle::Dark:
            top = QColor(50, 54, 62);
            bottom = QColor(40, 43, 50);
            edge = QColor(68, 73, 83);
            if (look == Look::Hover) {
                // Bright enough for the dark caption the windows draw on a hovered button.
                top = kAccentLight;
                bottom = kAccent;
                edge = QColor(255, 232, 170);
            } else if (look == Look::Active) {
                top = kAccentDeep;
                bottom = QColor(196, 132, 18);
                edge = kAccent;
            }
            break;
        case ButtonStyle::Light:
            top = QColor(214, 218, 225);
            bottom = QColor(184, 189, 198);
            edge = QColor(236, 239, 243);
            if (look == Look::Hover) {
                top = QColor(240, 242, 246);
                bottom = QColor(214, 218, 225);
                edge = kAccent;
            } else if (look == Look::Active) {
                top = QColor(160, 165, 174);
                bottom = QColor(184, 189, 198);
                edge = QColor(120, 125, 134);
            }
            break;
        case ButtonStyle::Quiet:
            top = QColor(50, 54, 62);
            bottom = QColor(40, 43, 50);
            edge = QColor(68, 73, 83);
            if (look == Look::Hover) {
                top = QColor(76, 82, 93);
                bottom = QColor(62, 67, 77);
                edge = kAccent;
            } else if (look == Look::Active) {
                top = QColor(104, 78, 24);
                bottom = QColor(90, 66, 20);
                edge = kAccent;
            }
            break;
        case ButtonStyle::Accent:
            top = kAccentLight;
            bottom = kAccent;
            edge = QColor(255, 232, 170);
            if (look == Look::Hover) {
                top = QColor(255, 233, 165);
                bottom = QColor(255, 208, 90);
                edge = QColor(255, 244, 210);
            } else if (look == Look::Active) {
                top = kAccentDeep;
                bottom = kAccent;
                edge = kAccentDeep;
            }
            break;
    }
    roundedFill(p, b, radius, vertical(b, top, bottom), edge);
    p.restore();
}

void drawRecordButton(QPainter& p, const QRectF& r, ButtonStyle style, Look look) {
    if (look != Look::Active) {
        drawButton(p, r, style, look);
        return;
    }
    // Running: a dark body ringed in green, with a green dot, for the green caption.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(1, 1, -1, -1);
    const qreal radius = std::min<qreal>(10, b.height() / 2);
    roundedFill(p, b, radius, vertical(b, QColor(22, 40, 30), QColor(16, 30, 22)), kRecord, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kRecord);
    const qreal d = std::min<qreal>(8, b.height() * 0.35);
    p.drawEllipse(QRectF(b.left() + 8, b.center().y() - d / 2, d, d));
    p.restore();
}

void drawIconButton(QPainter& p, const QRectF& r, Icon icon, Look look, bool danger) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(r.width(), r.height()) - 4;
    const QRectF disc(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    QColor glyph = kDimText.lighter(130);
    if (look != Look::Normal) {
        const QColor fill = danger ? (look == Look::Hover ? kDanger : kDanger.darker(130))
                                   : (look == Look::Hover ? QColor(70, 76, 86) : QColor(50, 54, 62));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(disc);
        glyph = QColor(255, 255, 255);
    } else {
        p.setPen(QPen(QColor(64, 69, 78), 1));
        p.setBrush(QColor(38, 41, 47));
        p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    drawIcon(p, disc.adjusted(side * 0.27, side * 0.27, -side * 0.27, -side * 0.27), icon, glyph);
    p.restore();
}

void drawTileButton(QPainter& p, const QRectF& r, Icon icon, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(1, 1, -1, -1);
    QColor fillTop(48, 52, 60), fillBottom(38, 41, 48), edge(66, 71, 81), glyph = kText;
    if (look == Look::Hover) {
        fillTop = QColor(66, 71, 81);
        fillBottom = QColor(54, 58, 66);
        edge = kAccentLight;
        glyph = kAccentLight;
    } else if (look == Look::Active) {
        fillTop = kAccentLight;
        fillBottom = kAccent;
        edge = QColor(255, 236, 180);
        glyph = QColor(40, 34, 20);
    }
    roundedFill(p, b, 7, vertical(b, fillTop, fillBottom), edge);
    const qreal side = std::min(b.width(), b.height()) * 0.56;
    drawIcon(p, QRectF(b.center().x() - side / 2, b.center().y() - side / 2, side, side), icon, glyph);
    p.restore();
}

void drawRadio(QPainter& p, const QRectF& r, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(r.width(), r.height()) - 4;
    const QRectF ring(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setPen(QPen(look == Look::Normal ? QColor(96, 102, 114) : kAccent, 1.6));
    p.setBrush(look == Look::Hover ? QColor(58, 62, 70) : QColor(36, 39, 45));
    p.drawEllipse(ring);
    if (look == Look::Active) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(ring.adjusted(side * 0.27, side * 0.27, -side * 0.27, -side * 0.27));
    }
    p.restore();
}

void drawListRow(QPainter& p, const QRectF& r, Look look) {
    if (look == Look::Normal) {
        return;  // the list panel shows through
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (look == Look::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 65, 74));
    } else {
        p.setPen(QPen(kAccentDeep, 1));
        p.setBrush(QColor(96, 74, 26));
    }
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    p.restore();
}

void drawChoiceRow(QPainter& p, const QRectF& r, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill(38, 41, 48), edge(54, 58, 66);
    if (look == Look::Hover) {
        fill = QColor(60, 65, 74);
        edge = QColor(96, 102, 114);
    } else if (look == Look::Active) {
        fill = QColor(104, 78, 24);
        edge = kAccent;
    }
    roundedFill(p, r.adjusted(0.5, 0.5, -0.5, -0.5), 3, fill, edge);
    if (look == Look::Active) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(r.right() - 7, r.top() + 4, 3, r.height() - 8), 1.5, 1.5);
    }
    p.restore();
}

void drawTab(QPainter& p, const QRectF& r, Look look, bool selected) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF t = r.adjusted(1.5, 1, -1.5, 0);
    QPainterPath shape;
    shape.addRoundedRect(t.adjusted(0, 0, 0, 8), 7, 7);
    QPainterPath cut;
    cut.addRect(t);
    shape = shape.intersected(cut);
    QColor fill = selected ? kPanel : QColor(26, 28, 33);
    QColor edge = selected ? kPanelEdge : QColor(44, 48, 55);
    if (look == Look::Hover && !selected) {
        fill = QColor(44, 48, 56);
        edge = QColor(76, 82, 92);
    } else if (look == Look::Active) {
        fill = kPanel;
        edge = kPanelEdge;
        selected = true;
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPath(shape);
    if (selected) {
        // Joins the tab to the page below and marks it with the accent.
        p.fillRect(QRectF(t.left() + 0.5, t.bottom() - 1.5, t.width() - 1, 3), kPanel);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(t.left() + 12, t.top() + 2, t.width() - 24, 3), 1.5, 1.5);
    } else if (look == Look::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccentLight);
        p.drawRoundedRect(QRectF(t.left() + 22, t.top() + 2, t.width() - 44, 2), 1, 1);
    }
    p.restore();
}

void drawIcon(QPainter& p, const QRectF& b, Icon icon, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = b.width(), h = b.height();
    const qreal stroke = std::max<qreal>(1.4, w / 9);
    const QPen pen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto at = [&](qreal fx, qreal fy) { return QPointF(b.left() + fx * w, b.top() + fy * h); };
    auto triangle = [&](qreal x0, qreal x1, bool right) {
        QPainterPath t;
        t.moveTo(at(right ? x0 : x1, 0.18));
        t.lineTo(at(right ? x1 : x0, 0.5));
        t.lineTo(at(right ? x0 : x1, 0.82));
        t.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(t);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    };
    auto speaker = [&] {
        QPainterPath s;
        s.moveTo(at(0.05, 0.36));
        s.lineTo(at(0.25, 0.36));
        s.lineTo(at(0.5, 0.12));
        s.lineTo(at(0.5, 0.88));
        s.lineTo(at(0.25, 0.64));
        s.lineTo(at(0.05, 0.64));
        s.closeSubpath();
        p.setBrush(colour);
        p.drawPath(s);
        p.setBrush(Qt::NoBrush);
    };
    switch (icon) {
        case Icon::Help: {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(static_cast<int>(h * 1.15));
            f.setBold(true);
            p.setFont(f);
            p.drawText(b.adjusted(-w, -h, w, h), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Icon::Minimise:
            p.drawLine(at(0.1, 0.72), at(0.9, 0.72));
            break;
        case Icon::Close:
        case Icon::WebStop:
            if (icon == Icon::WebStop) {
                p.drawEllipse(b);
                p.drawLine(at(0.32, 0.32), at(0.68, 0.68));
                p.drawLine(at(0.68, 0.32), at(0.32, 0.68));
            } else {
                p.drawLine(at(0.12, 0.12), at(0.88, 0.88));
                p.drawLine(at(0.88, 0.12), at(0.12, 0.88));
            }
            break;
        case Icon::Globe:
            p.drawEllipse(b);
            p.drawEllipse(QRectF(at(0.3, 0), at(0.7, 1)));
            p.drawLine(at(0, 0.5), at(1, 0.5));
            break;
        case Icon::Keyboard:
            p.drawRoundedRect(QRectF(at(0, 0.2), at(1, 0.85)), 2, 2);
            for (int i = 0; i < 4; ++i) {
                p.drawPoint(at(0.2 + 0.2 * i, 0.42));
            }
            p.drawLine(at(0.3, 0.66), at(0.7, 0.66));
            break;
        case Icon::Clock:
            p.drawEllipse(b);
            p.drawLine(b.center(), at(0.5, 0.22));
            p.drawLine(b.center(), at(0.72, 0.6));
            break;
        case Icon::Bulb:
            p.drawEllipse(QRectF(at(0.2, 0), at(0.8, 0.62)));
            p.drawLine(at(0.38, 0.78), at(0.62, 0.78));
            p.drawLine(at(0.42, 0.94), at(0.58, 0.94));
            break;
        case Icon::MediaSelect: {
            p.drawLine(at(0.36, 0.78), at(0.36, 0.12));
            p.drawLine(at(0.36, 0.12), at(0.86, 0.02));
            p.drawLine(at(0.86, 0.02), at(0.86, 0.68));
            p.setBrush(colour);
            p.drawEllipse(QRectF(at(0.1, 0.66), at(0.38, 0.92)));
            p.drawEllipse(QRectF(at(0.6, 0.56), at(0.88, 0.82)));
            break;
        }
        case Icon::PlayPause:
            triangle(0.02, 0.48, true);
            p.drawLine(at(0.68, 0.2), at(0.68, 0.8));
            p.drawLine(at(0.9, 0.2), at(0.9, 0.8));
            break;
        case Icon::Stop:
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(at(0.2, 0.2), at(0.8, 0.8)), 1.5, 1.5);
            break;
        case Icon::Next:
            triangle(0.1, 0.5, true);
            triangle(0.45, 0.85, true);
            p.drawLine(at(0.9, 0.2), at(0.9, 0.8));
            break;
        case Icon::Previous:
            triangle(0.5, 0.9, false);
            triangle(0.15, 0.55, false);
            p.drawLine(at(0.1, 0.2), at(0.1, 0.8));
            break;
        case Icon::VolumeDown:
            speaker();
            p.drawLine(at(0.66, 0.5), at(0.95, 0.5));
            break;
        case Icon::VolumeUp:
            speaker();
            p.drawLine(at(0.66, 0.5), at(0.98, 0.5));
            p.drawLine(at(0.82, 0.34), at(0.82, 0.66));
            break;
        case Icon::Mute:
            speaker();
            p.drawLine(at(0.66, 0.34), at(0.95, 0.66));
            p.drawLine(at(0.95, 0.34), at(0.66, 0.66));
            break;
        case Icon::Back:
        case Icon::Forward: {
            const bool right = icon == Icon::Forward;
            p.drawLine(at(0.1, 0.5), at(0.9, 0.5));
            QPainterPath head;
            head.moveTo(at(right ? 0.55 : 0.45, 0.18));
            head.lineTo(at(right ? 0.9 : 0.1, 0.5));
            head.lineTo(at(right ? 0.55 : 0.45, 0.82));
            p.drawPath(head);
            break;
        }
        case Icon::Refresh: {
            p.drawArc(b.adjusted(w * 0.08, h * 0.08, -w * 0.08, -h * 0.08), 60 * 16, 290 * 16);
            QPainterPath head;
            head.moveTo(at(0.62, 0.0));
            head.lineTo(at(0.78, 0.16));
            head.lineTo(at(0.58, 0.3));
            p.drawPath(head);
            break;
        }
        case Icon::Favourites: {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const qreal a = -M_PI / 2 + i * M_PI / 5;
                const qreal rr = (i % 2 == 0 ? 0.5 : 0.22);
                const QPointF pt = at(0.5 + rr * std::cos(a), 0.54 + rr * std::sin(a));
                i == 0 ? star.moveTo(pt) : star.lineTo(pt);
            }
            star.closeSubpath();
            p.drawPath(star);
            break;
        }
        case Icon::Search:
            p.drawEllipse(QRectF(at(0.05, 0.05), at(0.65, 0.65)));
            p.drawLine(at(0.6, 0.6), at(0.95, 0.95));
            break;
        case Icon::Mail:
            p.drawRoundedRect(QRectF(at(0, 0.15), at(1, 0.85)), 1.5, 1.5);
            p.drawLine(at(0.02, 0.2), at(0.5, 0.55));
            p.drawLine(at(0.98, 0.2), at(0.5, 0.55));
            break;
        case Icon::Home: {
            QPainterPath house;
            house.moveTo(at(0.05, 0.5));
            house.lineTo(at(0.5, 0.08));
            house.lineTo(at(0.95, 0.5));
            p.drawPath(house);
            p.drawPolyline(QPolygonF({at(0.18, 0.42), at(0.18, 0.92), at(0.82, 0.92), at(0.82, 0.42)}));
            p.drawRect(QRectF(at(0.42, 0.64), at(0.58, 0.92)));
            break;
        }
        case Icon::Computer:
            p.drawRoundedRect(QRectF(at(0, 0.08), at(1, 0.7)), 1.5, 1.5);
            p.drawLine(at(0.5, 0.7), at(0.5, 0.88));
            p.drawLine(at(0.25, 0.92), at(0.75, 0.92));
            break;
        case Icon::Calculator:
            p.drawRoundedRect(QRectF(at(0.15, 0), at(0.85, 1)), 2, 2);
            p.drawRect(QRectF(at(0.3, 0.14), at(0.7, 0.32)));
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < 2; ++col) {
                    p.drawPoint(at(0.38 + 0.24 * col, 0.5 + 0.17 * row));
                }
            }
            break;
        case Icon::Wake: {
            p.drawEllipse(QRectF(at(0.3, 0.3), at(0.7, 0.7)));
            for (int i = 0; i < 8; ++i) {
                const qreal a = i * M_PI / 4;
                p.drawLine(at(0.5 + 0.32 * std::cos(a), 0.5 + 0.32 * std::sin(a)),
                           at(0.5 + 0.48 * std::cos(a), 0.5 + 0.48 * std::sin(a)));
            }
            break;
        }
        case Icon::Sleep: {
            QPainterPath moon;
            moon.addEllipse(QRectF(at(0.08, 0.08), at(0.92, 0.92)));
            QPainterPath bite;
            bite.addEllipse(QRectF(at(0.34, -0.06), at(1.08, 0.68)));
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPath(moon.subtracted(bite));
            break;
        }
        case Icon::Power:
            p.drawArc(b.adjusted(w * 0.08, h * 0.12, -w * 0.08, -h * 0.04), 120 * 16, 300 * 16);
            p.drawLine(at(0.5, 0.02), at(0.5, 0.46));
            break;
        case Icon::ArrowUp:
        case Icon::ArrowDown:
        case Icon::ArrowLeft:
        case Icon::ArrowRight: {
            QPainterPath t;
            if (icon == Icon::ArrowUp || icon == Icon::ArrowDown) {
                const bool up = icon == Icon::ArrowUp;
                t.moveTo(at(0.15, up ? 0.68 : 0.32));
                t.lineTo(at(0.5, up ? 0.28 : 0.72));
                t.lineTo(at(0.85, up ? 0.68 : 0.32));
            } else {
                t = chevron(b, icon == Icon::ArrowRight);
            }
            p.drawPath(t);
            break;
        }
    }
    p.restore();
}

}  // namespace talvane68::skingen
