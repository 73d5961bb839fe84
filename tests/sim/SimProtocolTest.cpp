// The virtual keyboard's answers, byte for byte, through the channel API.

#include <string>

#include "SimTestSupport.h"
#include "sim/SimDevice.h"

namespace talvane68::sim::test {
namespace {

using Protocol = SimFolderTest;

std::string narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

TEST_F(Protocol, EnumeratesTwoInterfacesWithTheSelectedProductId) {
    struct Case {
        std::uint16_t productId;
        const char* token;
    };
    for (const Case& c : {Case{0x4025, "pid_4025"}, Case{0x4026, "pid_4026"}, Case{0x4027, "pid_4027"},
                          Case{0x5000, "pid_5000"}}) {
        keyboard().setProductId(c.productId);
        const auto paths = keyboard().enumerator()->interfacePaths();
        ASSERT_EQ(paths.size(), 2u);
        const std::string prefix = std::string("\\\\?\\hid#vid_0483&") + c.token;
        EXPECT_EQ(narrow(paths[0]).rfind(prefix + "&mi_00#", 0), 0u) << narrow(paths[0]);
        EXPECT_EQ(narrow(paths[1]).rfind(prefix + "&mi_01#", 0), 0u) << narrow(paths[1]);
        EXPECT_EQ(keyboard().productId(), c.productId);
    }
}

TEST_F(Protocol, ProductIdFileAcceptsTextAndIgnoresJunk) {
    std::filesystem::create_directories(dir());
    for (auto [content, expected] :
         {std::pair{"4027\n", 0x4027}, std::pair{"banana", 0x4025}, std::pair{"", 0x4025}}) {
        SimDirectory(dir()).writeText("product-id", content);
        EXPECT_EQ(keyboard().productId(), expected) << content;
    }
}

TEST_F(Protocol, FolderThatCannotBeMadeHoldsNoKeyboard) {
    EXPECT_TRUE(makeEnumerator("/proc/talvane68-no-such-folder")->interfacePaths().empty());
}

TEST_F(Protocol, TypingInterfaceAndUnknownPathsFailEverything) {
    auto enumerator = keyboard().enumerator();
    for (const auto& path :
         {enumerator->interfacePaths()[0], std::u16string(u"\\\\?\\hid#vid_0483&pid_4025&mi_01#x")}) {
        auto channel = enumerator->open(path);
        ASSERT_NE(channel, nullptr);
        EXPECT_FALSE(send(*channel, command(0xF9)));
        std::uint8_t report[65];
        EXPECT_EQ(channel->read(report, sizeof report, 0), -1);
    }
}

TEST_F(Protocol, AnswersVersionQueryAndLogsBothReports) {
    auto channel = openConfig();
    ASSERT_TRUE(send(*channel, command(0xF9)));
    const auto reply = receive(*channel);
    ASSERT_TRUE(reply);
    Payload expected{};
    expected[1] = 0xF9;
    const std::string text = "Talvane68 VK 1.00";
    std::copy(text.begin(), text.end(), expected.begin() + 2);
    EXPECT_EQ(*reply, expected);
    EXPECT_FALSE(receive(*channel)) << "one answer per query";

    const auto log = keyboard().reportLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "> 00F9" + std::string(124, '0'));
    EXPECT_EQ(log[1], "< 00F9" + toHex(expected.data() + 2, 62));
}

TEST_F(Protocol, RejectsReportsOfTheWrongShape) {
    auto channel = openConfig();
    std::uint8_t report[66] = {0};
    report[2] = 0xF9;
    EXPECT_FALSE(channel->write(report, 64));
    EXPECT_FALSE(channel->write(report, 66));
    report[0] = 0x01;
    EXPECT_FALSE(channel->write(report, 65));
    EXPECT_TRUE(keyboard().reportLog().empty());
}

TEST_F(Protocol, ReadTruncatesToCapacityAndTimesOutWithZero) {
    auto channel = openConfig();
    std::uint8_t buffer[65];
    EXPECT_EQ(channel->read(buffer, sizeof buffer, 20), 0);
    ASSERT_TRUE(send(*channel, command(0xF9)));
    std::uint8_t small[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(channel->read(small, 3, 0), 3);
    EXPECT_EQ(small[0], 0x00);
    EXPECT_EQ(small[2], 0xF9);
    EXPECT_EQ(small[3], 0xAA);
}

// Writes a key table the way the library does: begin, records in slot order, end.
void writeKeyTable(DeviceChannel& channel, const std::vector<std::vector<std::uint8_t>>& records,
                   bool end = true) {
    ASSERT_TRUE(send(channel, command(0xF1)));
    for (const auto& record : records) {
        for (const auto& block : blocksOf(record)) {
            ASSERT_TRUE(send(channel, block));
        }
    }
    if (end) {
        Payload last;
        last.fill(0xF6);
        last[0] = 0x00;
        ASSERT_TRUE(send(channel, last));
    }
}

TEST_F(Protocol, KeyTableWrittenByOneInstanceReadsBackInTheNext) {
    const auto normal = normalRecord(1, 3, {0x04, 0x05});
    const auto macro = macroRecord(2, 1, 107);  // stream of 107 bytes: three blocks
    {
        auto channel = openConfig();
        writeKeyTable(*channel, {normal, macro});
    }
    VirtualKeyboard again(dir());
    auto channel = again.enumerator()->open(again.enumerator()->interfacePaths()[1]);
    ASSERT_TRUE(send(*channel, command(0xF2)));
    const auto replies = receiveAll(*channel);
    ASSERT_EQ(replies.size(), 137u + 3u + 1u);

    // Every slot is answered in slot order; unset ones as normal records without codes.
    EXPECT_EQ(replies[0], blocksOf(normalRecord(1, 1, {}))[0]);
    EXPECT_EQ(replies[2], blocksOf(normal)[0]);
    const auto macroBlocks = blocksOf(macro);
    for (std::size_t b = 0; b < 3; ++b) {
        EXPECT_EQ(replies[69 + b], macroBlocks[b]) << "block " << b;
    }
    EXPECT_EQ(replies[72], blocksOf(normalRecord(2, 2, {}))[0]);
    Payload end;
    end.fill(0xF6);
    EXPECT_EQ(replies.back(), end);
}

TEST_F(Protocol, KeyTableIsStoredOnlyOnTheEndReport) {
    keyboard().setKeyRecords({KeyRecord{1, 1, normalRecord(1, 1, {0x29})}});
    auto channel = openConfig();
    writeKeyTable(*channel, {normalRecord(1, 1, {0x04})}, /*end=*/false);
    EXPECT_EQ(keyboard().keyRecords(), (std::vector<KeyRecord>{KeyRecord{1, 1, normalRecord(1, 1, {0x29})}}));

    // A macro broken off before its last block is dropped; the rest is kept.
    const auto macro = macroRecord(1, 2, 60);
    ASSERT_TRUE(send(*channel, command(0xF1)));
    ASSERT_TRUE(send(*channel, blocksOf(normalRecord(1, 1, {0x07}))[0]));
    ASSERT_TRUE(send(*channel, blocksOf(macro)[0]));
    ASSERT_TRUE(send(*channel, blocksOf(normalRecord(1, 3, {0x08}))[0]));
    Payload end;
    end.fill(0xF6);
    end[0] = 0x00;
    ASSERT_TRUE(send(*channel, end));
    EXPECT_EQ(keyboard().keyRecords(), (std::vector<KeyRecord>{KeyRecord{1, 1, normalRecord(1, 1, {0x07})},
                                                               KeyRecord{1, 3, normalRecord(1, 3, {0x08})}}));
}

TEST_F(Protocol, KeyRecordsOutsideTheTableAreIgnored) {
    auto channel = openConfig();
    auto badLayer = normalRecord(3, 1, {0x04});
    auto badKey = normalRecord(1, 70, {0x04});
    auto badKind = normalRecord(1, 5, {0x04});
    badKind[4] = 0x05;
    writeKeyTable(*channel, {badLayer, badKey, badKind, normalRecord(2, 69, {0x09})});
    EXPECT_EQ(keyboard().keyRecords(),
              (std::vector<KeyRecord>{KeyRecord{2, 69, normalRecord(2, 69, {0x09})}}));
}

LightTable rampTable() {
    LightTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i + 7);
    }
    return table;
}

void writeLights(DeviceChannel& channel, const LightTable& table, bool end = true) {
    ASSERT_TRUE(send(channel, command(0xE1)));
    for (std::size_t offset = 0; offset < table.size(); offset += 61) {
        const std::size_t n = std::min<std::size_t>(61, table.size() - offset);
        Payload chunk = command(0xE0);
        chunk[2] = static_cast<std::uint8_t>(n);
        std::copy_n(table.begin() + offset, n, chunk.begin() + 3);
        ASSERT_TRUE(send(channel, chunk));
    }
    if (end) {
        Payload last;
        last.fill(0xE6);
        ASSERT_TRUE(send(channel, last));
    }
}

TEST_F(Protocol, LightTableReadsBackInChunksOfItsOwnSizes) {
    const LightTable table = rampTable();
    {
        auto channel = openConfig();
        writeLights(*channel, table);
    }
    auto channel = openConfig();
    ASSERT_TRUE(send(*channel, command(0xE2)));
    const auto replies = receiveAll(*channel);
    ASSERT_EQ(replies.size(), 6u);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        const std::size_t n = i < 4 ? 50 : 7;
        Payload expected = command(0xE0);
        expected[2] = static_cast<std::uint8_t>(n);
        std::copy_n(table.begin() + offset, n, expected.begin() + 3);
        EXPECT_EQ(replies[i], expected) << "chunk " << i;
        offset += n;
    }
    EXPECT_EQ(replies[5][1], 0xE6);
    EXPECT_EQ(keyboard().lightTable(), table);
}

TEST_F(Protocol, LightTableIsStoredOnlyOnTheEndReportAndNeverOverflows) {
    auto channel = openConfig();
    writeLights(*channel, rampTable(), /*end=*/false);
    EXPECT_EQ(keyboard().lightTable(), LightTable{});

    // Oversized chunks are clipped to 61 bytes and to the end of the table.
    ASSERT_TRUE(send(*channel, command(0xE1)));
    Payload chunk = command(0xE0);
    chunk[2] = 0xFF;
    std::fill(chunk.begin() + 3, chunk.end(), 0x11);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(send(*channel, chunk));
    }
    Payload last;
    last.fill(0xE6);
    ASSERT_TRUE(send(*channel, last));
    LightTable expected;
    expected.fill(0x11);
    EXPECT_EQ(keyboard().lightTable(), expected);
}

Payload firmwareReport(const std::string& line) {
    Payload payload = command(0x3A);
    const auto bytes = fromHex(line.substr(1));
    EXPECT_TRUE(bytes);
    std::copy(bytes->begin(), bytes->end(), payload.begin() + 2);
    return payload;
}

TEST_F(Protocol, KeepsACleanFirmwareImageAndSetsADamagedOneAside) {
    const std::string data = ":020000040800F2";
    const std::string eof = ":00000001FF";
    auto channel = openConfig();
    ASSERT_TRUE(send(*channel, firmwareReport(data)));
    ASSERT_TRUE(send(*channel, firmwareReport(eof)));
    EXPECT_EQ(keyboard().firmware(), data + "\r\n" + eof + "\r\n");
    EXPECT_TRUE(keyboard().reportLog().size() == 2) << "firmware lines get no answer";
    EXPECT_FALSE(receive(*channel));

    ASSERT_TRUE(send(*channel, firmwareReport(":020000040800F3")));  // wrong checksum
    ASSERT_TRUE(send(*channel, firmwareReport(eof)));
    EXPECT_EQ(keyboard().firmware(), data + "\r\n" + eof + "\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir() + "/firmware-rejected.hex"));
}

TEST_F(Protocol, MemoryFilesSurviveAndToleratePartialContent) {
    SimDirectory files(dir());
    files.writeText("lights", "# colours\n1 2 3\nnot a colour\n300 -5 9\n");
    const LightTable table = keyboard().lightTable();
    EXPECT_EQ((std::vector<int>(table.begin(), table.begin() + 9)),
              (std::vector<int>{1, 2, 3, 0, 0, 0, 255, 0, 9}));
    files.writeText("keys", "1 4 " + toHex(normalRecord(1, 4, {5}).data(), 64) + "\n1 5 00F0\n3 1 " +
                                toHex(normalRecord(1, 1, {}).data(), 64) + "\n");
    EXPECT_EQ(keyboard().keyRecords(), (std::vector<KeyRecord>{KeyRecord{1, 4, normalRecord(1, 4, {5})}}));
}

}  // namespace
}  // namespace talvane68::sim::test
