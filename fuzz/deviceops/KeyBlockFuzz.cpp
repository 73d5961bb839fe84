// Key definitions as the device library hands them back: any block must turn
// into a sound assignment, and that assignment must turn into a block again.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "deviceops/KeyConfigConversion.h"

using namespace talvane68;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static KeyboardProfile* profile = [] {
        auto* p = new KeyboardProfile;
        p->buildKeyTables();
        p->restoreDefaults();
        return p;
    }();
    std::vector<int> block(size / sizeof(int));
    if (!block.empty()) {
        std::memcpy(block.data(), data, block.size() * sizeof(int));
    }
    applyKeyConfigBlock(*profile, 1, 69, block);
    keyConfigBlockOf(*profile, 1, 69);
    return 0;
}
