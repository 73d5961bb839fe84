#include "hwi/CVrel.h"

namespace talvane68 {
namespace {

bool validSlot(int layer, int key) {
    return layer >= 0 && layer < kLayerCount && key >= 1 && key <= kKeyCount;
}

}  // namespace

CVrel::CVrel(CVrelUtil* transport) : m_transport(transport) {}

CVrel::~CVrel() = default;

void CVrel::storeDefinition(int layer, int key, const int* block) {
    if (block == nullptr || !validSlot(layer, key)) {
        return;
    }
    std::unique_ptr<CKeyDefine> def = CKeyDefine::fromBlock(key, layer + 1, block);
    if (def) {
        m_keys[slotIndex(layer + 1, key)] = std::move(def);
    }
}

void CVrel::fetchDefinition(int layer, int key, int* block) const {
    if (block == nullptr || !validSlot(layer, key)) {
        return;
    }
    const CKeyDefine* def = m_keys[slotIndex(layer + 1, key)].get();
    if (def == nullptr) {
        block[0] = 0;
        block[1] = 0;
        return;
    }
    def->toBlock(block);
}

void CVrel::clear() {
    for (auto& def : m_keys) {
        def.reset();
    }
}

const CKeyDefine* CVrel::definition(int slot) const {
    return slot >= 0 && slot < kSlotCount ? m_keys[slot].get() : nullptr;
}

void CVrel::setDefinition(int slot, std::unique_ptr<CKeyDefine> definition) {
    if (slot >= 0 && slot < kSlotCount) {
        m_keys[slot] = std::move(definition);
    }
}

}  // namespace talvane68
