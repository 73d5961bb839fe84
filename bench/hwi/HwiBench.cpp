// Library CPU time per report for the two longest transfers: a key table of
// 138 longest macros, and a 1 MiB firmware text. The channel discards every
// report, so only the library's own work is measured.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hwi/DeviceChannel.h"
#include "hwi/Talvane68HWI.h"

using namespace talvane68;

namespace {

struct NullChannel : DeviceChannel {
    std::size_t* reports;
    explicit NullChannel(std::size_t* counter) : reports(counter) {}
    bool write(const std::uint8_t*, std::size_t) override {
        ++*reports;
        return true;
    }
    int read(std::uint8_t*, std::size_t, int) override { return -1; }
};

struct NullEnumerator : DeviceEnumerator {
    std::size_t reports = 0;
    std::vector<std::u16string> interfacePaths() override {
        return {u"\\\\?\\hid#vid_0483&pid_4025&mi_01#null"};
    }
    std::unique_ptr<DeviceChannel> open(const std::u16string&) override {
        return std::make_unique<NullChannel>(&reports);
    }
};

void setPerReportCounter(benchmark::State& state, std::size_t reports) {
    state.counters["reports"] = static_cast<double>(reports) / static_cast<double>(state.iterations());
    state.counters["per_report"] = benchmark::Counter(
        static_cast<double>(reports), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_KeyTableOfLongestMacros(benchmark::State& state) {
    auto enumerator = std::make_shared<NullEnumerator>();
    setDeviceEnumerator(enumerator);
    CVrelHWI hwi;
    hwi.__createDev();
    // 16384 events with delays: 65533 stream bytes, 1237 reports per key.
    std::vector<int> block = {2, 0, 1, 1, 0, 16384};
    for (int i = 0; i < 16384; ++i) {
        block.push_back(i & 0xFF);
        if (i < 16383) {
            block.push_back(i);
        }
    }
    hwi.prepare();
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= 69; ++key) {
            hwi.setKeyConfiguration(layer, key, block.data(), static_cast<int>(block.size()));
        }
    }
    enumerator->reports = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hwi.writeKeyConfigurationToDev(nullptr));
    }
    setPerReportCounter(state, enumerator->reports);
    setDeviceEnumerator(nullptr);
}
BENCHMARK(BM_KeyTableOfLongestMacros)->Unit(benchmark::kMillisecond);

// Data records of 16 bytes at rising addresses, then the end record.
std::string firmwareText(std::size_t size) {
    std::string text;
    unsigned address = 0;
    char line[64];
    while (text.size() + 64 < size) {
        unsigned sum = 0x10 + (address >> 8) + (address & 0xFF);
        int n = std::snprintf(line, sizeof line, ":10%04X00", address & 0xFFFF);
        for (int i = 0; i < 16; ++i) {
            const unsigned byte = (address + i * 7) & 0xFF;
            sum += byte;
            n += std::snprintf(line + n, sizeof line - n, "%02X", byte);
        }
        std::snprintf(line + n, sizeof line - n, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
        text += line;
        address += 16;
    }
    return text + ":00000001FF\r\n";
}

void BM_FirmwareOneMebibyte(benchmark::State& state) {
    auto enumerator = std::make_shared<NullEnumerator>();
    setDeviceEnumerator(enumerator);
    CVrelHWI hwi;
    hwi.__createDev();
    const std::string text = firmwareText(1 << 20);
    enumerator->reports = 0;
    for (auto _ : state) {
        if (!hwi.WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()), nullptr)) {
            state.SkipWithError("firmware text refused");
            break;
        }
    }
    setPerReportCounter(state, enumerator->reports);
    setDeviceEnumerator(nullptr);
}
BENCHMARK(BM_FirmwareOneMebibyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
