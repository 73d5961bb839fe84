#pragma once

// Runs one device operation (DeviceOperation: write or read keys or lights)
// on a thread of its own, so that the progress window stays responsive.
//
// When the transfer has ended the worker waits one second, then posts
// WM_DEVICE_DONE to the profile's progressWindow with wParam 0 when the
// transfer succeeded and 1 when it failed. The light operations post
// WM_DEVICE_PROGRESS with 150 first. Every post reads progressWindow afresh;
// posting to a window that has closed does nothing.
//
// At most one operation runs in the process at a time: a cancelled worker
// may still be finishing its last report when the user asks for the next
// operation, and both would drive the same device and the same profile.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "deviceops/DeviceOperation.h"

namespace talvane68 {

class KeyboardProfile;

class DeviceOperationWorker {
public:
    enum class StartResult { Started, Busy, UnknownOperation };

    DeviceOperationWorker() = default;
    ~DeviceOperationWorker();  // cancels a running operation and waits for it
    DeviceOperationWorker(const DeviceOperationWorker&) = delete;
    DeviceOperationWorker& operator=(const DeviceOperationWorker&) = delete;

    // The one worker every window shares.
    static DeviceOperationWorker& shared();

    // Starts the operation on the profile and its device, clearing the
    // device's cancel flag first. Busy while an earlier operation still runs;
    // UnknownOperation for a number that isDeviceOperation refuses. The profile
    // must outlive the operation.
    StartResult start(KeyboardProfile& profile, int operation);

    // Asks the running transfer to stop between two reports (the device's
    // cancel flag) and skips the final wait. Nothing when idle.
    void cancel();

    // True from a successful start until the transfer and its wait are over
    // (the worker then only posts WM_DEVICE_DONE and ends).
    bool isRunning() const;

    // Blocks until the running operation, if any, has ended.
    void wait();

    // How long the worker waits between the end of the transfer and
    // WM_DEVICE_DONE (1 s; tests shorten it).
    void setFinishDelay(std::chrono::milliseconds delay);

private:
    void run(KeyboardProfile* profile, int operation);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
    KeyboardProfile* m_profile = nullptr;
    bool m_running = false;
    bool m_cancelRequested = false;
    std::chrono::milliseconds m_finishDelay{1000};
};

}  // namespace talvane68
