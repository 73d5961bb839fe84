#include "hwi/CVrel.h"
#include "hwi/CVrelUtil.h"
#include "hwi/DeviceDiscovery.h"
#include "hwi/FirmwareDownload.h"
#include "hwi/KeyTableTransfer.h"
#include "hwi/LightTableTransfer.h"
#include "hwi/Talvane68HWI.h"
#include "hwi/TransferControl.h"

using namespace talvane68;

CVrelHWI::CVrelHWI() = default;

CVrelHWI::~CVrelHWI() {
    __closeDev();
}

TransferControl CVrelHWI::transferControl() const {
    return TransferControl{&m_cancelled, m_readTimeoutMs.load()};
}

bool CVrelHWI::__createDev() {
    if (m_transport) {
        return true;
    }
    std::shared_ptr<DeviceEnumerator> enumerator = deviceEnumerator();
    if (!enumerator) {
        return false;
    }
    std::unique_ptr<CVrelUtil> transport = openKeyboard(*enumerator);
    if (!transport) {
        return false;
    }
    transport->setReadTimeout(m_readTimeoutMs.load());
    m_model = std::make_unique<CVrel>(transport.get());
    m_transport = std::move(transport);
    return true;
}

bool CVrelHWI::__closeDev() {
    m_model.reset();
    m_transport.reset();
    return true;
}

bool CVrelHWI::DetectDevice() {
    std::shared_ptr<DeviceEnumerator> enumerator = deviceEnumerator();
    return enumerator && talvane68::DetectDevice(*enumerator);
}

int CVrelHWI::DetectDeviceType() {
    std::shared_ptr<DeviceEnumerator> enumerator = deviceEnumerator();
    return enumerator ? talvane68::DetectDeviceType(*enumerator) : 0;
}

bool CVrelHWI::ReadKeyboardVersion(char16_t* text) {
    if (!isOpen()) {
        return false;
    }
    m_transport->setReadTimeout(m_readTimeoutMs.load());
    return m_transport->ReadVersion(text);
}

const char16_t* CVrelHWI::getHardwareVersion() {
    if (!isOpen()) {
        return nullptr;
    }
    ReadKeyboardVersion(m_version);
    m_version[62] = 0;  // the reply may fill all 62 units
    return m_version;
}

bool CVrelHWI::prepare() {
    if (!isOpen()) {
        return false;
    }
    m_model->clear();
    return true;
}

bool CVrelHWI::setKeyConfiguration(int layer, int key, int* block, int /*length*/) {
    if (!isOpen()) {
        return false;
    }
    m_model->storeDefinition(layer, key, block);
    return true;
}

bool CVrelHWI::getKeyConfiguration(int layer, int key, int* block, int /*length*/) {
    if (!isOpen()) {
        return false;
    }
    m_model->fetchDefinition(layer, key, block);
    return true;
}

bool CVrelHWI::writeKeyConfigurationToDev(WindowHandle window) {
    if (!isOpen()) {
        return false;
    }
    return KeyTableTransfer(*m_model, transferControl()).write(window);
}

bool CVrelHWI::readKeyDefinationFromDev(WindowHandle window) {
    if (!isOpen()) {
        return false;
    }
    return KeyTableTransfer(*m_model, transferControl()).read(window);
}

bool CVrelHWI::setKeyboardLightArea(int* area) {
    if (!isOpen() || area == nullptr) {
        return false;
    }
    return LightTableTransfer(*m_model, transferControl()).write(area);
}

bool CVrelHWI::getKeyboardLightArea(int* area) {
    if (!isOpen() || area == nullptr) {
        return false;
    }
    const auto& table = m_model->lightTable();
    for (int i = 0; i < kLightTableSize; ++i) {
        area[i] = table[i];
    }
    return true;
}

bool CVrelHWI::readKeyLightFromDev() {
    if (!isOpen()) {
        return false;
    }
    return LightTableTransfer(*m_model, transferControl()).read();
}

bool CVrelHWI::WriteFirmwareToKeyboard(const char* text, int size, WindowHandle window) {
    if (!isOpen()) {
        return false;
    }
    return FirmwareDownload(m_transport.get(), transferControl()).run(text, size, window);
}

void CVrelHWI::setCancelled(bool cancelled) {
    m_cancelled.store(cancelled);
}

bool CVrelHWI::isCancelled() const {
    return m_cancelled.load();
}

void CVrelHWI::setReadTimeout(int milliseconds) {
    m_readTimeoutMs.store(milliseconds);
}
