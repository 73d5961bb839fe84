#pragma once

// The text the main window's hint box shows for the key under the pointer:
// what the key does on the first layer and on the Fn layer.

#include <string>

namespace talvane68 {

class KeyboardProfile;

// Summary of a key's assignment on one layer: the items of a combination or
// emulation joined with " | ", the caption of the code for the code modes,
// and empty for the others.
std::u16string keySummary(const KeyboardProfile& profile, int keyId, int layer);

// Two lines: "First Layer: %s\r\n" and "Fn Layer: %s" (or the Chinese forms),
// each filled with the mode caption for NotSet and Macro and with the key
// summary otherwise. A language other than "zh-CN" and "en-US" gives the
// empty text.
std::u16string keyHintText(const KeyboardProfile& profile, int keyId);

}  // namespace talvane68
