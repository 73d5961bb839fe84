#include "skin/SkinnedDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "platform/ui/ColourKeyShape.h"
#include "platform/ui/DialogResult.h"
#include "platform/ui/PostedMessageEvent.h"
#include "platform/ui/SystemMoveResize.h"

namespace talvane68 {
namespace {

// Sizing borders along the right and bottom edges, in pixels.
constexpr int kSizingMargin = 6;

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

SkinnedDialog::SkinnedDialog(const SkinResources& resources, const SkinWindowSpec& spec,
                             const SkinRules& rules, const std::string& language, QWidget* parent)
    : QDialog(parent),
      m_resources(resources),
      m_rules(rules),
      m_language(language),
      m_colourKey(spec.colourKey),
      m_background(&resources.bitmap(spec.background)),
      m_hover(&resources.bitmap(spec.hover)),
      m_active(&resources.bitmap(spec.active)),
      m_items(static_cast<std::size_t>(spec.itemCount)),
      m_sink(this) {
    setWindowFlag(Qt::FramelessWindowHint, true);
    // Everything is drawn from the pictures, nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

SkinnedDialog::~SkinnedDialog() = default;

int SkinnedDialog::exec() {
    initialise();
    if (m_ended) {
        return result();
    }
    return QDialog::exec();
}

void SkinnedDialog::initialise() {
    if (m_opened) {
        return;
    }
    m_opened = true;
    m_ended = false;
    initDialog();
}

void SkinnedDialog::done(int result) {
    m_ended = true;
    QDialog::done(result);
}

void SkinnedDialog::accept() {
    done(kDialogOk);
}
void SkinnedDialog::reject() {
    done(kDialogCancel);
}

void SkinnedDialog::initDialog() {
    applySkinShape();
    centreOnScreen();
}

void SkinnedDialog::applySkinShape() {
    const QRgb key = qRgb(redOf(m_colourKey), greenOf(m_colourKey), blueOf(m_colourKey));
    applyColourKeyShape(*this, *m_background, key);
}

void SkinnedDialog::centreOnScreen() {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    // Integer division rounds toward zero, as the placement rule asks.
    move(area.x() + (area.width() - m_background->width()) / 2,
         area.y() + (area.height() - m_background->height()) / 2);
}

void SkinnedDialog::setPictures(int background, int hover, int active) {
    m_background = &m_resources.bitmap(background);
    m_hover = &m_resources.bitmap(hover);
    m_active = &m_resources.bitmap(active);
}

void SkinnedDialog::styleEditBox(QWidget& box, Colour text) const {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, toQColor(text));
    palette.setBrush(QPalette::Base, m_resources.darkBrush());
    box.setPalette(palette);
    box.setAutoFillBackground(true);
}

SkinItem* SkinnedDialog::findItem(int id) {
    for (SkinItem& item : m_items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

const SkinItem* SkinnedDialog::findItem(int id) const {
    return const_cast<SkinnedDialog*>(this)->findItem(id);
}

HitTest SkinnedDialog::hitTest(QPoint clientPoint) {
    m_lastPoint = clientPoint;
    const int x = clientPoint.x();
    const int y = clientPoint.y();
    bool hit = false;
    for (SkinItem& item : m_items) {
        if (!item.present() || item.label || !isShown(item)) {
            continue;
        }
        if (item.rect.contains(x, y)) {
            hit = true;
            if (item.hovered == 0) {
                item.hovered = 1;
                update(toQRect(item.rect));
            }
        } else if (item.hovered == 1) {
            item.hovered = 0;
            update(toQRect(item.rect));
        }
    }
    if (hit) {
        return HitTest::Client;
    }
    const int w = width();
    const int h = height();
    if (x > w - kSizingMargin && y > h - kSizingMargin) {
        return HitTest::BottomRight;
    }
    if (x > w - kSizingMargin) {
        return HitTest::Right;
    }
    if (y > h - kSizingMargin) {
        return HitTest::Bottom;
    }
    return HitTest::Caption;
}

int SkinnedDialog::clickedItemId(QPoint clientPoint) const {
    for (const SkinItem& item : m_items) {
        if (!item.present() || !isShown(item) || (item.label && !m_rules.labelsClickable)) {
            continue;
        }
        if (item.rect.contains(clientPoint.x(), clientPoint.y())) {
            return item.id;
        }
    }
    return -1;
}

bool SkinnedDialog::drawsCaption(const SkinItem& item) const {
    switch (m_rules.captions) {
        case SkinRules::Captions::VisibleLabels:
            return item.label && item.textVisible;
        case SkinRules::Captions::VisibleLabelsAndCaptioned:
            return (item.label || item.captioned) && item.textVisible;
        case SkinRules::Captions::AllLabels:
            return item.label;
    }
    return false;
}

Colour SkinnedDialog::captionColour(const SkinItem& item) const {
    if (m_rules.fixedCaptionColours) {
        return item.active ? rgb(0, 0, 190) : rgb(200, 200, 200);
    }
    if (item.label && m_rules.hoverPartnerOffset != 0 && item.id < m_rules.hoverPartnerBelowId) {
        const SkinItem* partner = findItem(item.id + m_rules.hoverPartnerOffset);
        if (partner != nullptr && partner->rect.contains(m_lastPoint.x(), m_lastPoint.y())) {
            return rgb(50, 50, 50);
        }
    }
    return item.active ? item.activeTextColor : item.textColor;
}

void SkinnedDialog::drawCaption(QPainter& painter, const SkinItem& item) const {
    const std::u16string& text = const_cast<SkinItem&>(item).caption[m_language];
    if (text.empty()) {
        return;
    }
    const std::uint32_t format = m_rules.centreCaptions ? kTextCenter : item.textFormat;
    int flags = Qt::AlignTop;
    if (format & kTextCenter) {
        flags |= Qt::AlignHCenter;
    } else if (format & kTextRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    painter.setFont(m_resources.font(item.fontIndex));
    painter.setPen(toQColor(captionColour(item)));
    painter.drawText(toQRect(item.rect), flags, QString::fromStdU16String(text));
}

void SkinnedDialog::paintEvent(QPaintEvent* event) {
    prepareForPaint();
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), *m_background, area);
    const int x = m_lastPoint.x();
    const int y = m_lastPoint.y();
    for (const SkinItem& item : m_items) {
        if (!item.present() || !isShown(item)) {
            continue;
        }
        decorateItem(painter, item);
        const QRect r = toQRect(item.rect);
        if (!r.intersects(area)) {
            continue;
        }
        if (item.active) {
            painter.drawImage(r.topLeft(), *m_active, r);
        } else if (!item.label && item.id < m_rules.hoverLookBelowId && item.rect.contains(x, y)) {
            painter.drawImage(r.topLeft(), *m_hover, r);
        }
        if (drawsCaption(item)) {
            drawCaption(painter, item);
        }
    }
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    const HitTest hit = hitTest(event->position().toPoint());
    setCursor(cursorForHitTest(hit));
    QDialog::mouseMoveEvent(event);
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const HitTest hit = hitTest(event->position().toPoint());
        if (hit != HitTest::Client && startSystemMoveOrResize(*this, hit)) {
            return;
        }
        if (hit == HitTest::Caption) {
            // The window manager cannot move the window: follow the pointer.
            m_dragging = true;
            m_dragOffset = event->globalPosition().toPoint() - pos();
            return;
        }
    }
    QDialog::mousePressEvent(event);
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (m_dragging) {
            // A drag of the background is no click.
            m_dragging = false;
            return;
        }
        onItemClicked(clickedItemId(event->position().toPoint()));
    }
    QDialog::mouseReleaseEvent(event);
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog's standard keys: Enter ends with OK, Esc with Cancel.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            done(kDialogOk);
            return;
        case Qt::Key_Escape:
            done(kDialogCancel);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool SkinnedDialog::event(QEvent* event) {
    if (event->type() == PostedMessageEvent::eventType()) {
        const auto* message = static_cast<PostedMessageEvent*>(event);
        onPostedMessage(message->message(), message->wParam(), message->lParam());
        return true;
    }
    return QDialog::event(event);
}

}  // namespace talvane68
