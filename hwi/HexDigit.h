#pragma once

// Value of one hexadecimal digit, either case; -1 for any other character.
// Shared by the firmware parser and the virtual keyboard's memory files.

namespace talvane68 {

constexpr int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace talvane68
