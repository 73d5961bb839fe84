// Key table read against hostile keyboard replies, then every slot fetched
// into an array of the size the program uses.

#include <vector>

#include "fuzz/hwi/ReplayChannel.h"
#include "hwi/CVrel.h"
#include "hwi/CVrelUtil.h"
#include "hwi/KeyTableTransfer.h"

using namespace talvane68;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CVrelUtil transport(std::make_unique<fuzz::ReplayChannel>(data, size));
    CVrel model(&transport);
    KeyTableTransfer(model, TransferControl{}).read(nullptr);
    std::vector<int> block(65536);
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= 69; ++key) {
            model.fetchDefinition(layer, key, block.data());
            // What was read must go back out whole.
            if (const CKeyDefine* def = model.definition(slotIndex(layer + 1, key))) {
                int total = 0;
                def->Encode(nullptr, kBlockSize, &total);
                std::vector<std::uint8_t> bytes(static_cast<std::size_t>(total));
                def->Encode(bytes.data(), kBlockSize, &total);
            }
        }
    }
    return 0;
}
