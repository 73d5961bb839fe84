#pragma once

// Conversions between the profile's key assignments and colours and the
// arrays the device library takes: one KeyConfigBlock per key and layer, and
// the 207 integers of the light table. No device is involved here.
//
// KeyConfigBlock layouts (element 0 is the kind):
//   normal      0, count n, code 1 .. code n
//   continuous  1, delay, count n, code 1 .. code n
//   macro       2, play mode, cycles, delay flag, interval, event count n,
//               then the codes, each followed by its delay when the flag is
//               1 (the last event has none)

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "profile/KeyboardProfile.h"

namespace talvane68 {

constexpr int kLightAreaSize = 207;  // red, green, blue of keys 1..69
using LightArea = std::array<int, kLightAreaSize>;

// The left double click (code 199) travels as the two codes 0x82, 0x82.
constexpr int kDoubleClickCode = 199;
constexpr int kDoubleClickWireCode = 0x82;

// Key function code of a list text. A delay text ("[%d ms]") gives its
// number, clamped to 0..65535 (0 when there is none). Any other text gives
// vkToCode of the first key name (in ascending virtual-key order) it equals,
// alone or followed by the press or release arrows; 0 when none matches.
std::int32_t codeForText(const KeyboardProfile& profile, const std::u16string& text);

// The block the key's assignment on that layer goes to the keyboard as, or
// an empty block when the key is NotSet (mode 0 or below).
std::vector<int> keyConfigBlockOf(const KeyboardProfile& profile, int layer, int keyId);

// Sets the key's assignment on that layer from a block the keyboard gave.
// Counts that point past the end of the block are cut to what it holds.
void applyKeyConfigBlock(KeyboardProfile& profile, int layer, int keyId, std::span<const int> block);

// The light table of keyColor entries 1..69 (entry 0 is not sent).
LightArea lightAreaOf(const KeyboardProfile& profile);
// Copies a light table into keyColor entries 1..69; entry 0 is untouched.
void applyLightArea(KeyboardProfile& profile, const LightArea& area);

}  // namespace talvane68
