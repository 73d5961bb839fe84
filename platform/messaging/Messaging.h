#pragma once

// GUI-free window messaging: the stand-in for window handles and PostMessage.
//
// A window registers a sink and receives an opaque handle for it. Anyone, on
// any thread, may post a message to a handle; the sink decides how it reaches
// its window (the Qt side queues it on the UI thread). Posting to a null
// handle, or to one that was unregistered, does nothing and returns false.
// The registry is process-wide and lives in libTalvane68HWI, so the device
// library and the program share it.

#include <cstdint>

#include "hwi/Export.h"

namespace talvane68 {

struct WindowHandleTag;
using WindowHandle = WindowHandleTag*;  // nullptr is the null handle

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Called on the posting thread while the registry holds its lock: it must
    // only hand the message on (queue it) and must not call the registry.
    virtual void deliver(MessageId message, WParam wParam, LParam lParam) = 0;
};

// Registers a sink; it must stay alive until unregisterWindow returns. Never
// returns nullptr.
TALVANE68HWI_EXPORT WindowHandle registerWindow(MessageSink* sink);

// Removes a handle. After it returns no call of the sink is in progress and
// none will follow. Unknown or null handles are ignored.
TALVANE68HWI_EXPORT void unregisterWindow(WindowHandle handle);

// True when the handle is registered.
TALVANE68HWI_EXPORT bool isWindow(WindowHandle handle);

// Hands the message to the handle's sink. False, and nothing happens, for a
// null or unregistered handle.
TALVANE68HWI_EXPORT bool postMessage(WindowHandle handle, MessageId message, WParam wParam, LParam lParam);

}  // namespace talvane68
