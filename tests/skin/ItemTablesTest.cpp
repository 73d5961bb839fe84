// The item tables against the generated skin: every item lies on its
// window's pictures, where no pixel is see-through.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <set>

#include "skin/SkinResources.h"
#include "skin/tables/BacklightItems.h"
#include "skin/tables/KeyMapItems.h"
#include "skin/tables/MainWindowItems.h"
#include "skin/tables/ProgressItems.h"

using namespace talvane68;

namespace {

struct Window {
    const char* name;
    SkinWindowSpec spec;
    std::vector<SkinItem> items;
};

std::vector<Window> allWindows() {
    std::vector<Window> windows = {
        {"main", kMainWindowSpec, mainWindowSkinItems()},
        {"backlight", kBacklightSpec, backlightItems()},
        {"progress", kProgressSpec, progressItems()},
        {"firmware", kFirmwareSpec, firmwareItems()},
    };
    for (int page = 1; page <= kKeyMapPageCount; ++page) {
        std::vector<SkinItem> items = keyMapItems();
        for (SkinItem& item : items) {
            const int itemPage = keyMapPageOf(item.id);
            if (itemPage != 0 && itemPage != page) {
                item.id = -1;
            }
        }
        windows.push_back({"key assignment", keyMapPageSpec(page), std::move(items)});
    }
    return windows;
}

}  // namespace

TEST(ItemTables, MainWindowWithoutBacklightButtonShiftsLaterItemsUp) {
    const std::vector<SkinItem> full = mainWindowItems(1);
    const std::vector<SkinItem> reduced = mainWindowItems(2);
    ASSERT_EQ(full.size(), 93u);
    ASSERT_EQ(reduced.size(), 93u);
    EXPECT_EQ(full[8].id, 94);
    EXPECT_EQ(reduced[8].id, 95);
    EXPECT_EQ(full[90].id, 80);
    EXPECT_FALSE(full[91].present());
    EXPECT_EQ(reduced[89].id, 80);
    EXPECT_FALSE(reduced[90].present());
    // The backlight label stays, with nothing to share its hover look.
    EXPECT_TRUE(std::any_of(reduced.begin(), reduced.end(), [](const SkinItem& i) { return i.id == 74; }));
    EXPECT_EQ(full[12].keyIndex, 1);
    EXPECT_EQ(full[79].id, 167);
}

TEST(ItemTables, EveryItemLiesOnOpaquePixelsOfItsPictures) {
    SkinResources skin;
    const QString file = QStringLiteral(TALVANE68_BIN_DIR "/Talvane68RES.rcc");
    ASSERT_EQ(skin.loadBitmaps(file), QString());
    for (const Window& window : allWindows()) {
        const QImage& background = skin.bitmap(window.spec.background);
        for (int id : {window.spec.background, window.spec.hover, window.spec.active}) {
            EXPECT_EQ(skin.bitmap(id).size(), background.size()) << window.name << " picture " << id;
        }
        const QRgb key =
            qRgb(redOf(window.spec.colourKey), greenOf(window.spec.colourKey), blueOf(window.spec.colourKey));
        for (const SkinItem& item : window.items) {
            if (!item.present()) {
                continue;
            }
            const QRect r = QRect(item.rect.left, item.rect.top, item.rect.width(), item.rect.height());
            ASSERT_TRUE(QRect(QPoint(0, 0), background.size()).contains(r))
                << window.name << " item " << item.id << " leaves picture " << window.spec.background;
            for (int pictureId : {window.spec.background, window.spec.hover, window.spec.active}) {
                const QImage& picture = skin.bitmap(pictureId);
                int seeThrough = 0;
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = r.left(); x <= r.right(); ++x) {
                        seeThrough += (picture.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF);
                    }
                }
                EXPECT_EQ(seeThrough, 0) << window.name << " item " << item.id << " on picture " << pictureId;
            }
        }
    }
}

TEST(ItemTables, KeyAssignmentPagesHoldTheirItems) {
    const std::vector<SkinItem> items = keyMapItems();
    ASSERT_EQ(items.size(), 220u);
    std::array<int, 8> perPage{};
    for (const SkinItem& item : items) {
        if (item.present()) {
            ++perPage[keyMapPageOf(item.id)];
        }
    }
    EXPECT_EQ(perPage, (std::array<int, 8>{20, 29, 35, 29, 20, 20, 58, 6}));
    EXPECT_FALSE(items[217].present());
    EXPECT_TRUE(items[20].active);  // the single-key choice starts chosen
    EXPECT_EQ(items[113].value, 115);
    EXPECT_EQ(items[210].id, 680);
}
