#include <gtest/gtest.h>

#include <vector>

#include "hwi/CContinousKeyDefine.h"
#include "hwi/CMacroKeyDefine.h"
#include "hwi/CNormalKeyDefine.h"
#include "hwi/CVrel.h"
#include "tests/hwi/FakeDevice.h"

using namespace talvane68;
using talvane68::test::Payload;
using talvane68::test::payload;

namespace {

// Both passes of Encode: the size query, then the fill of a zeroed buffer.
std::vector<std::uint8_t> encode(const CKeyDefine& def) {
    int total = -1;
    EXPECT_FALSE(def.Encode(nullptr, 64, &total));
    std::vector<std::uint8_t> out(static_cast<std::size_t>(total), 0);
    if (total > 0) {
        def.Encode(out.data(), 64, &total);
    }
    return out;
}

std::unique_ptr<CMacroKeyDefine> macroWithDelays(int events) {
    auto def = std::make_unique<CMacroKeyDefine>(1, 2, 2);
    std::vector<int> codes, delays;
    for (int i = 0; i < events; ++i) {
        codes.push_back(0x10 + i);
        delays.push_back(0x0100 + i);
    }
    def->setEvents(1, codes, delays);
    return def;
}

}  // namespace

TEST(KeyRecord, NormalAndContinuousRecords) {
    CNormalKeyDefine normal(3, 1);
    normal.setCodes({0x04, 0x05});
    EXPECT_EQ(encode(normal), payload({0x00, 0xF0, 0x01, 0x03, 0x00, 0x02, 0x04, 0x05}));

    CContinousKeyDefine repeat(10, 2);
    repeat.setValue(0x1234);
    repeat.setCodes({0x107, 0x08});  // only the low byte of a code travels
    EXPECT_EQ(encode(repeat), payload({0x00, 0xF0, 0x02, 0x0A, 0x01, 0x12, 0x34, 0x02, 0x07, 0x08}));

    // Without codes the value is not written and the fill reports false.
    CContinousKeyDefine empty(10, 2);
    empty.setValue(500);
    std::vector<std::uint8_t> out(64, 0);
    int total = 0;
    EXPECT_FALSE(empty.Encode(out.data(), 64, &total));
    EXPECT_EQ(out, payload({0x00, 0xF0, 0x02, 0x0A, 0x01}));
}

TEST(KeyRecord, MacroStreamIsCutIntoBlocksWithRepeatedHeader) {
    CMacroKeyDefine plain(7, 1, 3);
    plain.setCycles(0x105);
    plain.setInterval(0x0203);
    plain.setEvents(0, {0x04, 0x05, 0x06}, {});
    EXPECT_EQ(encode(plain),
              payload({0x00, 0xF0, 0x01, 0x07, 0x03, 0x05, 0x00, 0x02, 0x03, 0x00, 0x03, 0x04, 0x05, 0x06}));

    auto fourteen = macroWithDelays(14);
    EXPECT_EQ(fourteen->streamLength(), 53);
    EXPECT_EQ(encode(*fourteen).size(), 64u);

    auto fifteen = macroWithDelays(15);
    const std::vector<std::uint8_t> bytes = encode(*fifteen);
    ASSERT_EQ(bytes.size(), 128u);
    const Payload header = {0x00, 0xF0, 0x02, 0x01, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 57};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin() + 64));
    // Event 0: code, marker, delay big-endian.
    EXPECT_EQ(bytes[11], 0x10);
    EXPECT_EQ(bytes[12], 0xC8);
    EXPECT_EQ(bytes[13], 0x01);
    EXPECT_EQ(bytes[14], 0x00);
    // Stream bytes 53..56 open block 2: the tail of event 13 and event 14's
    // code alone; 49 zeros follow.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 75, bytes.begin() + 79),
              (std::vector<std::uint8_t>{0xC8, 0x01, 0x0D, 0x1E}));
    EXPECT_EQ(std::count(bytes.begin() + 79, bytes.end(), 0), 49);

    CMacroKeyDefine none(1, 1, 2);
    EXPECT_TRUE(encode(none).empty());
}

TEST(KeyRecord, MacroDecodeWithDelays) {
    Payload block = payload({0x00, 0xF0, 0x01, 0x09, 0x04, 0x03, 0x01, 0x00, 0x0A, 0x00, 0x09,  //
                             0x04, 0xC8, 0x00, 0x64, 0x05, 0xC8, 0x01, 0x2C, 0x06});
    CMacroKeyDefine def(9, 1, 4);
    EXPECT_TRUE(def.Decode(block.data(), 64, 64));
    EXPECT_EQ(def.codes(), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(def.delays(), (std::vector<int>{100, 300, 0}));
    EXPECT_EQ(def.cycles(), 3);
    EXPECT_EQ(def.interval(), 10);
}

TEST(KeyRecord, DecodedCountsAreCutToTheBytesReceived) {
    CNormalKeyDefine normal(1, 1);
    Payload p = payload({0x00, 0xF0, 0x01, 0x01, 0x00, 0xFF});
    normal.Decode(p.data(), 64, 64);
    EXPECT_EQ(normal.count(), 58);

    CContinousKeyDefine repeat(1, 1);
    p = payload({0x00, 0xF0, 0x01, 0x01, 0x01, 0x00, 0x10, 0xFF});
    repeat.Decode(p.data(), 64, 64);
    EXPECT_EQ(repeat.count(), 56);

    // A macro header claiming 65535 stream bytes with one block received.
    CMacroKeyDefine macro(1, 1, 2);
    p = payload({0x00, 0xF0, 0x01, 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF});
    macro.Decode(p.data(), 64, 64);
    EXPECT_EQ(macro.count(), 53);
    p[6] = 1;
    macro.Decode(p.data(), 64, 64);
    EXPECT_EQ(macro.count(), 14);  // (53 - 1) / 4 + 1
}

TEST(KeyConfigBlock, StoreAndFetchRoundTrip) {
    struct Case {
        const char* name;
        std::vector<int> block;
    };
    const std::vector<Case> cases = {
        {"normal", {0, 2, 0x04, 0x05}},
        {"continuous", {1, 250, 3, 7, 8, 9}},
        {"macro without delays", {2, 0, 5, 0, 30, 3, 4, 5, 6}},
        {"macro with delays", {2, 2, 0, 1, 0, 3, 4, 100, 5, 200, 6}},
        {"empty macro", {2, 1, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CVrel model(nullptr);
        model.storeDefinition(1, 69, c.block.data());
        std::vector<int> out(c.block.size() + 4, -7);
        model.fetchDefinition(1, 69, out.data());
        EXPECT_EQ(std::vector<int>(out.begin(), out.begin() + c.block.size()), c.block);
        // Nothing is written past what the definition needs.
        EXPECT_EQ(std::count(out.begin() + c.block.size(), out.end(), -7), 4);
        EXPECT_NE(model.definition(137), nullptr);
    }
}

TEST(KeyConfigBlock, EmptySlotsReplacementAndUnknownKinds) {
    CVrel model(nullptr);
    std::vector<int> out(4, -7);
    model.fetchDefinition(0, 1, out.data());
    EXPECT_EQ(out, (std::vector<int>{0, 0, -7, -7}));

    const int first[] = {0, 1, 0x04};
    const int second[] = {1, 10, 1, 0x05};
    model.storeDefinition(0, 1, first);
    model.storeDefinition(0, 1, second);
    EXPECT_EQ(model.definition(0)->kind(), 1);

    // Kind 3 and play mode 3 are not definitions: the slot keeps what it held.
    const int badKind[] = {3, 0};
    const int badPlayMode[] = {2, 3, 0, 0, 0, 1, 4};
    model.storeDefinition(0, 1, badKind);
    model.storeDefinition(0, 1, badPlayMode);
    EXPECT_EQ(model.definition(0)->kind(), 1);

    // Slots outside layer 0..1 and key 1..69 are ignored.
    model.storeDefinition(2, 1, first);
    model.storeDefinition(0, 70, first);
    model.storeDefinition(-1, 1, first);
    model.storeDefinition(0, 0, first);
    for (int slot = 1; slot < 138; ++slot) {
        EXPECT_EQ(model.definition(slot), nullptr);
    }
    model.clear();
    EXPECT_EQ(model.definition(0), nullptr);
}

TEST(KeyConfigBlock, DefinitionsBeyondTheRecordLimitsAreCut) {
    CVrel model(nullptr);
    std::vector<int> block(70000, 0x2A);

    block[0] = 0;
    block[1] = 60;
    model.storeDefinition(0, 1, block.data());
    EXPECT_EQ(static_cast<const CNormalKeyDefine*>(model.definition(0))->count(), 58);

    block[0] = 1;
    block[2] = 60;
    model.storeDefinition(0, 1, block.data());
    EXPECT_EQ(static_cast<const CContinousKeyDefine*>(model.definition(0))->count(), 56);

    block = std::vector<int>(70000, 0x2A);
    block[0] = 2, block[1] = 0, block[2] = 0, block[3] = 1, block[4] = 0, block[5] = 20000;
    model.storeDefinition(0, 1, block.data());
    auto* macro = static_cast<const CMacroKeyDefine*>(model.definition(0));
    EXPECT_EQ(macro->count(), 16384);
    EXPECT_EQ(macro->streamLength(), 65533);
    int total = 0;
    macro->Encode(nullptr, 64, &total);
    EXPECT_EQ(total, 64 * 1237);

    block[3] = 0;
    block[5] = 69999;
    model.storeDefinition(0, 1, block.data());
    EXPECT_EQ(static_cast<const CMacroKeyDefine*>(model.definition(0))->streamLength(), 65535);

    // The program's arrays hold 65536 ints; the longest macro stays inside.
    std::vector<int> out(65537, -7);
    model.fetchDefinition(0, 1, out.data());
    EXPECT_EQ(out[65536], -7);
    EXPECT_EQ(out[5], 65530);
    EXPECT_EQ(out[65535], 0x2A);
}
