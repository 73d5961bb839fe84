// Firmware download of an arbitrary text: a refused text sends nothing.

#include <cstdlib>
#include <vector>

#include "hwi/CVrelUtil.h"
#include "hwi/FirmwareDownload.h"

using namespace talvane68;

namespace {

struct CountingChannel : DeviceChannel {
    int* writes;
    explicit CountingChannel(int* counter) : writes(counter) {}
    bool write(const std::uint8_t*, std::size_t) override {
        ++*writes;
        return true;
    }
    int read(std::uint8_t*, std::size_t, int) override { return -1; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The text in a buffer of exactly its size, without the caller's zero
    // byte, so a read past the end shows.
    std::vector<char> text(data, data + size);
    int writes = 0;
    CVrelUtil transport(std::make_unique<CountingChannel>(&writes));
    const bool sent =
        FirmwareDownload(&transport, TransferControl{}).run(text.data(), static_cast<int>(size), nullptr);
    if (!sent && writes != 0) {
        std::abort();
    }
    return 0;
}
