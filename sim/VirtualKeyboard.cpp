#include "sim/VirtualKeyboard.h"

#include <cstdio>
#include <sstream>

#include "sim/SimDevice.h"

namespace talvane68::sim {

VirtualKeyboard::VirtualKeyboard(std::string dir) : m_dir(std::move(dir)), m_memory(m_dir) {
    m_dir.create();
}

std::shared_ptr<DeviceEnumerator> VirtualKeyboard::enumerator() const {
    return makeEnumerator(m_dir.path());
}

void VirtualKeyboard::setProductId(std::uint16_t productId) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x\n", productId);
    m_dir.writeText("product-id", text);
}

void VirtualKeyboard::setVersionText(const std::string& text) {
    m_dir.writeText("version", text);
}

void VirtualKeyboard::unplug() {
    m_dir.writeText("unplugged", "");
}

void VirtualKeyboard::plugIn() {
    m_dir.remove("unplugged");
}

void VirtualKeyboard::failWrite(int n) {
    m_dir.writeText("fail-write", std::to_string(n) + "\n");
}

void VirtualKeyboard::stopAnswering(int replies) {
    m_dir.writeText("silent", std::to_string(replies) + "\n");
}

void VirtualKeyboard::resumeAnswering() {
    m_dir.remove("silent");
}

void VirtualKeyboard::unplugAfter(int n) {
    m_dir.writeText("unplug-after", std::to_string(n) + "\n");
}

void VirtualKeyboard::clearFaults() {
    m_dir.remove("fail-write");
    m_dir.remove("silent");
    m_dir.remove("unplug-after");
}

std::vector<std::string> VirtualKeyboard::reportLog() const {
    std::vector<std::string> lines;
    std::istringstream in(m_dir.readText("reports.log").value_or(""));
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

void VirtualKeyboard::reset() {
    clearFaults();
    plugIn();
    for (const char* name : {"keys", "lights", "firmware.hex", "firmware-incoming.hex",
                             "firmware-rejected.hex", "reports.log", "product-id", "version"}) {
        m_dir.remove(name);
    }
}

}  // namespace talvane68::sim
