#include <gtest/gtest.h>

#include <QWidget>

#include "platform/ui/ColourKeyShape.h"

using namespace talvane68;

TEST(ColourKeyShape, OnlyPixelsOfExactlyTheKeyAreCutAway) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(30, 30, 30));
    const QRgb key = qRgb(255, 2, 2);
    for (int y = 0; y < 20; ++y) {
        picture.setPixel(0, y, key);  // left column see-through
    }
    picture.setPixel(10, 10, key);
    picture.setPixel(11, 10, qRgb(255, 2, 3));  // one off the key: stays
    picture.setPixel(12, 10, qRgb(254, 2, 2));
    const QRegion region = colourKeyRegion(picture, key);
    EXPECT_FALSE(region.contains(QPoint(0, 5)));
    EXPECT_FALSE(region.contains(QPoint(10, 10)));
    EXPECT_TRUE(region.contains(QPoint(11, 10)));
    EXPECT_TRUE(region.contains(QPoint(12, 10)));
    EXPECT_TRUE(region.contains(QPoint(1, 0)));
    EXPECT_TRUE(region.contains(QPoint(39, 19)));
    EXPECT_FALSE(region.contains(QPoint(40, 10)));

    QWidget window;
    applyColourKeyShape(window, picture, key);
    EXPECT_EQ(window.size(), QSize(40, 20));
    EXPECT_EQ(window.mask(), region);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
}
