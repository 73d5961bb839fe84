#include "cli/KeyText.h"

#include <algorithm>
#include <cstdio>

namespace talvane68::cli {

namespace {

std::string hexCode(int code) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(code) & 0xFFu);
    return text;
}

// The codes at block[first], block[first + step], ... (count of them, clipped).
std::string codeList(const int* block, std::size_t capacity, std::size_t first, long count) {
    std::string text;
    for (long i = 0; i < count && first + static_cast<std::size_t>(i) < capacity; ++i) {
        text += (i == 0 ? "" : " ") + hexCode(block[first + static_cast<std::size_t>(i)]);
    }
    return text;
}

}  // namespace

std::string describeKeyBlock(const int* block, std::size_t capacity) {
    if (capacity < 2) {
        return "?";
    }
    switch (block[0]) {
        case 0: {
            const long count = std::max(block[1], 0);
            return count == 0 ? "none" : "normal " + codeList(block, capacity, 2, count);
        }
        case 1: {
            if (capacity < 3) {
                return "?";
            }
            return "continuous value " + std::to_string(block[1]) + ": " +
                   codeList(block, capacity, 3, std::max(block[2], 0));
        }
        case 2: {
            if (capacity < 6) {
                return "?";
            }
            std::string text = "macro play-mode " + std::to_string(block[1]) + " cycles " +
                               std::to_string(block[2]) + " interval " + std::to_string(block[4]) + ":";
            const long events = std::max(block[5], 0);
            if (block[3] == 0) {
                return events == 0 ? text : text + " " + codeList(block, capacity, 6, events);
            }
            // Recorded delays: code, delay, code, delay, ..., last code.
            for (long i = 0; i < events; ++i) {
                const std::size_t at = 6 + 2 * static_cast<std::size_t>(i);
                if (at >= capacity) {
                    break;
                }
                text += " " + hexCode(block[at]);
                if (i + 1 < events && at + 1 < capacity) {
                    text += " +" + std::to_string(block[at + 1]) + "ms";
                }
            }
            return text;
        }
        default:
            return "unknown kind " + std::to_string(block[0]);
    }
}

}  // namespace talvane68::cli
