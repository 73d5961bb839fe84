// The shared skinned window behaviour on small synthetic pictures: solid
// background, hover and active colours make every copied rectangle visible.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "skin/SkinnedDialog.h"

using namespace talvane68;

namespace {

const QColor kBackground(10, 10, 10);
const QColor kHover(0, 200, 0);
const QColor kActive(0, 0, 200);
constexpr SkinWindowSpec kSpec{8, 1, 2, 3, rgb(255, 2, 2)};

class TestWindow : public SkinnedDialog {
public:
    TestWindow(const SkinResources& resources, const SkinRules& rules, const std::string& language)
        : SkinnedDialog(resources, kSpec, rules, language) {}

    SkinItem& add(int id, SkinRect rect) {
        SkinItem& item = items().at(m_next++);
        item.id = id;
        item.rect = rect;
        return item;
    }

    // Renders the window as a paint request over all of it would.
    QImage render() {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QWidget::render(&image);
        return image;
    }

    std::vector<QRect> painted;  // region of every paint since the last clear

protected:
    void paintEvent(QPaintEvent* event) override {
        painted.push_back(event->rect());
        SkinnedDialog::paintEvent(event);
    }

private:
    std::size_t m_next = 0;
};

QImage solid(const QColor& c) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

class SkinnedDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_resources.createDrawingResources();
        m_resources.setBitmap(1, solid(kBackground));
        m_resources.setBitmap(2, solid(kHover));
        m_resources.setBitmap(3, solid(kActive));
    }

    std::unique_ptr<TestWindow> makeWindow(const SkinRules& rules = SkinRules::mainWindow()) {
        auto window = std::make_unique<TestWindow>(m_resources, rules, m_language);
        window->initialise();
        return window;
    }

    SkinResources m_resources;
    std::string m_language = "zh-CN";
};

bool near(QRgb pixel, const QColor& c, int tolerance = 30) {
    return std::abs(qRed(pixel) - c.red()) <= tolerance && std::abs(qGreen(pixel) - c.green()) <= tolerance &&
           std::abs(qBlue(pixel) - c.blue()) <= tolerance;
}

// How many pixels of the rectangle are close to the colour.
int countNear(const QImage& image, const SkinRect& r, const QColor& c, int tolerance = 30) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            n += near(image.pixel(x, y), c, tolerance);
        }
    }
    return n;
}

}  // namespace

TEST_F(SkinnedDialogTest, OpeningSizesTheWindowToItsBackground) {
    auto w = makeWindow();
    EXPECT_EQ(w->size(), QSize(200, 100));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(SkinnedDialogTest, OverlappingItemsLowerIndexIsClickedLaterIsPaintedOver) {
    auto w = makeWindow();
    w->add(5, {10, 10, 60, 40}).active = true;
    w->add(6, {30, 20, 90, 50});
    EXPECT_EQ(w->clickedItemId({40, 30}), 5);
    EXPECT_EQ(w->clickedItemId({70, 45}), 6);
    w->hitTest({40, 30});
    const QImage image = w->render();
    EXPECT_EQ(QColor(image.pixel(15, 15)), kActive);  // only item 5
    EXPECT_EQ(QColor(image.pixel(40, 30)), kHover);   // item 6 hovered, drawn after 5
    EXPECT_EQ(QColor(image.pixel(95, 30)), kBackground);
}

TEST_F(SkinnedDialogTest, RightAndBottomEdgesLieOutside) {
    auto w = makeWindow();
    w->add(7, {10, 10, 60, 40});
    struct Case {
        QPoint point;
        int id;
    } cases[] = {{{10, 10}, 7}, {{59, 39}, 7}, {{60, 20}, -1}, {{20, 40}, -1}, {{9, 20}, -1}, {{20, 9}, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(w->clickedItemId(c.point), c.id) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(w->hitTest(c.point) == HitTest::Client, c.id == 7) << c.point.x() << "," << c.point.y();
    }
}

TEST_F(SkinnedDialogTest, AbsentItemsAreNeverDrawnTrackedOrClicked) {
    auto w = makeWindow();
    SkinItem& zero = w->add(0, {10, 10, 60, 40});
    zero.active = true;
    zero.label = true;
    zero.caption.set(u"XXXX", u"XXXX");
    SkinItem& none = w->add(-1, {100, 10, 150, 40});
    w->hitTest({120, 20});
    EXPECT_EQ(none.hovered, 0);
    EXPECT_EQ(w->hitTest({120, 20}), HitTest::Caption);
    EXPECT_EQ(w->clickedItemId({20, 20}), -1);
    const QImage image = w->render();
    EXPECT_EQ(countNear(image, {0, 0, 200, 100}, kBackground, 0), 200 * 100);
}

TEST_F(SkinnedDialogTest, LabelsGetNoHoverLookAndClicksFallThroughWhereLabelsAreText) {
    for (const bool keyMapRules : {false, true}) {
        auto w = makeWindow(keyMapRules ? SkinRules::keyMapWindow() : SkinRules::mainWindow());
        SkinItem& label = w->add(70, {10, 10, 60, 40});
        label.label = true;
        w->add(8, {10, 10, 100, 50});
        EXPECT_EQ(w->hitTest({20, 20}), HitTest::Client);  // the button under the label
        EXPECT_EQ(label.hovered, 0);
        EXPECT_EQ(w->clickedItemId({20, 20}), keyMapRules ? 70 : 8);
        w->items()[1].id = -1;
        EXPECT_EQ(w->clickedItemId({20, 20}), keyMapRules ? 70 : -1);
        w->hitTest({20, 20});
        EXPECT_EQ(QColor(w->render().pixel(20, 20)), kBackground) << keyMapRules;
    }
}

TEST_F(SkinnedDialogTest, SizingMarginsAnswerOnlyOverTheBackground) {
    auto w = makeWindow();
    w->add(9, {150, 90, 200, 100});  // an item reaching into the bottom-right corner
    struct Case {
        QPoint point;
        HitTest answer;
    } cases[] = {
        {{194, 50}, HitTest::Caption}, {{195, 50}, HitTest::Right},  {{100, 94}, HitTest::Caption},
        {{100, 95}, HitTest::Bottom},  {{195, 95}, HitTest::Client}, {{120, 99}, HitTest::Bottom},
        {{195, 85}, HitTest::Right},   {{0, 0}, HitTest::Caption},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(w->hitTest(c.point), c.answer) << c.point.x() << "," << c.point.y();
    }
    w->items()[0].id = -1;
    EXPECT_EQ(w->hitTest({195, 95}), HitTest::BottomRight);
}

TEST_F(SkinnedDialogTest, HoverRepaintsOnlyTheItemWhoseFlagChanged) {
    auto w = makeWindow();
    w->add(5, {10, 10, 60, 40});
    w->add(6, {100, 10, 150, 40});
    w->show();
    QApplication::processEvents();
    w->painted.clear();

    w->hitTest({20, 20});
    QApplication::processEvents();
    ASSERT_EQ(w->painted.size(), 1u);
    EXPECT_EQ(w->painted[0], QRect(10, 10, 50, 30));
    w->painted.clear();

    w->hitTest({30, 25});  // within the same item
    w->hitTest({30, 26});
    QApplication::processEvents();
    EXPECT_TRUE(w->painted.empty());

    w->hitTest({80, 60});  // leaving it for the background repaints it once
    QApplication::processEvents();
    ASSERT_EQ(w->painted.size(), 1u);
    EXPECT_EQ(w->painted[0], QRect(10, 10, 50, 30));
    w->painted.clear();

    w->hitTest({85, 65});  // over the background
    w->hitTest({5, 95});
    QApplication::processEvents();
    EXPECT_TRUE(w->painted.empty());
}

TEST_F(SkinnedDialogTest, CaptionColoursFollowActiveAndHoverPartner) {
    auto w = makeWindow();
    const QColor yellow(255, 230, 0), grey(200, 200, 200), partnerText(50, 50, 50);
    SkinItem& label = w->add(70, {10, 10, 80, 40});
    label.label = true;
    label.fontIndex = 20;
    label.caption.set(u"HHHH", u"HHHH");
    label.textColor = rgb(255, 230, 0);
    label.activeTextColor = rgb(200, 200, 200);
    w->add(90, {100, 10, 190, 90});  // partner: 70 + 20

    w->hitTest({5, 95});
    QImage image = w->render();
    EXPECT_GT(countNear(image, label.rect, yellow), 10);
    EXPECT_EQ(countNear(image, label.rect, grey), 0);

    label.active = true;
    image = w->render();
    EXPECT_GT(countNear(image, label.rect, grey), 10);
    EXPECT_EQ(countNear(image, label.rect, yellow), 0);
    // An active label's area is copied from the active picture under its text.
    EXPECT_EQ(QColor(image.pixel(79, 39)), kActive);

    w->hitTest({150, 50});  // pointer on the partner button
    image = w->render();
    EXPECT_GT(countNear(image, label.rect, partnerText, 10), 10);
    EXPECT_EQ(countNear(image, label.rect, grey), 0);

    // Without a partner in the table the label keeps its colours.
    w->items()[1].id = -1;
    image = w->render();
    EXPECT_GT(countNear(image, label.rect, grey), 10);
}

TEST_F(SkinnedDialogTest, CaptionsFollowTheLanguageAtEveryPaint) {
    auto w = makeWindow();
    SkinItem& label = w->add(71, {10, 10, 190, 90});
    label.label = true;
    label.fontIndex = 30;
    label.caption.set(u"", u"HH");
    const QColor grey(200, 200, 200);
    EXPECT_EQ(countNear(w->render(), label.rect, grey), 0);
    m_language = "en-US";
    EXPECT_GT(countNear(w->render(), label.rect, grey), 10);
    m_language = "de-DE";
    EXPECT_EQ(countNear(w->render(), label.rect, grey), 0);
    EXPECT_TRUE(label.caption.contains("de-DE"));
}

TEST_F(SkinnedDialogTest, LeavingTheWindowKeepsTheLastHoverLook) {
    auto w = makeWindow();
    w->add(5, {10, 10, 60, 40});
    w->hitTest({20, 20});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.get(), &leave);
    EXPECT_EQ(QColor(w->render().pixel(20, 20)), kHover);
    EXPECT_EQ(w->lastPointerPosition(), QPoint(20, 20));
}

TEST_F(SkinnedDialogTest, DraggingTheBackgroundMovesTheWindowAndClicksNothing) {
    std::vector<int> clicked;
    class ClickWindow : public TestWindow {
    public:
        using TestWindow::TestWindow;
        std::vector<int>* clicks = nullptr;

    protected:
        void onItemClicked(int id) override { clicks->push_back(id); }
    };
    ClickWindow w(m_resources, SkinRules::mainWindow(), m_language);
    w.clicks = &clicked;
    w.initialise();
    w.add(5, {10, 10, 60, 40});
    w.move(100, 100);
    w.show();
    const auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(local), QPointF(w.mapToGlobal(local)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    const QPoint start = w.pos();
    // The offscreen platform cannot move windows itself, so the window follows the pointer.
    send(QEvent::MouseButtonPress, {100, 50}, Qt::LeftButton);
    send(QEvent::MouseMove, {130, 70}, Qt::LeftButton);
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));
    send(QEvent::MouseButtonRelease, {100, 50}, Qt::NoButton);
    EXPECT_TRUE(clicked.empty());

    send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
    send(QEvent::MouseButtonPress, {150, 20},
         Qt::LeftButton);  // press on the background, release over item 5
    send(QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
    send(QEvent::MouseButtonRelease, {150, 20}, Qt::NoButton);  // a release with no press: a click on nothing
    EXPECT_EQ(clicked, (std::vector<int>{5, -1}));
}

TEST_F(SkinnedDialogTest, DialogKeysEndWithOkAndCancel) {
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, 1}, std::pair{Qt::Key_Escape, 2}}) {
        auto w = makeWindow();
        w->show();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &press);
        EXPECT_EQ(w->result(), result);
        EXPECT_FALSE(w->isVisible());
    }
}
