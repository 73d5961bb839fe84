#include "keymap/KeyFunctionPages.h"

namespace talvane68 {

namespace {

// Multimedia page: pictures only, the text is the tooltip.
constexpr KeyFunctionItem kMultimedia[] = {
    {401, 115, 0, u"播放器", u"Media Select"},
    {402, 111, 0, u"播放/暂停", u"Play/Pause"},
    {403, 110, 0, u"停止", u"Stop"},
    {404, 108, 0, u"下一首", u"Next Track"},
    {405, 109, 0, u"上一首", u"Previous Track"},
    {406, 114, 0, u"音量减小", u"Volume Down"},
    {407, 113, 0, u"音量加大", u"Volume Up"},
    {408, 112, 0, u"静音", u"Mute"},
    {409, 121, 0, u"后退", u"WWW Back"},
    {410, 122, 0, u"前进", u"WWW Forward"},
    {411, 123, 0, u"停止", u"WWW Stop"},
    {412, 124, 0, u"刷新", u"WWW Refresh"},
    {413, 125, 0, u"收藏夹", u"WWW Favorites"},
    {414, 119, 0, u"搜索", u"WWW Search"},
    {415, 116, 0, u"邮件", u"E-mail"},
    {416, 120, 0, u"主页", u"WWW Home"},
    {417, 118, 0, u"资源管理器", u"My Computer"},
    {418, 117, 0, u"计算器", u"Calculator"},
};

constexpr PageLabel kMultimediaGroups[] = {
    {451, u"多媒体功能", u"Media Function"},
    {452, u"浏览器功能", u"Browser Function"},
};

// Mouse page: each item's label has the item's id plus 50.
constexpr KeyFunctionItem kMouse[] = {
    {502, 126, 552, u"左移", u"Move Left"},      {503, 127, 553, u"右移", u"Move Right"},
    {504, 128, 554, u"上移", u"Move Up"},        {505, 129, 555, u"下移", u"Move Down"},
    {506, 130, 556, u"左键", u"Left Click"},     {507, 131, 557, u"右键", u"Right Click"},
    {508, 132, 558, u"中键", u"Middle Click"},   {509, 133, 559, u"滚轮前翻", u"Wheel Up"},
    {510, 134, 560, u"滚轮后翻", u"Wheel Down"}, {511, 199, 561, u"左键双击", u"Left Double Click"},
};

// Function ("Other") page: labels have the item's id plus 50, except the last
// two (679 and 680, so 679 appears twice; labels are never clicked). The
// labels differ from the code captions in places, e.g. "Mouse DPI-" is 157.
constexpr KeyFunctionItem kKeyboard[] = {
    {601, 148, 651, u"蓝牙设备1", u"BT Device 1"},
    {602, 149, 652, u"蓝牙设备2", u"BT Device 2"},
    {603, 150, 653, u"蓝牙设备3", u"BT Device 3"},
    {604, 151, 654, u"键盘锁", u"Keyboard Lock"},
    {605, 152, 655, u"Caps与左Ctrl对调", u"Caps/LeftCtrl Swap"},
    {606, 153, 656, u"锁Win", u"Win Lock"},
    {607, 154, 657, u"MAC模式切换", u"MAC mode exchange"},
    {608, 155, 658, u"左Win与FN对调", u"LeftWin/Fn Swap"},
    {609, 156, 659, u"Fn键", u"Fn Key"},
    {610, 157, 660, u"鼠标DPI-", u"Mouse DPI-"},
    {611, 158, 661, u"鼠标DPI+", u"Mouse DPI+"},
    {612, 159, 662, u"蓝牙与USB模式切换", u"BT/USB Mode Swap"},
    {613, 161, 663, u"编程模式切换键", u"Custom Mode Swap"},
    {614, 162, 664, u"蓝牙休眠时间", u"Time For BT Sleep"},
    {615, 163, 665, u"Caps颜色设置", u"Set Caps Color"},
    {616, 164, 666, u"省电模式设置", u"Set PowerSave"},
    {617, 165, 667, u"Mac系统锁Fn", u"Mac FnLock"},
    {620, 135, 670, u"背光100%全亮", u"100% all bright"},
    {621, 136, 671, u"背光颜色切换", u"Color Change"},
    {622, 137, 672, u"背光灯效切换", u"Lamp Effect Change"},
    {623, 138, 673, u"背光演示", u"Demostrator"},
    {624, 139, 674, u"背光录制", u"Backlight Record"},
    {625, 142, 675, u"背光频率-", u"Freqency-"},
    {626, 143, 676, u"背光频率+", u"Freqency+"},
    {627, 144, 677, u"背光亮度-", u"Brightness-"},
    {628, 145, 678, u"背光亮度+", u"Brightness+"},
    {629, 146, 679, u"背光暂停", u"Backlight Pause"},
    {630, 147, 679, u"灯效颜色切换", u"Effect Color Exchange"},
    {631, 141, 680, u"九宫格环颜色切换", u"Round of shower Color Exchange"},
};

// Power page: pictures with tooltips, and a label under each.
constexpr KeyFunctionItem kPower[] = {
    {701, 75, 0, u"唤醒", u"WakeUp"},
    {702, 76, 0, u"睡眠", u"Sleep"},
    {703, 77, 0, u"电源", u"Power"},
};

constexpr PageLabel kPowerLabels[] = {
    {751, u"唤醒", u"Wake"},
    {752, u"睡眠", u"Sleep"},
    {753, u"电源", u"Power"},
};

}  // namespace

std::span<const KeyFunctionItem> multimediaFunctions() {
    return kMultimedia;
}
std::span<const PageLabel> multimediaGroupLabels() {
    return kMultimediaGroups;
}
std::span<const KeyFunctionItem> mouseFunctions() {
    return kMouse;
}
std::span<const KeyFunctionItem> keyboardFunctions() {
    return kKeyboard;
}
std::span<const KeyFunctionItem> powerFunctions() {
    return kPower;
}
std::span<const PageLabel> powerLabels() {
    return kPowerLabels;
}

}  // namespace talvane68
