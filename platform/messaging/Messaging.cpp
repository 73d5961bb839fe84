#include "platform/messaging/Messaging.h"

#include <mutex>
#include <unordered_map>

namespace talvane68 {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, MessageSink*> sinks;
    std::uintptr_t next = 1;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

}  // namespace

WindowHandle registerWindow(MessageSink* sink) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    // Handles are never reused, so a stale handle can never reach a new window.
    const std::uintptr_t id = r.next++;
    r.sinks.emplace(id, sink);
    return reinterpret_cast<WindowHandle>(id);
}

void unregisterWindow(WindowHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.sinks.erase(reinterpret_cast<std::uintptr_t>(handle));
}

bool isWindow(WindowHandle handle) {
    if (handle == nullptr) {
        return false;
    }
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.sinks.count(reinterpret_cast<std::uintptr_t>(handle)) != 0;
}

bool postMessage(WindowHandle handle, MessageId message, WParam wParam, LParam lParam) {
    if (handle == nullptr) {
        return false;
    }
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.sinks.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == r.sinks.end() || it->second == nullptr) {
        return false;
    }
    it->second->deliver(message, wParam, lParam);
    return true;
}

}  // namespace talvane68
