#pragma once

// Lists the machine's HID interfaces through hidapi, each as a lower-case
// Windows-form path "\\?\hid#vid_0483&pid_4025&mi_01#/dev/hidraw3" built from
// its numbers and its hidapi path.

#include "hwi/DeviceChannel.h"

namespace talvane68 {

class HidapiEnumerator : public DeviceEnumerator {
public:
    std::vector<std::u16string> interfacePaths() override;
    // Opens the hidapi path after the last part of the prefix.
    std::unique_ptr<DeviceChannel> open(const std::u16string& path) override;

    // The Windows-form path of one interface.
    static std::u16string interfacePath(unsigned vendorId, unsigned productId, int interfaceNumber,
                                        const std::string& hidapiPath);
    // The hidapi path inside an interface path; "" when it has none.
    static std::string hidapiPathOf(const std::u16string& path);
};

}  // namespace talvane68
