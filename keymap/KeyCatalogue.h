#pragma once

// The key function catalogue: the names of the virtual-key codes, the map
// between virtual-key codes and the key function codes the keyboard stores,
// the captions of the key modes, the list texts of key events, and the
// functions the key assignment window offers on its pages.
//
// Virtual-key codes run 0..511 (0..254 are the Windows ones; 269 is the
// keypad Enter and 256 + code the power, multimedia, mouse and keyboard
// functions). An event code adds 512 for a release. Every lookup by
// virtual-key code masks to the low 9 bits; every table read by a code is
// bounds-checked, so out-of-range codes read as "no name" or 0.

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace talvane68 {

using KeyNameMap = std::map<std::int32_t, std::u16string>;
// vkToCode and codeToVk: 1024 entries each.
constexpr int kCodeTableSize = 1024;
using CodeTable = std::array<std::int32_t, kCodeTableSize>;
constexpr int kModeCount = 9;
using ModeNames = std::array<std::u16string, kModeCount>;

// Text of a code or event that has no name.
inline constexpr char16_t kNoName[] = u"-- --";
// Appended to a key name in macros: press, release (two spaces, two arrows).
inline constexpr char16_t kPressArrows[] = u"  \u2193\u2193";
inline constexpr char16_t kReleaseArrows[] = u"  \u2191\u2191";
// Bit 9 of an event code marks a release.
constexpr int kReleaseFlag = 512;

// Fills the tables: the 240 key names, vkToCode from the code table,
// codeToVk by an ascending scan of vkToCode (a later virtual-key code wins,
// so code 0 ends as 1023), and the nine mode captions in each language.
void buildKeyTables(KeyNameMap& keyNames, CodeTable& vkToCode, CodeTable& codeToVk, ModeNames& modeNamesZh,
                    ModeNames& modeNamesEn);

// Reads a table entry; 0 when index lies outside it.
std::int32_t tableEntry(const CodeTable& table, std::int64_t index);

// English name of a key function code (through codeToVk), or "-- --" for a
// code with no name, a negative code, or one at or above 1024.
std::u16string codeCaption(const KeyNameMap& keyNames, const CodeTable& codeToVk, std::int64_t code);

// List text of a key event: its name, with "  ↓↓" (press) or "  ↑↑"
// (release, bit 9 set) when withArrows; "-- --" when the masked code has no
// name, never with arrows.
std::u16string keyEventText(const KeyNameMap& keyNames, std::int64_t eventCode, bool withArrows);

// Virtual-key code of the first name (ascending code) equal to text, or to
// text without a trailing press or release arrow mark; -1 when none matches.
std::int32_t virtualKeyOfText(const KeyNameMap& keyNames, const std::u16string& text);

}  // namespace talvane68
