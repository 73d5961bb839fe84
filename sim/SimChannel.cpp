#include "sim/SimChannel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace talvane68::sim {

namespace {

constexpr std::uint8_t kVersion = 0xF9;
constexpr std::uint8_t kKeyBegin = 0xF1;
constexpr std::uint8_t kKeyRecord = 0xF0;
constexpr std::uint8_t kKeyEnd = 0xF6;
constexpr std::uint8_t kKeyRequest = 0xF2;
constexpr std::uint8_t kLightBegin = 0xE1;
constexpr std::uint8_t kLightChunk = 0xE0;
constexpr std::uint8_t kLightEnd = 0xE6;
constexpr std::uint8_t kLightRequest = 0xE2;
constexpr std::uint8_t kFirmwareLine = 0x3A;

constexpr std::size_t kMacroStreamPerBlock = 53;
constexpr std::size_t kMaxLightChunk = 61;
// The keyboard answers a light request in chunks of its own sizes.
constexpr std::size_t kLightReplyChunks[] = {50, 50, 50, 50, 7};
// A negative timeout would wait for a reply that nobody else can produce.
constexpr int kLongestWaitMs = 100000;
constexpr auto kPollStep = std::chrono::milliseconds(10);

}  // namespace

SimChannel::SimChannel(SimDirectory dir, bool configInterface) : m_dir(dir), m_memory(std::move(dir)) {
    if (!configInterface) {
        m_dead = true;
        return;
    }
    m_dir.create();
    const int fd = ::open(m_dir.file("lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_lockFd = fd;
    } else {
        ::close(fd);
    }
}

SimChannel::~SimChannel() {
    releaseLock();
}

void SimChannel::releaseLock() {
    if (m_lockFd >= 0) {
        ::flock(m_lockFd, LOCK_UN);
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

bool SimChannel::gone() {
    if (!m_dead && m_dir.exists("unplugged")) {
        // A handle to a removed device stays dead even if it comes back, and
        // no longer stands in the way of a new opener.
        m_dead = true;
        m_replies.clear();
        releaseLock();
    }
    return m_dead;
}

bool SimChannel::write(const std::uint8_t* report, std::size_t length) {
    if (report == nullptr || length != kReportSize || report[0] != 0x00) {
        return false;
    }
    if (gone() || m_lockFd < 0) {
        return false;
    }
    if (const auto countdown = m_dir.readNumber("fail-write", 1)) {
        if (*countdown <= 1) {
            m_dir.remove("fail-write");
            return false;
        }
        m_dir.writeText("fail-write", std::to_string(*countdown - 1) + "\n");
    }
    Payload payload;
    std::copy(report + 1, report + kReportSize, payload.begin());
    m_dir.logReport('>', payload.data());
    handle(payload);
    countReport();
    return true;
}

int SimChannel::read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) {
    if (buffer == nullptr || capacity == 0 || gone()) {
        return -1;
    }
    if (m_replies.empty()) {
        // Nothing will arrive: the keyboard only answers requests. Wait the
        // timeout out all the same, as a silent device would make us.
        const auto wait = std::chrono::milliseconds(timeoutMs < 0 ? kLongestWaitMs : timeoutMs);
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                kPollStep, deadline - std::chrono::steady_clock::now()));
            if (gone()) {
                return -1;
            }
        }
        return 0;
    }
    const Payload payload = m_replies.front();
    m_replies.pop_front();
    m_dir.logReport('<', payload.data());
    countReport();
    buffer[0] = 0x00;
    const std::size_t stored = std::min(capacity, kReportSize);
    std::copy(payload.begin(), payload.begin() + (stored - 1), buffer + 1);
    return static_cast<int>(stored);
}

void SimChannel::countReport() {
    if (const auto countdown = m_dir.readNumber("unplug-after", 1)) {
        if (*countdown <= 1) {
            m_dir.remove("unplug-after");
            m_dir.writeText("unplugged", "");
        } else {
            m_dir.writeText("unplug-after", std::to_string(*countdown - 1) + "\n");
        }
    }
}

void SimChannel::reply(const Payload& payload) {
    if (const auto allowed = m_dir.readNumber("silent", 0)) {
        if (*allowed <= 0) {
            return;
        }
        m_dir.writeText("silent", std::to_string(*allowed - 1) + "\n");
    }
    m_replies.push_back(payload);
}

void SimChannel::handle(const Payload& payload) {
    if (m_macroBlocksLeft > 0) {
        // The further blocks of a long macro repeat its header.
        if (payload[1] == kKeyRecord && payload[2] == m_macro.layer && payload[3] == m_macro.key) {
            m_macro.blocks.insert(m_macro.blocks.end(), payload.begin(), payload.end());
            if (--m_macroBlocksLeft == 0) {
                m_pendingKeys.push_back(std::move(m_macro));
            }
            return;
        }
        m_macroBlocksLeft = 0;  // broken off: the partial macro is dropped
    }
    switch (payload[1]) {
        case kVersion:
            answerVersion();
            break;
        case kKeyBegin:
            m_keyWriteOpen = true;
            m_pendingKeys.clear();
            break;
        case kKeyRecord:
            keyRecord(payload);
            break;
        case kKeyEnd:
            keyTableEnd();
            break;
        case kKeyRequest:
            sendKeyTable();
            break;
        case kLightBegin:
            m_lightWriteOpen = true;
            m_pendingLights = m_memory.lights();
            m_lightFill = 0;
            break;
        case kLightChunk:
            lightChunk(payload);
            break;
        case kLightEnd:
            if (m_lightWriteOpen) {
                m_memory.storeLights(m_pendingLights);
                m_lightWriteOpen = false;
            }
            break;
        case kLightRequest:
            sendLightTable();
            break;
        case kFirmwareLine:
            firmwareLine(payload);
            break;
        default:
            break;  // unknown commands are ignored, as the keyboard does
    }
}

void SimChannel::answerVersion() {
    Payload answer{};
    answer[1] = kVersion;
    const std::string text = m_dir.versionText();
    const std::size_t length = std::min<std::size_t>(text.size(), kBlockSize - 2);
    std::copy(text.begin(), text.begin() + length, answer.begin() + 2);
    reply(answer);
}

void SimChannel::keyRecord(const Payload& payload) {
    if (!m_keyWriteOpen) {
        return;
    }
    const int layer = payload[2];
    const int key = payload[3];
    const int kind = payload[4];
    if (layer < 1 || layer > kLayerCount || key < 1 || key > kKeyCount || kind > 4) {
        return;
    }
    KeyRecord record{layer, key, std::vector<std::uint8_t>(payload.begin(), payload.end())};
    if (kind >= 2) {
        const std::size_t streamLength = payload[9] << 8 | payload[10];
        const std::size_t blocks = (streamLength + kMacroStreamPerBlock - 1) / kMacroStreamPerBlock;
        if (blocks > 1) {
            m_macro = std::move(record);
            m_macroBlocksLeft = blocks - 1;
            return;
        }
    }
    m_pendingKeys.push_back(std::move(record));
}

void SimChannel::keyTableEnd() {
    if (!m_keyWriteOpen) {
        return;
    }
    m_memory.storeKeys(m_pendingKeys);
    m_pendingKeys.clear();
    m_keyWriteOpen = false;
}

void SimChannel::sendKeyTable() {
    std::map<int, KeyRecord> bySlot;
    for (auto& record : m_memory.keys()) {
        bySlot[record.slot()] = std::move(record);
    }
    // Every slot is answered, unset ones as normal records without codes.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto found = bySlot.find(slot);
        const KeyRecord record = found != bySlot.end()
                                     ? found->second
                                     : emptyKeyRecord(slot / kKeyCount + 1, slot % kKeyCount + 1);
        for (std::size_t offset = 0; offset < record.blocks.size(); offset += kBlockSize) {
            Payload block;
            std::copy_n(record.blocks.begin() + offset, kBlockSize, block.begin());
            block[0] = 0x00;
            reply(block);
        }
    }
    Payload end;
    end.fill(kKeyEnd);
    reply(end);
}

void SimChannel::lightChunk(const Payload& payload) {
    if (!m_lightWriteOpen) {
        return;
    }
    // Clipped to the chunk's own room and to the table: nothing lands beyond.
    std::size_t count = std::min<std::size_t>(payload[2], kMaxLightChunk);
    count = std::min(count, m_pendingLights.size() - m_lightFill);
    std::copy_n(payload.begin() + 3, count, m_pendingLights.begin() + m_lightFill);
    m_lightFill += count;
}

void SimChannel::sendLightTable() {
    const LightTable table = m_memory.lights();
    std::size_t offset = 0;
    for (const std::size_t size : kLightReplyChunks) {
        Payload chunk{};
        chunk[1] = kLightChunk;
        chunk[2] = static_cast<std::uint8_t>(size);
        std::copy_n(table.begin() + offset, size, chunk.begin() + 3);
        offset += size;
        reply(chunk);
    }
    Payload end;
    end.fill(kLightEnd);
    reply(end);
}

void SimChannel::firmwareLine(const Payload& payload) {
    // Payload bytes 2.. hold one record: count, address (2), type, data, checksum.
    constexpr std::size_t kRoom = kBlockSize - 2;
    const std::size_t wanted = 5 + std::size_t{payload[2]};
    const std::size_t length = std::min(wanted, kRoom);
    unsigned sum = 0;
    for (std::size_t i = 0; i < length; ++i) {
        sum += payload[2 + i];
    }
    if (!m_firmwareOpen) {
        m_dir.writeText("firmware-incoming.hex", "");
        m_firmwareOpen = true;
        m_firmwareValid = true;
    }
    if (wanted > kRoom || (sum & 0xFF) != 0) {
        m_firmwareValid = false;
    }
    m_dir.appendText("firmware-incoming.hex", ":" + toHex(payload.data() + 2, length) + "\r\n");
    if (payload[5] == 0x01) {
        // End-of-file record: a clean image becomes the firmware, a damaged one is set aside.
        m_dir.rename("firmware-incoming.hex", m_firmwareValid ? "firmware.hex" : "firmware-rejected.hex");
        m_firmwareOpen = false;
    }
}

}  // namespace talvane68::sim
