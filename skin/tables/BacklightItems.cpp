#include "skin/tables/BacklightItems.h"

#include "skin/tables/KeyCaps.h"

namespace talvane68 {
namespace {

struct Entry {
    int id;
    SkinRect rect;
    const char16_t* zh;  // nullptr: a button, its text is on its label
    const char16_t* en;
};

constexpr Entry kEntries[] = {
    {88, {995, 48, 1028, 83}, nullptr, nullptr},    // close
    {89, {478, 605, 588, 645}, nullptr, nullptr},   // read
    {90, {169, 605, 281, 645}, nullptr, nullptr},   // set all
    {91, {630, 605, 740, 645}, nullptr, nullptr},   // write
    {92, {942, 605, 1052, 645}, nullptr, nullptr},  // cancel
    {94, {785, 605, 895, 645}, nullptr, nullptr},   // confirm
    {95, {22, 605, 130, 645}, nullptr, nullptr},    // default
    {97, {325, 605, 435, 645}, nullptr, nullptr},   // colour set
    {79, {478, 614, 588, 644}, u"读取背光", u"Read"},     {80, {169, 614, 281, 644}, u"全盘设置", u"Set All"},
    {81, {630, 614, 740, 644}, u"更新背光", u"Write"},    {82, {942, 614, 1052, 644}, u"取消", u"Cancel"},
    {84, {785, 614, 895, 644}, u"确定", u"Confirm"},      {85, {22, 614, 130, 644}, u"恢复默认", u"Default"},
    {87, {325, 614, 435, 644}, u"顔色设置", u"ColorSet"},
};

}  // namespace

std::vector<SkinItem> backlightItems() {
    std::vector<SkinItem> items(kBacklightSpec.itemCount);
    std::size_t slot = 0;
    for (const Entry& e : kEntries) {
        SkinItem& item = items[slot++];
        item.id = e.id;
        item.rect = e.rect;
        if (e.zh != nullptr) {
            item.label = true;
            item.caption.set(e.zh, e.en);
            item.fontIndex = 20;
        }
    }
    for (const KeyCap& k : backlightKeyCaps()) {
        SkinItem& item = items[slot++];
        item.id = 99 + k.keyId;
        item.keyIndex = k.keyId;
        item.rect = k.rect;
        item.caption.set(k.name, k.name);
    }
    return items;
}

}  // namespace talvane68
