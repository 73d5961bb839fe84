#pragma once

// A recorded macro: key events, optionally each followed by its delay,
// played by the keyboard in one of three play modes (kinds 2, 3, 4).
//
// The events form a stream: the codes alone (delay flag 0), or code, 0xC8,
// delayHi, delayLo for every event but the last, which is its code alone
// (delay flag 1). The stream is cut into 64-byte blocks of an 11-byte header
// 00 F0 layer key kind cycles flag intervalHi intervalLo lengthHi lengthLo
// and up to 53 stream bytes. An empty macro has no blocks at all.
//
// KeyConfigBlock: [0] 2, [1] play mode 0..2, [2] cycles, [3] delay flag,
// [4] interval, [5] n, from [6] the codes, or with delays the pairs
// (code, delay) of events 1..n-1 and the code of event n.

#include <vector>

#include "hwi/CKeyDefine.h"

namespace talvane68 {

class CMacroKeyDefine : public CKeyDefine {
public:
    static constexpr int kHeaderSize = 11;
    static constexpr int kStreamPerBlock = 53;
    static constexpr int kMaxStream = 65535;  // the 16-bit length field
    static constexpr int kMaxEvents = 65535;  // without delays
    static constexpr int kMaxEventsWithDelays = 16384;
    static constexpr std::uint8_t kDelayMarker = 0xC8;
    // The program's KeyConfigBlock arrays hold 65536 ints; a fetch never
    // writes more.
    static constexpr int kBlockCapacity = 65536;

    CMacroKeyDefine(int key, int layer, int kind) : CKeyDefine(key, layer, kind) {}

    bool Encode(std::uint8_t* buffer, int blockSize, int* totalSize) const override;
    bool Decode(const std::uint8_t* buffer, int blockSize, int totalSize) override;
    int blockLength() const override;
    void toBlock(int* block) const override;

    // Null when the play mode is not 0..2. Events beyond the stream limit
    // are dropped.
    static std::unique_ptr<CMacroKeyDefine> fromBlock(int key, int layer, const int* block);

    // Replaces the events; codes and delays are paired by index (missing
    // delays are 0) and cut to the limit of the delay flag.
    void setEvents(int delayFlag, std::vector<int> codes, std::vector<int> delays);
    void setCycles(int cycles) { m_cycles = cycles; }
    void setInterval(int interval) { m_interval = interval; }

    int delayFlag() const { return m_delayFlag; }
    int cycles() const { return m_cycles; }
    int interval() const { return m_interval; }
    const std::vector<int>& codes() const { return m_codes; }
    const std::vector<int>& delays() const { return m_delays; }
    int count() const { return static_cast<int>(m_codes.size()); }
    // Stream length L: n, or 4n - 3 with delays (0 without events).
    int streamLength() const;

private:
    int m_delayFlag = 0;
    int m_cycles = 0;
    std::vector<int> m_delays;  // one per event; the last one is never sent
    std::vector<int> m_codes;
    int m_interval = 0;
};

}  // namespace talvane68
