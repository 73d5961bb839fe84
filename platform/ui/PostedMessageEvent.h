#pragma once

// A posted window message travelling through the Qt event queue.

#include <QEvent>

#include "platform/messaging/Messaging.h"

namespace talvane68 {

class PostedMessageEvent : public QEvent {
public:
    PostedMessageEvent(MessageId message, WParam wParam, LParam lParam)
        : QEvent(eventType()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

    // The event type registered for posted messages (registered once).
    static QEvent::Type eventType();

    MessageId message() const { return m_message; }
    WParam wParam() const { return m_wParam; }
    LParam lParam() const { return m_lParam; }

private:
    MessageId m_message;
    WParam m_wParam;
    LParam m_lParam;
};

}  // namespace talvane68
