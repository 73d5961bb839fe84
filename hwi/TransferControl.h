#pragma once

// What a running transfer consults between two reports: the caller's cancel
// flag and how long a read may wait.

#include <atomic>

namespace talvane68 {

struct TransferControl {
    const std::atomic<bool>* cancelled = nullptr;
    int readTimeoutMs = 100000;

    bool isCancelled() const { return cancelled != nullptr && cancelled->load(std::memory_order_relaxed); }
};

}  // namespace talvane68
