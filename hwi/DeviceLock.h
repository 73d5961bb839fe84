#pragma once

// The one-writer rule of an opened keyboard: a non-blocking advisory lock
// (flock) on a lock file named after the device path. Whoever holds it may
// write; a second opener, in this or another process, does not get it.

#include <string>

namespace talvane68 {

class DeviceLock {
public:
    // Tries the lock for devicePath in directory (empty: $XDG_RUNTIME_DIR,
    // else /tmp). Never blocks.
    explicit DeviceLock(const std::string& devicePath, const std::string& directory = {});
    ~DeviceLock();  // releases the lock
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    bool held() const { return m_fd >= 0; }
    const std::string& lockFile() const { return m_lockFile; }

    // The lock file's name for a device path: every character outside
    // [A-Za-z0-9._-] becomes '_'.
    static std::string lockFileName(const std::string& devicePath);

private:
    std::string m_lockFile;
    int m_fd = -1;
};

}  // namespace talvane68
