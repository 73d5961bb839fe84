#include "profile/DefaultKeyCodes.h"

namespace talvane68 {

namespace {

constexpr DefaultKeyTable kDefaults = {{
    {0, 0},    {1, 135},   {15, 2},   {16, 3},   {17, 4},   {18, 5},   {19, 6},   {20, 7},   {21, 8},
    {22, 9},   {23, 10},   {24, 11},  {25, 12},  {26, 13},  {27, 139}, {14, 161}, {28, 162}, {29, 148},
    {30, 149}, {31, 150},  {32, 159}, {33, 0},   {34, 147}, {35, 0},   {36, 81},  {37, 0},   {38, 78},
    {39, 82},  {40, 85},   {41, 137}, {84, 112}, {42, 163}, {43, 0},   {44, 0},   {45, 0},   {46, 165},
    {47, 0},   {48, 141},  {49, 0},   {50, 0},   {51, 120}, {52, 157}, {53, 158}, {54, 136}, {83, 113},
    {55, 0},   {56, 0},    {57, 0},   {58, 118}, {59, 0},   {60, 0},   {61, 0},   {62, 154}, {63, 0},
    {64, 0},   {65, 117},  {66, 164}, {87, 145}, {86, 114}, {67, 152}, {68, 153}, {69, 0},   {70, 146},
    {71, 0},   {156, 156}, {74, 0},   {88, 143}, {89, 144}, {90, 142}, {160, 0},
}};

constexpr DefaultKeyTable withoutType2Lighting(DefaultKeyTable table) {
    table[22][1] = 0;
    table[35][1] = 0;
    table[43][1] = 0;
    return table;
}

}  // namespace

const DefaultKeyTable DefaultKeyCodes = kDefaults;
const DefaultKeyTable DefaultKeyCodesType2 = withoutType2Lighting(kDefaults);

const DefaultKeyTable& defaultKeyCodesFor(std::int32_t deviceType) {
    return deviceType == 2 ? DefaultKeyCodesType2 : DefaultKeyCodes;
}

}  // namespace talvane68
