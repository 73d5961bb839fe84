#include "platform/ui/QtMessageSink.h"

#include <QCoreApplication>

#include "platform/ui/PostedMessageEvent.h"

namespace talvane68 {

QtMessageSink::QtMessageSink(QObject* target) : m_target(target), m_handle(registerWindow(this)) {}

QtMessageSink::~QtMessageSink() {
    // After this returns no deliver() runs; events already queued die with the
    // target object, which Qt purges from the queue when it is destroyed.
    unregisterWindow(m_handle);
}

void QtMessageSink::deliver(MessageId message, WParam wParam, LParam lParam) {
    // postEvent is thread-safe and keeps posting order for one receiver.
    QCoreApplication::postEvent(m_target, new PostedMessageEvent(message, wParam, lParam));
}

}  // namespace talvane68
