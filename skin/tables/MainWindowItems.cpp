#include "skin/tables/MainWindowItems.h"

#include "skin/tables/KeyCaps.h"

namespace talvane68 {
namespace {

struct Button {
    int id;
    SkinRect rect;
};

constexpr Button kButtons[] = {
    {89, {930, 595, 1050, 650}},  // language
    {86, {945, 44, 980, 79}},     // help
    {87, {903, 44, 933, 79}},     // hide to the notification area
    {88, {991, 44, 1026, 79}},    // exit
    {90, {30, 595, 155, 650}},    // save profile
    {91, {217, 595, 337, 650}},   // load profile
    {92, {390, 595, 510, 650}},   // defaults
    {93, {570, 595, 690, 650}},   // write keys
    {94, {752, 595, 872, 650}},   // backlight
    {95, {402, 115, 525, 165}},   // layer switch
    {96, {548, 115, 667, 165}},   // read keys
    {99, {30, 80, 200, 105}},     // web site
};

struct Label {
    int id;
    SkinRect rect;
    const char16_t* zh;
    const char16_t* en;
    std::uint32_t format;
    int font;
    Colour text;
};

constexpr Colour kGrey = rgb(200, 200, 200);
constexpr Colour kYellow = rgb(255, 230, 0);

constexpr Label kLabels[] = {
    {69, {930, 615, 1050, 645}, u"English", u"简体中文", kTextCenter, 20, kGrey},
    {70, {30, 615, 155, 645}, u"导出配置", u"Export", kTextCenter, 20, kGrey},
    {71, {217, 615, 337, 645}, u"导入配置", u"Import", kTextCenter, 20, kGrey},
    {72, {390, 615, 510, 645}, u"默认配置", u"Default", kTextCenter, 20, kGrey},
    {73, {570, 615, 690, 645}, u"更新键盘", u"Update", kTextCenter, 20, kGrey},
    {74, {752, 615, 872, 645}, u"背光设置", u"Backlight", kTextCenter, 20, kGrey},
    {75, {402, 130, 525, 154}, u"层切换", u"LayerSwitch", kTextCenter, 20, kGrey},
    {76, {548, 130, 667, 154}, u"读取键值", u"ReadKeys", kTextCenter, 20, kGrey},
    {77, {300, 140, 395, 162}, u"Fn层", u"FnLayer", kTextRight, 20, kYellow},
    {78, {300, 115, 395, 137}, u"首层", u"FirstLayer", kTextRight, 20, kYellow},
    {80, {15, 658, 170, 678}, u"软件版本：2.0", u"Software Version:2.0", kTextLeft, 13, rgb(100, 100, 0)},
};

}  // namespace

std::vector<SkinItem> mainWindowItems(int deviceType) {
    std::vector<SkinItem> items(kMainWindowSpec.itemCount);
    std::size_t slot = 0;
    for (const Button& b : kButtons) {
        if (b.id == kMainBacklightButton && deviceType != 1) {
            continue;
        }
        items[slot].id = b.id;
        items[slot].rect = b.rect;
        ++slot;
    }
    for (const KeyCap& k : mainWindowKeyCaps()) {
        SkinItem& item = items[slot++];
        item.id = kMainFirstKeyId - 1 + k.keyId;
        item.keyIndex = k.keyId;
        item.rect = k.rect;
        item.caption.set(k.name, k.name);
    }
    for (const Label& l : kLabels) {
        SkinItem& item = items[slot++];
        item.id = l.id;
        item.rect = l.rect;
        item.caption.set(l.zh, l.en);
        item.textFormat = l.format;
        item.fontIndex = l.font;
        item.textColor = l.text;
        item.activeTextColor = kGrey;
        item.label = true;
        item.textVisible = true;
    }
    return items;
}

}  // namespace talvane68
