#include "hwi/HidapiEnumerator.h"

#include <hidapi/hidapi.h>

#include <cstdio>

#include "hwi/HidapiChannel.h"

namespace talvane68 {
namespace {

constexpr std::u16string_view kPrefix = u"\\\\?\\hid#";

}  // namespace

std::vector<std::u16string> HidapiEnumerator::interfacePaths() {
    std::vector<std::u16string> paths;
    if (hid_init() != 0) {
        return paths;
    }
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path != nullptr) {
            paths.push_back(interfacePath(d->vendor_id, d->product_id, d->interface_number, d->path));
        }
    }
    hid_free_enumeration(list);
    return paths;
}

std::unique_ptr<DeviceChannel> HidapiEnumerator::open(const std::u16string& path) {
    return std::make_unique<HidapiChannel>(hidapiPathOf(path));
}

std::u16string HidapiEnumerator::interfacePath(unsigned vendorId, unsigned productId, int interfaceNumber,
                                               const std::string& hidapiPath) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "vid_%04x&pid_%04x&mi_%02d#", vendorId & 0xFFFF,
                  productId & 0xFFFF, interfaceNumber);
    std::u16string path(kPrefix);
    for (const char* c = numbers; *c != '\0'; ++c) {
        path += static_cast<char16_t>(*c);
    }
    // hidraw paths are ASCII; other bytes are carried one unit each so the
    // path can be taken back unchanged.
    for (unsigned char c : hidapiPath) {
        path += static_cast<char16_t>(c);
    }
    return path;
}

std::string HidapiEnumerator::hidapiPathOf(const std::u16string& path) {
    if (path.compare(0, kPrefix.size(), kPrefix) != 0) {
        return {};
    }
    const std::size_t hash = path.find(u'#', kPrefix.size());
    if (hash == std::u16string::npos) {
        return {};
    }
    std::string result;
    for (std::size_t i = hash + 1; i < path.size(); ++i) {
        if (path[i] > 0xFF) {
            return {};
        }
        result += static_cast<char>(path[i]);
    }
    return result;
}

}  // namespace talvane68
