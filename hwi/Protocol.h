#pragma once

// Command bytes and sizes of the keyboard's report protocol.

#include <cstdint>

#include "hwi/DeviceChannel.h"

namespace talvane68 {

constexpr std::uint8_t kCmdVersion = 0xF9;
constexpr std::uint8_t kCmdKeyBegin = 0xF1;
constexpr std::uint8_t kCmdKeyRecord = 0xF0;
constexpr std::uint8_t kCmdKeyEnd = 0xF6;
constexpr std::uint8_t kCmdKeyRequest = 0xF2;
constexpr std::uint8_t kCmdLightBegin = 0xE1;
constexpr std::uint8_t kCmdLightChunk = 0xE0;
constexpr std::uint8_t kCmdLightEnd = 0xE6;
constexpr std::uint8_t kCmdLightRequest = 0xE2;
constexpr std::uint8_t kCmdFirmwareLine = 0x3A;

constexpr int kKeyCount = 69;
constexpr int kLayerCount = 2;
constexpr int kSlotCount = kKeyCount * kLayerCount;  // 138
constexpr int kLightTableSize = kKeyCount * 3;       // 207
constexpr int kBlockSize = 64;                       // one report payload

// Slot of a definition: layer 1..2 and key 1..69 as on the wire.
constexpr int slotIndex(int layer, int key) {
    return (layer - 1) * kKeyCount + (key - 1);
}

}  // namespace talvane68
