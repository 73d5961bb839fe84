#pragma once

// The keyboard model: the 2 x 69 key definitions and the 207-byte light
// table (red, green, blue of keys 1..69), mirroring the keyboard's memory.

#include <array>
#include <cstdint>
#include <memory>

#include "hwi/CKeyDefine.h"
#include "hwi/CKeyboardDefine.h"
#include "hwi/Protocol.h"

namespace talvane68 {

class CVrelUtil;

class CVrel : public CKeyboardDefine {
public:
    // transport is not owned and may be null (nothing to transfer over).
    explicit CVrel(CVrelUtil* transport);
    ~CVrel() override;
    CVrel(const CVrel&) = delete;
    CVrel& operator=(const CVrel&) = delete;

    const char16_t* GetProductId() const override { return u"4025"; }
    const char16_t* GetVendorId() const override { return u"0483"; }

    CVrelUtil* transport() const { return m_transport; }

    // KeyConfigBlock store and fetch for layer 0..1 and key 1..69; other
    // slots are ignored. A store with an unknown kind changes nothing; a
    // fetch writes only what the definition needs (an empty slot: 0, 0).
    void storeDefinition(int layer, int key, const int* block);
    void fetchDefinition(int layer, int key, int* block) const;
    // Empties every slot.
    void clear();

    // Slot 0..137 = (wire layer - 1) * 69 + (key - 1); null when empty.
    const CKeyDefine* definition(int slot) const;
    void setDefinition(int slot, std::unique_ptr<CKeyDefine> definition);

    std::array<std::uint8_t, kLightTableSize>& lightTable() { return m_lights; }
    const std::array<std::uint8_t, kLightTableSize>& lightTable() const { return m_lights; }

private:
    CVrelUtil* m_transport;
    std::array<std::unique_ptr<CKeyDefine>, kSlotCount> m_keys;
    std::array<std::uint8_t, kLightTableSize> m_lights{};
};

}  // namespace talvane68
