#pragma once

// Finding the keyboard's configuration interface among the HID interface
// paths an enumerator lists.

#include <memory>
#include <string>

#include "hwi/CVrelUtil.h"
#include "hwi/DeviceChannel.h"

namespace talvane68 {

// What a path is to the matching rules.
enum class PathMatch {
    None,          // not the keyboard's vendor and configuration interface
    OtherProduct,  // vendor 0483, interface 1, a product ID outside the three
    Type1,         // product 4025
    Type2,         // product 4026
    Type3,         // product 4027
};

// Compares the first "vid_", "pid_" and "mi_01" in the path: a candidate
// needs "mi_01" past position 0 and vendor "0483"; it matches with product
// "4025", "4026" or "4027". Case-sensitive.
PathMatch matchPath(const std::u16string& path);

// True when some listed interface matches. Opens nothing.
bool DetectDevice(DeviceEnumerator& enumerator);
// 1..3 by the product ID of the first candidate, 0 when that one has another
// product ID or there is no candidate. Later interfaces are not looked at.
int DetectDeviceType(DeviceEnumerator& enumerator);
// Opens the first matching interface; null when none matches. The open
// itself never fails here: a keyboard held by another program fails its
// first write instead.
std::unique_ptr<CVrelUtil> openKeyboard(DeviceEnumerator& enumerator);

}  // namespace talvane68
