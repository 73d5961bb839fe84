#include "sim/SimEnumerator.h"

#include <cstdio>

#include "sim/SimChannel.h"
#include "sim/SimDevice.h"

namespace talvane68::sim {

namespace {

// Tells the folders of two virtual keyboards apart in their paths.
std::uint32_t folderHash(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

}  // namespace

SimEnumerator::SimEnumerator(SimDirectory dir) : m_dir(std::move(dir)) {
    m_dir.create();
}

std::u16string SimEnumerator::interfacePath(int interfaceNumber) const {
    char text[160];
    std::snprintf(
        text, sizeof text,
        "\\\\?\\hid#vid_0483&pid_%04x&mi_%02d#sim&%08x&0&%04d#{4d1e55b2-f16f-11cf-88cb-001111000030}",
        m_dir.productId(), interfaceNumber, folderHash(m_dir.path()), interfaceNumber);
    std::u16string path;
    for (const char* c = text; *c != '\0'; ++c) {
        path += static_cast<char16_t>(static_cast<unsigned char>(*c));
    }
    return path;
}

std::vector<std::u16string> SimEnumerator::interfacePaths() {
    // A folder that could not be made holds no keyboard.
    if (!m_dir.create() || m_dir.exists("unplugged")) {
        return {};
    }
    return {interfacePath(0), interfacePath(1)};
}

std::unique_ptr<DeviceChannel> SimEnumerator::open(const std::u16string& path) {
    const bool config = !m_dir.exists("unplugged") && path == interfacePath(1);
    return std::make_unique<SimChannel>(m_dir, config);
}

std::shared_ptr<DeviceEnumerator> makeEnumerator(const std::string& dir) {
    return std::make_shared<SimEnumerator>(SimDirectory(dir));
}

}  // namespace talvane68::sim
