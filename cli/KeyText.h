#pragma once

// A readable one-line form of a key definition as getKeyConfiguration gives
// it (a KeyConfigBlock), codes in hexadecimal:
//   none
//   normal 04 05
//   continuous value 100: 04 05
//   macro play-mode 0 cycles 3 interval 0: 04 +20ms 05 +35ms 06
//   macro play-mode 1 cycles 0 interval 50: 04 05 06

#include <cstddef>
#include <string>

namespace talvane68::cli {

// capacity: the number of elements of block, which no count read from it may pass.
std::string describeKeyBlock(const int* block, std::size_t capacity);

}  // namespace talvane68::cli
