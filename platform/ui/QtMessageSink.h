#pragma once

// Gives a Qt object a window handle: messages posted to the handle, from any
// thread, arrive in the object's event() on its thread as PostedMessageEvent,
// in the order they were posted. The handle is released in the destructor;
// posting to it afterwards does nothing.

#include <QObject>

#include "platform/messaging/Messaging.h"

namespace talvane68 {

class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QObject* target);
    ~QtMessageSink() override;
    QtMessageSink(const QtMessageSink&) = delete;
    QtMessageSink& operator=(const QtMessageSink&) = delete;

    WindowHandle handle() const { return m_handle; }

    void deliver(MessageId message, WParam wParam, LParam lParam) override;

private:
    QObject* m_target;
    WindowHandle m_handle;
};

}  // namespace talvane68
