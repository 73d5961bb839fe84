// Light table read against hostile keyboard replies.

#include "fuzz/hwi/ReplayChannel.h"
#include "hwi/CVrel.h"
#include "hwi/CVrelUtil.h"
#include "hwi/LightTableTransfer.h"

using namespace talvane68;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CVrelUtil transport(std::make_unique<fuzz::ReplayChannel>(data, size));
    CVrel model(&transport);
    LightTableTransfer(model, TransferControl{}).read();
    return 0;
}
