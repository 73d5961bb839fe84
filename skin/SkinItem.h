#pragma once

// One owner-drawn element of a skinned window: a button, a key cap or a text
// label, placed by its rectangle on the window's pictures.

#include <cstdint>

#include "skin/LangText.h"

namespace talvane68 {

// A colour as the pictures and captions use it: red in the low byte, then
// green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Caption placement flags: always at the top, never wrapped.
constexpr std::uint32_t kTextLeft = 0;
constexpr std::uint32_t kTextCenter = 1;
constexpr std::uint32_t kTextRight = 2;

// Client coordinates; right and bottom are outside the rectangle.
struct SkinRect {
    std::int32_t left = -1;
    std::int32_t top = -1;
    std::int32_t right = -1;
    std::int32_t bottom = -1;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const SkinRect&) const = default;
};

struct SkinItem {
    std::int32_t id = -1;  // 0 or less: absent (never painted, tracked or clicked)
    LangText caption;
    LangText tip;
    SkinRect rect;
    Colour textColor = rgb(200, 200, 200);
    Colour activeTextColor = rgb(200, 200, 200);
    std::int32_t keyIndex = -1;  // key id pictured by the item, -1 for other items
    std::int32_t value = -1;     // code the item stands for in a group of choices
    bool active = false;         // drawn from the active picture
    bool label = false;          // a text: no hover look, not hover-tracked
    bool captioned = false;      // a non-label whose caption is drawn as well
    bool textVisible = true;
    std::int32_t hovered = 0;  // 1 while the pointer was last seen inside rect
    std::uint32_t textFormat = kTextCenter;
    std::int32_t fontIndex = 13;

    bool present() const { return id > 0; }
};

}  // namespace talvane68
