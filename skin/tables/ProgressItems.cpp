#include "skin/tables/ProgressItems.h"

namespace talvane68 {
namespace {

struct Entry {
    int id;
    SkinRect rect;
    const char16_t* zh;
    const char16_t* en;
    bool label;
    int font;
};

constexpr Entry kProgress[] = {
    {89, {332, 9, 355, 45}, u"", u"", false, 13},
    {93, {282, 199, 352, 217}, u"取消", u"Cancel", false, 13},
    {187,
     {42, 96, 333, 116},
     u"数据更新中，请保持键盘连接！",
     u"Data updating,keep the keyboard connected!",
     true,
     15},
    {188, {100, 13, 266, 45}, u"更新进度", u"Update Progress", true, 15},
    {193, {282, 199, 352, 217}, u"取消", u"Cancel", true, 15},
};

constexpr Entry kFirmware[] = {
    {89, {332, 9, 355, 45}, u"", u"", false, 13},
    {90, {220, 70, 333, 100}, u"获取固件版本", u"Default", false, 13},
    {91, {270, 108, 333, 140}, u"打开", u"Open", false, 13},
    {92, {47, 201, 129, 235}, u"更新", u"Update", false, 13},
    {93, {237, 201, 327, 235}, u"取消", u"Cancel", false, 13},
    {187, {42, 116, 119, 135}, u"载入文件：", u"File", true, 13},
    {188, {100, 13, 266, 45}, u"键盘固件升级", u"Firmware Update", true, 13},
    {190, {220, 76, 333, 100}, u"获取固件版本", u"Get Version", true, 13},
    {191, {270, 116, 333, 138}, u"打开", u"Open", true, 13},
    {192, {47, 209, 129, 235}, u"更新", u"Update", true, 13},
    {193, {237, 209, 327, 235}, u"取消", u"Cancel", true, 13},
};

template <std::size_t N>
std::vector<SkinItem> fill(const Entry (&entries)[N]) {
    std::vector<SkinItem> items(107);
    std::size_t slot = 0;
    for (const Entry& e : entries) {
        SkinItem& item = items[slot++];
        item.id = e.id;
        item.rect = e.rect;
        item.caption.set(e.zh, e.en);
        item.label = e.label;
        item.fontIndex = e.font;
    }
    return items;
}

}  // namespace

std::vector<SkinItem> progressItems() {
    return fill(kProgress);
}
std::vector<SkinItem> firmwareItems() {
    return fill(kFirmware);
}

}  // namespace talvane68
