#pragma once

// The virtual keyboard's memory: its key table and its light table, kept in
// the files "keys" and "lights" of its folder so they outlive the process.
//
// "keys": one line per stored key, "LAYER KEY HEX", HEX being the record's
// 64-byte blocks exactly as they travel (128 hex digits per block; a long
// macro has several). "lights": 69 lines "r g b", key 1 first. Lines starting
// with '#' and lines that do not parse are skipped.

#include <array>
#include <cstdint>
#include <vector>

#include "sim/SimDirectory.h"

namespace talvane68::sim {

constexpr int kKeyCount = 69;
constexpr int kLayerCount = 2;
constexpr int kSlotCount = kKeyCount * kLayerCount;
constexpr int kLightTableSize = kKeyCount * 3;
constexpr std::size_t kBlockSize = 64;

// One stored key definition: layer 1..2, key 1..69 and the record blocks
// (a multiple of 64 bytes, payload byte 1 = 0xF0, bytes 2..4 layer, key, kind).
struct KeyRecord {
    int layer = 0;
    int key = 0;
    std::vector<std::uint8_t> blocks;

    int slot() const { return (layer - 1) * kKeyCount + (key - 1); }
    int kind() const { return blocks.size() > 4 ? blocks[4] : 0; }
    bool operator==(const KeyRecord&) const = default;
};

using LightTable = std::array<std::uint8_t, kLightTableSize>;

// A normal record without codes: what an unset key reads back as.
KeyRecord emptyKeyRecord(int layer, int key);
// True when layer, key and block sizes make a record the keyboard can keep.
bool isValidKeyRecord(const KeyRecord& record);

class KeyboardMemory {
public:
    explicit KeyboardMemory(SimDirectory dir);

    // The stored key records in slot order, at most one per slot.
    std::vector<KeyRecord> keys() const;
    // Replaces the whole key table (invalid records are dropped, and empty
    // normal records, which are what unset keys read back as).
    bool storeKeys(const std::vector<KeyRecord>& records) const;

    LightTable lights() const;
    bool storeLights(const LightTable& table) const;

private:
    SimDirectory m_dir;
};

}  // namespace talvane68::sim
