#pragma once

// The base of every window of the program: a frameless modal dialog drawn
// entirely from three pictures (background, hover and active looks) and a
// fixed table of items. It paints the table, follows the pointer with the hit
// test (items, drag area, sizing borders), turns a left-button release into
// the id of the item under the pointer, and receives posted messages. What
// differs between windows is given by SkinRules and the virtual hooks.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/ui/HitTest.h"
#include "platform/ui/QtMessageSink.h"
#include "skin/SkinItem.h"
#include "skin/SkinResources.h"
#include "skin/SkinRules.h"
#include "skin/SkinWindowSpec.h"

namespace talvane68 {

class SkinnedDialog : public QDialog {
public:
    // language is read at every paint (the profile's language field).
    SkinnedDialog(const SkinResources& resources, const SkinWindowSpec& spec, const SkinRules& rules,
                  const std::string& language, QWidget* parent = nullptr);
    ~SkinnedDialog() override;

    // Runs the window's opening once (initDialog), then the modal loop. When
    // the opening ends the dialog, returns its result without showing it.
    int exec() override;
    // The opening alone, for callers (and tests) that show the window themselves.
    void initialise();

    void done(int result) override;
    void accept() override;  // ends with kDialogOk
    void reject() override;  // ends with kDialogCancel

    // The hit test, run on every pointer movement: stores the point, updates
    // the hover flags (repainting only items whose flag changed) and answers.
    HitTest hitTest(QPoint clientPoint);
    // The id of the item a click at the point selects, -1 for none.
    int clickedItemId(QPoint clientPoint) const;

    std::vector<SkinItem>& items() { return m_items; }
    const std::vector<SkinItem>& items() const { return m_items; }
    // The item with that id, or nullptr.
    SkinItem* findItem(int id);
    const SkinItem* findItem(int id) const;
    QPoint lastPointerPosition() const { return m_lastPoint; }

    WindowHandle messageHandle() const { return m_sink.handle(); }
    const SkinResources& resources() const { return m_resources; }

    // Changes the three pictures (the key assignment window's pages).
    void setPictures(int background, int hover, int active);
    // Edit box colours: the text colour on the application's dark brush.
    void styleEditBox(QWidget& box, Colour text) const;

    static QRect toQRect(const SkinRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

protected:
    // The opening: shape the window from its background, size and centre it.
    // Windows add their own steps (fill the table, ...).
    virtual void initDialog();
    // Called at the start of every paint, before anything is drawn.
    virtual void prepareForPaint() {}
    // Drawn for every present item before its look (the backlight frames).
    virtual void decorateItem(QPainter&, const SkinItem&) {}
    // Whether the item belongs to what the window shows (pages).
    virtual bool isShown(const SkinItem&) const { return true; }
    // A click's item id (-1: none). The default does nothing.
    virtual void onItemClicked(int) {}
    // A message posted to messageHandle().
    virtual void onPostedMessage(MessageId, WParam, LParam) {}

    void applySkinShape();
    void centreOnScreen();

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

    const std::string& language() const { return m_language; }

private:
    void drawCaption(QPainter& painter, const SkinItem& item) const;
    bool drawsCaption(const SkinItem& item) const;
    Colour captionColour(const SkinItem& item) const;

    const SkinResources& m_resources;
    SkinRules m_rules;
    const std::string& m_language;
    Colour m_colourKey;
    const QImage* m_background;
    const QImage* m_hover;
    const QImage* m_active;
    std::vector<SkinItem> m_items;
    QPoint m_lastPoint{0, 0};
    QtMessageSink m_sink;
    bool m_opened = false;
    bool m_ended = false;
    // Dragging by hand where the platform cannot move the window itself.
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace talvane68
