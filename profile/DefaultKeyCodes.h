#pragma once

// The factory assignment of every key id (0..69) on layer 0 and layer 1, as
// key function codes. DefaultKeyCodesType2 is the variant for keyboard type
// 2, which lacks three Fn-layer lighting functions (keys 22, 35 and 43).

#include <array>
#include <cstdint>

namespace talvane68 {

constexpr int kKeyRows = 70;  // key ids 1..69; row 0 holds nothing
using DefaultKeyTable = std::array<std::array<std::uint8_t, 2>, kKeyRows>;

extern const DefaultKeyTable DefaultKeyCodes;
extern const DefaultKeyTable DefaultKeyCodesType2;

// The table a key's own "default" command uses: DefaultKeyCodesType2 for
// keyboard type 2, DefaultKeyCodes for every other type.
const DefaultKeyTable& defaultKeyCodesFor(std::int32_t deviceType);

}  // namespace talvane68
