#pragma once

// Lists the virtual keyboard as two HID interfaces, the way the system lists
// the real one: interface 0 (the typing interface, never opened for
// configuration) and interface 1 (the configuration channel).

#include "hwi/DeviceChannel.h"
#include "sim/SimDirectory.h"

namespace talvane68::sim {

class SimEnumerator : public DeviceEnumerator {
public:
    explicit SimEnumerator(SimDirectory dir);

    // Empty while the keyboard is unplugged or its folder cannot be made.
    std::vector<std::u16string> interfacePaths() override;
    // The configuration path gives a working channel; any other path one that
    // fails everything.
    std::unique_ptr<DeviceChannel> open(const std::u16string& path) override;

    // The path of interface 0 or 1 for the current product ID.
    std::u16string interfacePath(int interfaceNumber) const;

private:
    SimDirectory m_dir;
};

}  // namespace talvane68::sim
