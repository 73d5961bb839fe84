#include "platform/ui/PostedMessageEvent.h"

namespace talvane68 {

QEvent::Type PostedMessageEvent::eventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace talvane68
