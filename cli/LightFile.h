#pragma once

// The text form of a light table: 69 lines "r g b" (0..255 each), key 1
// first. Blank lines and lines starting with '#' are skipped when reading.

#include <array>
#include <optional>
#include <string>

namespace talvane68::cli {

constexpr int kLightKeys = 69;
using LightValues = std::array<int, kLightKeys * 3>;

// The colours of the text, or nullopt with a message naming the line at fault.
std::optional<LightValues> parseLightText(const std::string& text, std::string& error);
std::string formatLightText(const LightValues& values);

}  // namespace talvane68::cli
