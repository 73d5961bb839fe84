#pragma once

namespace talvane68 {

// What a point of a skinned window is: an item (client), the drag area, or a
// sizing border. The values are those of the desktop's non-client hit test.
enum class HitTest : int {
    Client = 1,
    Caption = 2,
    Right = 11,
    Bottom = 15,
    BottomRight = 17,
};

}  // namespace talvane68
