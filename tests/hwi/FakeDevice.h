#pragma once

// Test doubles for the device seam: a channel that records every report the
// library sends and answers reads from a script, an enumerator over a fixed
// list of interface paths, and a window that records posted messages.

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "hwi/DeviceChannel.h"
#include "platform/messaging/Messaging.h"

namespace talvane68::test {

using Payload = std::vector<std::uint8_t>;

// A 64-byte payload starting with the given bytes, zeros after.
inline Payload payload(std::initializer_list<std::uint8_t> head) {
    Payload p(head);
    p.resize(kPayloadSize, 0);
    return p;
}

// What one opened keyboard saw and will answer.
struct DeviceLog {
    std::vector<Payload> sent;      // payloads of written reports (report id checked)
    std::deque<Payload> replies;    // read in order; when empty a read times out
    int failWriteAt = -1;           // index of the write that fails (and all later ones)
    bool badReportId = false;       // a report arrived with a byte 0 other than 0
    std::vector<int> readTimeouts;  // the timeout of every read
    int writes = 0;
};

class RecordingChannel : public DeviceChannel {
public:
    explicit RecordingChannel(std::shared_ptr<DeviceLog> log) : m_log(std::move(log)) {}

    bool write(const std::uint8_t* report, std::size_t length) override {
        const int index = m_log->writes++;
        if (m_log->failWriteAt >= 0 && index >= m_log->failWriteAt) {
            return false;
        }
        if (length != kReportSize || report[0] != 0) {
            m_log->badReportId = true;
        }
        m_log->sent.emplace_back(report + 1, report + length);
        return true;
    }

    int read(std::uint8_t* buffer, std::size_t capacity, int timeoutMs) override {
        m_log->readTimeouts.push_back(timeoutMs);
        if (m_log->replies.empty()) {
            return 0;
        }
        Payload p = std::move(m_log->replies.front());
        m_log->replies.pop_front();
        std::size_t n = 0;
        buffer[n++] = 0;
        for (std::uint8_t b : p) {
            if (n == capacity) {
                break;
            }
            buffer[n++] = b;
        }
        return static_cast<int>(n);
    }

private:
    std::shared_ptr<DeviceLog> m_log;
};

// Lists fixed paths; each path opens onto its own DeviceLog.
class ScriptedEnumerator : public DeviceEnumerator {
public:
    explicit ScriptedEnumerator(std::vector<std::u16string> paths = {}) : m_paths(std::move(paths)) {}

    std::vector<std::u16string> interfacePaths() override { return m_paths; }
    std::unique_ptr<DeviceChannel> open(const std::u16string& path) override {
        opened.push_back(path);
        return std::make_unique<RecordingChannel>(log(path));
    }

    std::shared_ptr<DeviceLog> log(const std::u16string& path) {
        auto& entry = m_logs[path];
        if (!entry) {
            entry = std::make_shared<DeviceLog>();
        }
        return entry;
    }
    void setPaths(std::vector<std::u16string> paths) { m_paths = std::move(paths); }

    std::vector<std::u16string> opened;

private:
    std::vector<std::u16string> m_paths;
    std::map<std::u16string, std::shared_ptr<DeviceLog>> m_logs;
};

// A registered window that keeps what is posted to it.
class RecordingWindow : public MessageSink {
public:
    RecordingWindow() : m_handle(registerWindow(this)) {}
    ~RecordingWindow() override { unregisterWindow(m_handle); }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    void deliver(MessageId message, WParam wParam, LParam lParam) override {
        messages.emplace_back(message, wParam, lParam);
    }
    WindowHandle handle() const { return m_handle; }
    // The wParams of the messages with this id.
    std::vector<WParam> params(MessageId id) const {
        std::vector<WParam> out;
        for (const auto& [m, w, l] : messages) {
            if (m == id) {
                out.push_back(w);
            }
        }
        return out;
    }

    std::vector<std::tuple<MessageId, WParam, LParam>> messages;

private:
    WindowHandle m_handle;
};

inline const std::u16string kKeyboardPath = u"\\\\?\\hid#vid_0483&pid_4025&mi_01#/dev/hidraw7";

}  // namespace talvane68::test
