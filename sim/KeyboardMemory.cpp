#include "sim/KeyboardMemory.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace talvane68::sim {

KeyRecord emptyKeyRecord(int layer, int key) {
    KeyRecord record{layer, key, std::vector<std::uint8_t>(kBlockSize, 0)};
    record.blocks[1] = 0xF0;
    record.blocks[2] = static_cast<std::uint8_t>(layer);
    record.blocks[3] = static_cast<std::uint8_t>(key);
    return record;
}

bool isValidKeyRecord(const KeyRecord& record) {
    return record.layer >= 1 && record.layer <= kLayerCount && record.key >= 1 && record.key <= kKeyCount &&
           !record.blocks.empty() && record.blocks.size() % kBlockSize == 0;
}

KeyboardMemory::KeyboardMemory(SimDirectory dir) : m_dir(std::move(dir)) {}

std::vector<KeyRecord> KeyboardMemory::keys() const {
    std::map<int, KeyRecord> bySlot;
    std::istringstream in(m_dir.readText("keys").value_or(""));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        KeyRecord record;
        std::string hex;
        if (!(fields >> record.layer >> record.key >> hex)) {
            continue;
        }
        auto bytes = fromHex(hex);
        if (!bytes) {
            continue;
        }
        record.blocks = std::move(*bytes);
        if (isValidKeyRecord(record)) {
            bySlot[record.slot()] = std::move(record);
        }
    }
    std::vector<KeyRecord> records;
    for (auto& [slot, record] : bySlot) {
        records.push_back(std::move(record));
    }
    return records;
}

bool KeyboardMemory::storeKeys(const std::vector<KeyRecord>& records) const {
    std::map<int, const KeyRecord*> bySlot;
    for (const auto& record : records) {
        if (isValidKeyRecord(record)) {
            bySlot[record.slot()] = &record;
        }
    }
    // Unset keys read back as empty records anyway; the file keeps only assignments.
    std::erase_if(bySlot, [](const auto& entry) {
        return *entry.second == emptyKeyRecord(entry.second->layer, entry.second->key);
    });
    std::string text = "# layer key record (64-byte blocks in hex)\n";
    for (const auto& [slot, record] : bySlot) {
        text += std::to_string(record->layer) + " " + std::to_string(record->key) + " " +
                toHex(record->blocks.data(), record->blocks.size()) + "\n";
    }
    return m_dir.writeText("keys", text);
}

LightTable KeyboardMemory::lights() const {
    LightTable table{};
    std::istringstream in(m_dir.readText("lights").value_or(""));
    std::string line;
    int key = 0;
    while (key < kKeyCount && std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int rgb[3];
        if (fields >> rgb[0] >> rgb[1] >> rgb[2]) {
            for (int i = 0; i < 3; ++i) {
                table[key * 3 + i] = static_cast<std::uint8_t>(std::clamp(rgb[i], 0, 255));
            }
        }
        ++key;
    }
    return table;
}

bool KeyboardMemory::storeLights(const LightTable& table) const {
    std::string text;
    for (int key = 0; key < kKeyCount; ++key) {
        text += std::to_string(table[key * 3]) + " " + std::to_string(table[key * 3 + 1]) + " " +
                std::to_string(table[key * 3 + 2]) + "\n";
    }
    return m_dir.writeText("lights", text);
}

}  // namespace talvane68::sim
