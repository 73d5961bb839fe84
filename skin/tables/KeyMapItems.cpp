#include "skin/tables/KeyMapItems.h"

#include <cassert>

namespace talvane68 {
namespace {

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kDefault = rgb(200, 200, 200);

class Filler {
public:
    explicit Filler(std::vector<SkinItem>& items) : m_items(items) {}

    SkinItem& button(int id, SkinRect r) {
        SkinItem& item = m_items.at(m_next++);
        item.id = id;
        item.rect = r;
        return item;
    }
    SkinItem& label(int id, SkinRect r, const char16_t* zh, const char16_t* en, int font,
                    std::uint32_t format = kTextCenter, Colour text = kDefault) {
        SkinItem& item = button(id, r);
        item.label = true;
        item.caption.set(zh, en);
        item.fontIndex = font;
        item.textFormat = format;
        item.textColor = text;
        return item;
    }
    SkinItem& row(int id, SkinRect r, std::uint32_t format) {
        SkinItem& item = button(id, r);
        item.captioned = true;
        item.fontIndex = 11;
        item.textFormat = format;
        return item;
    }
    std::size_t next() const { return m_next; }

private:
    std::vector<SkinItem>& m_items;
    std::size_t m_next = 0;
};

struct Choice {
    int id;
    int code;
    const char16_t* zh;
    const char16_t* en;
};

constexpr Choice kMultimedia[] = {
    {401, 115, u"播放器", u"Media Select"},
    {402, 111, u"播放/暂停", u"Play/Pause"},
    {403, 110, u"停止", u"Stop"},
    {404, 108, u"下一首", u"Next Track"},
    {405, 109, u"上一首", u"Previous Track"},
    {406, 114, u"音量减小", u"Volume Down"},
    {407, 113, u"音量加大", u"Volume Up"},
    {408, 112, u"静音", u"Mute"},
    {409, 121, u"后退", u"WWW Back"},
    {410, 122, u"前进", u"WWW Forward"},
    {411, 123, u"停止", u"WWW Stop"},
    {412, 124, u"刷新", u"WWW Refresh"},
    {413, 125, u"收藏夹", u"WWW Favorites"},
    {414, 119, u"搜索", u"WWW Search"},
    {415, 116, u"邮件", u"E-mail"},
    {416, 120, u"主页", u"WWW Home"},
    {417, 118, u"资源管理器", u"My Computer"},
    {418, 117, u"计算器", u"Calculator"},
};

constexpr Choice kMouse[] = {
    {502, 126, u"左移", u"Move Left"},      {503, 127, u"右移", u"Move Right"},
    {504, 128, u"上移", u"Move Up"},        {505, 129, u"下移", u"Move Down"},
    {506, 130, u"左键", u"Left Click"},     {507, 131, u"右键", u"Right Click"},
    {508, 132, u"中键", u"Middle Click"},   {509, 133, u"滚轮前翻", u"Wheel Up"},
    {510, 134, u"滚轮后翻", u"Wheel Down"}, {511, 199, u"左键双击", u"Left Double Click"},
};

constexpr Choice kFunctions[] = {
    {601, 148, u"蓝牙设备1", u"BT Device 1"},
    {602, 149, u"蓝牙设备2", u"BT Device 2"},
    {603, 150, u"蓝牙设备3", u"BT Device 3"},
    {604, 151, u"键盘锁", u"Keyboard Lock"},
    {605, 152, u"Caps与左Ctrl对调", u"Caps/LeftCtrl Swap"},
    {606, 153, u"锁Win", u"Win Lock"},
    {607, 154, u"MAC模式切换", u"MAC mode exchange"},
    {608, 155, u"左Win与FN对调", u"LeftWin/Fn Swap"},
    {609, 156, u"Fn键", u"Fn Key"},
    {610, 157, u"鼠标DPI-", u"Mouse DPI-"},
    {611, 158, u"鼠标DPI+", u"Mouse DPI+"},
    {612, 159, u"蓝牙与USB模式切换", u"BT/USB Mode Swap"},
    {613, 161, u"编程模式切换键", u"Custom Mode Swap"},
    {614, 162, u"蓝牙休眠时间", u"Time For BT Sleep"},
    {615, 163, u"Caps颜色设置", u"Set Caps Color"},
    {616, 164, u"省电模式设置", u"Set PowerSave"},
    {617, 165, u"Mac系统锁Fn", u"Mac FnLock"},
    {620, 135, u"背光100%全亮", u"100% all bright"},
    {621, 136, u"背光颜色切换", u"Color Change"},
    {622, 137, u"背光灯效切换", u"Lamp Effect Change"},
    {623, 138, u"背光演示", u"Demostrator"},
    {624, 139, u"背光录制", u"Backlight Record"},
    {625, 142, u"背光频率-", u"Freqency-"},
    {626, 143, u"背光频率+", u"Freqency+"},
    {627, 144, u"背光亮度-", u"Brightness-"},
    {628, 145, u"背光亮度+", u"Brightness+"},
    {629, 146, u"背光暂停", u"Backlight Pause"},
    {630, 147, u"灯效颜色切换", u"Effect Color Exchange"},
    {631, 141, u"九宫格环颜色切换", u"Round of shower Color Exchange"},
};

constexpr Choice kPower[] = {
    {701, 75, u"唤醒", u"WakeUp"},
    {702, 76, u"睡眠", u"Sleep"},
    {703, 77, u"电源", u"Power"},
};

void fillShared(Filler& f) {
    f.button(87, {30, 325, 148, 360});   // Default
    f.button(86, {162, 325, 280, 360});  // Empty
    f.button(88, {332, 325, 448, 360});  // OK
    f.button(89, {462, 325, 580, 360});  // Cancel
    f.button(90, {32, 55, 140, 92});     // tabs of pages 1, 2, 4, 5, 6
    f.button(91, {141, 55, 249, 92});
    f.button(93, {250, 55, 358, 92});
    f.button(94, {359, 55, 467, 92});
    f.button(95, {468, 55, 577, 92});
    f.button(97, {555, 22, 575, 42});  // close
    f.label(36, {240, 20, 350, 40}, u"按键设置窗口", u"KeySet Dialog", 17);
    f.label(37, {30, 332, 148, 360}, u"默认配置", u"Default", 17, kTextCenter, kBlack);
    f.label(41, {162, 332, 280, 360}, u"清空配置", u"Empty", 17, kTextCenter, kBlack);
    f.label(38, {332, 332, 448, 360}, u"确定", u"Confirm", 17, kTextCenter, kBlack);
    f.label(39, {462, 332, 580, 360}, u"取消", u"Cancel", 17, kTextCenter, kBlack);
    f.label(30, {32, 65, 140, 92}, u"单键/组合键", u"Single/Comb", 15);
    f.label(31, {141, 65, 249, 92}, u"宏定义", u"Macro", 15);
    f.label(33, {250, 65, 358, 92}, u"多媒体", u"MultiMedia", 15);
    f.label(34, {359, 65, 467, 92}, u"鼠标", u"Mouse", 15);
    f.label(35, {468, 65, 577, 92}, u"其他", u"Other", 15);
}

void fillSingleAndCombo(Filler& f) {
    f.button(101, {56, 112, 78, 134}).active = true;
    f.button(102, {230, 112, 252, 134});
    f.button(103, {45, 135, 160, 155});
    f.button(104, {50, 266, 186, 294});
    f.button(105, {230, 266, 305, 294});
    f.button(106, {310, 266, 386, 294});
    f.button(107, {405, 266, 560, 294});
    for (int r = 0; r < 5; ++r) {
        f.row(121 + r, {229, 176 + 16 * r, 367, 191 + 16 * r}, kTextLeft);
    }
    for (int r = 0; r < 5; ++r) {
        f.row(141 + r, {405, 176 + 16 * r, 542, 191 + 16 * r}, kTextCenter);
    }
    f.label(151, {82, 115, 140, 135}, u"单键", u"Single", 13, kTextLeft).activeTextColor = kGreen;
    f.label(152, {256, 115, 330, 135}, u"组合键", u"Combination", 13, kTextLeft).activeTextColor = kGreen;
    f.label(153, {45, 155, 160, 175}, u"请输入一个单键：", u"Press a key:", 13);
    f.label(154, {68, 270, 185, 296}, u"开始录制", u"Record", 15, kTextCenter, kBlack);
    f.label(155, {68, 270, 185, 296}, u"停止录制", u"Stop Rec", 15, kTextCenter, kGreen).textVisible = false;
    f.label(156, {230, 270, 305, 294}, u"新建", u"New", 15, kTextCenter, kBlack);
    f.label(157, {310, 270, 386, 294}, u"删除", u"Delete", 15, kTextCenter, kBlack);
    f.label(158, {50, 190, 184, 218}, u"", u"", 13);
    f.label(159, {405, 270, 560, 294}, u"开始录制", u"Record", 15, kTextCenter, kBlack);
    f.label(160, {405, 270, 560, 294}, u"停止录制", u"Stop Rec", 15, kTextCenter, kGreen).textVisible = false;
    f.label(161, {230, 150, 360, 170}, u"组合键列表", u"Combination List", 13, kTextLeft);
    f.label(162, {408, 150, 552, 170}, u"录制框", u"Record List", 13, kTextLeft);
}

void fillMacro(Filler& f) {
    f.button(201, {402, 105, 422, 125});
    f.button(203, {402, 196, 420, 216});
    f.button(205, {43, 267, 118, 295});
    f.button(206, {124, 267, 200, 295});
    f.button(207, {404, 278, 576, 306});
    f.button(208, {402, 134, 422, 154});
    f.button(209, {402, 165, 422, 185});
    f.button(210, {402, 224, 422, 244});
    for (int r = 0; r < 7; ++r) {
        f.row(221 + r, {45, 154 + 14 * r, 181, 167 + 14 * r}, kTextLeft);
    }
    for (int r = 0; r < 7; ++r) {
        f.row(241 + r, {224, 154 + 14 * r, 360, 167 + 14 * r}, kTextLeft);
    }
    f.label(261, {423, 106, 499, 124}, u"次数播放", u"Times Play", 13, kTextLeft);
    f.label(262, {423, 196, 491, 214}, u"自动延时", u"Auto delay", 13, kTextLeft);
    f.label(265, {43, 270, 118, 295}, u"新建", u"New", 15, kTextCenter, kBlack);
    f.label(266, {124, 270, 200, 295}, u"删除", u"Remove", 15, kTextCenter, kBlack);
    f.label(267, {404, 283, 576, 306}, u"开始录制", u"Record", 15, kTextCenter, kBlack);
    f.label(268, {404, 283, 576, 306}, u"停止录制", u"Stop Rec", 15, kTextCenter, kGreen).textVisible = false;
    f.label(270, {37, 115, 178, 131}, u"宏列表", u"Macro List", 13, kTextLeft);
    f.label(271, {215, 115, 355, 131}, u"录制框", u"Record List", 13, kTextLeft);
    f.label(272, {423, 135, 586, 153}, u"按下播放，释放停止", u"Press play, release stop", 13, kTextLeft);
    f.label(273, {423, 165, 536, 183}, u"按键开/关播放", u"Press to play/stop", 13, kTextLeft);
    f.label(274, {423, 225, 526, 243}, u"记录延时", u"Record delay", 13, kTextLeft);
    f.label(275, {544, 106, 602, 124}, u"次", u"times", 13, kTextLeft);
    f.label(262, {544, 196, 602, 216}, u"毫秒", u"ms", 13, kTextLeft);
}

void fillEmulation(Filler& f) {
    f.button(301, {383, 110, 467, 140});
    f.button(302, {383, 150, 538, 176});
    f.button(305, {45, 258, 105, 288});
    f.button(306, {114, 258, 174, 288});
    for (int r = 0; r < 9; ++r) {
        f.row(321 + r, {37, 114 + 14 * r, 178, 127 + 14 * r}, kTextLeft);
    }
    for (int r = 0; r < 9; ++r) {
        f.row(341 + r, {213, 114 + 14 * r, 355, 127 + 14 * r}, kTextLeft);
    }
    f.label(351, {387, 112, 467, 130}, u"延时", u"Delay", 13);
    f.label(352, {383, 154, 538, 176}, u"开始录制", u"Record", 13);
    f.label(353, {383, 154, 538, 176}, u"停止录制", u"Stop Rec", 13, kTextCenter, kGreen).textVisible = false;
    f.label(355, {45, 264, 105, 288}, u"新建", u"New", 13);
    f.label(356, {114, 264, 174, 288}, u"删除", u"Remove", 13);
    f.label(357, {37, 95, 178, 111}, u"模拟击键列表", u"Emu List", 13, kTextLeft);
    f.label(358, {213, 95, 355, 111}, u"录制框", u"Record List", 13, kTextLeft);
}

void fillMultimedia(Filler& f) {
    int k = 0;
    for (const Choice& c : kMultimedia) {
        const SkinRect r = c.id <= 408 ? SkinRect{60 + 50 * k, 157, 95 + 50 * k, 193}
                                       : SkinRect{60 + 50 * (k - 8), 255, 95 + 50 * (k - 8), 292};
        SkinItem& item = f.button(c.id, r);
        item.value = c.code;
        item.tip.set(c.zh, c.en);
        ++k;
    }
    f.label(451, {46, 116, 167, 136}, u"多媒体功能", u"Media Function", 13, kTextLeft);
    f.label(452, {46, 215, 167, 235}, u"浏览器功能", u"Browser Function", 13, kTextLeft);
}

void fillMouse(Filler& f) {
    int k = 0;
    for (const Choice& c : kMouse) {
        f.button(c.id, {35, 114 + 17 * k, 300, 130 + 17 * k}).value = c.code;
        ++k;
    }
    k = 0;
    for (const Choice& c : kMouse) {
        f.label(c.id + 50, {35, 114 + 17 * k, 300, 130 + 17 * k}, c.zh, c.en, 13);
        ++k;
    }
}

SkinRect functionRect(int id) {
    if (id <= 611) {
        const int k = id - 601;
        return {32, 112 + 17 * k, 167, 128 + 17 * k};
    }
    if (id <= 617) {
        const int k = id - 612;
        return {168, 112 + 17 * k, 302, 128 + 17 * k};
    }
    if (id <= 630) {
        const int k = id - 620;
        return {304, 112 + 17 * k, 438, 128 + 17 * k};
    }
    return {440, 112, 574, 128};
}

void fillFunctions(Filler& f) {
    for (const Choice& c : kFunctions) {
        f.button(c.id, functionRect(c.id)).value = c.code;
    }
    for (const Choice& c : kFunctions) {
        SkinRect r = functionRect(c.id);
        r.left += 4;
        // Labels carry the button's id plus 50; 630 and 631 share 679 and 680.
        const int id = c.id <= 629 ? c.id + 50 : c.id + 49;
        f.label(id, r, c.zh, c.en, 13, kTextLeft);
    }
}

void fillPower(Filler& f) {
    constexpr SkinRect kButtons[] = {{162, 160, 242, 190}, {251, 160, 331, 190}, {340, 160, 420, 190}};
    constexpr const char16_t* kZh[] = {u"唤醒", u"睡眠", u"电源"};
    constexpr const char16_t* kEn[] = {u"Wake", u"Sleep", u"Power"};
    for (int k = 0; k < 3; ++k) {
        SkinItem& item = f.button(kPower[k].id, kButtons[k]);
        item.value = kPower[k].code;
        item.tip.set(kPower[k].zh, kPower[k].en);
    }
    for (int k = 0; k < 3; ++k) {
        SkinRect r = kButtons[k];
        r.top = 166;
        f.label(751 + k, r, kZh[k], kEn[k], 13);
    }
}

}  // namespace

std::vector<SkinItem> keyMapItems() {
    std::vector<SkinItem> items(kKeyMapItemCount);
    Filler f(items);
    fillShared(f);
    assert(f.next() == 20);
    fillSingleAndCombo(f);
    assert(f.next() == 49);
    fillMacro(f);
    assert(f.next() == 84);
    fillEmulation(f);
    assert(f.next() == 113);
    fillMultimedia(f);
    assert(f.next() == 133);
    fillMouse(f);
    assert(f.next() == 153);
    fillFunctions(f);
    assert(f.next() == 211);
    fillPower(f);
    assert(f.next() == 217);
    return items;
}

}  // namespace talvane68
