#include "deviceops/DeviceOperationWorker.h"

#include "deviceops/DeviceOperations.h"
#include "hwi/Talvane68HWI.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {

DeviceOperationWorker::~DeviceOperationWorker() {
    cancel();
    wait();
}

DeviceOperationWorker& DeviceOperationWorker::shared() {
    static DeviceOperationWorker worker;
    return worker;
}

DeviceOperationWorker::StartResult DeviceOperationWorker::start(KeyboardProfile& profile, int operation) {
    if (!isDeviceOperation(operation)) {
        return StartResult::UnknownOperation;
    }
    std::unique_lock lock(m_mutex);
    if (m_running) {
        return StartResult::Busy;
    }
    // A finished worker no longer needs the lock, so joining here is quick.
    if (m_thread.joinable()) {
        m_thread.join();
    }
    profile.device.setCancelled(false);
    m_profile = &profile;
    m_running = true;
    m_cancelRequested = false;
    m_thread = std::thread(&DeviceOperationWorker::run, this, &profile, operation);
    return StartResult::Started;
}

void DeviceOperationWorker::cancel() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_running) {
            return;
        }
        m_cancelRequested = true;
        m_profile->device.setCancelled(true);
    }
    m_wake.notify_all();
}

bool DeviceOperationWorker::isRunning() const {
    std::lock_guard lock(m_mutex);
    return m_running;
}

void DeviceOperationWorker::wait() {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_running; });
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void DeviceOperationWorker::setFinishDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(m_mutex);
    m_finishDelay = delay;
}

void DeviceOperationWorker::run(KeyboardProfile* profile, int operation) {
    const bool ok = performDeviceOperation(*profile, operation);
    {
        // The keyboard needs a moment to settle after a transfer; a cancelled
        // operation has nobody waiting for it.
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, m_finishDelay, [this] { return m_cancelRequested; });
    }
    // The worker counts as done before its last post, so that the window
    // receiving it can start the next operation at once; the next window's
    // handle is stored only after that, so this post cannot reach it.
    const WindowHandle window = profile->progressWindow;
    {
        std::lock_guard lock(m_mutex);
        m_running = false;
        m_profile = nullptr;
    }
    m_wake.notify_all();
    postMessage(window, WM_DEVICE_DONE, ok ? kDeviceDoneOk : kDeviceDoneFailed, 0);
}

}  // namespace talvane68
