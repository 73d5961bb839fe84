#pragma once

// Window timers by the window's own ids (the skinned scroll bar's 100 and 200,
// for one): setting an id that runs restarts it with the new interval, and
// every expiry calls the handler with the id, on the UI thread.

#include <QObject>
#include <functional>
#include <map>

class QTimer;

namespace talvane68 {

class WindowTimers : public QObject {
public:
    using Handler = std::function<void(int id)>;

    explicit WindowTimers(Handler handler, QObject* parent = nullptr);

    void setTimer(int id, int intervalMs);
    // Stops the timer; false when the id was not running.
    bool killTimer(int id);
    bool isRunning(int id) const;

private:
    Handler m_handler;
    std::map<int, QTimer*> m_timers;
};

}  // namespace talvane68
