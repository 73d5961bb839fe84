#include "hwi/DeviceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace talvane68 {

DeviceLock::DeviceLock(const std::string& devicePath, const std::string& directory) {
    std::string dir = directory;
    if (dir.empty()) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        dir = runtime != nullptr && *runtime != '\0' ? runtime : "/tmp";
    }
    m_lockFile = dir + "/" + lockFileName(devicePath);
    const int fd = ::open(m_lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

DeviceLock::~DeviceLock() {
    if (m_fd >= 0) {
        ::close(m_fd);  // closing the descriptor releases the flock
    }
}

std::string DeviceLock::lockFileName(const std::string& devicePath) {
    std::string name = "talvane68-";
    for (char c : devicePath) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '.' || c == '-' || c == '_';
        name += plain ? c : '_';
    }
    return name + ".lock";
}

}  // namespace talvane68
