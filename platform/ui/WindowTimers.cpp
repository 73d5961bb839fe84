#include "platform/ui/WindowTimers.h"

#include <QTimer>
#include <utility>

namespace talvane68 {

WindowTimers::WindowTimers(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {}

void WindowTimers::setTimer(int id, int intervalMs) {
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { m_handler(id); });
    }
    timer->start(intervalMs);
}

bool WindowTimers::killTimer(int id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end() || !it->second->isActive()) {
        return false;
    }
    it->second->stop();
    return true;
}

bool WindowTimers::isRunning(int id) const {
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

}  // namespace talvane68
