#include "hwi/DeviceDiscovery.h"

#include "hwi/CVrelUtil.h"

namespace talvane68 {
namespace {

// The four characters after the first occurrence of token, or "" when the
// token is missing or too close to the end.
std::u16string_view fieldAfter(std::u16string_view path, std::u16string_view token) {
    const std::size_t at = path.find(token);
    if (at == std::u16string_view::npos || path.size() - at - token.size() < 4) {
        return {};
    }
    return path.substr(at + token.size(), 4);
}

bool isMatch(PathMatch m) {
    return m != PathMatch::None && m != PathMatch::OtherProduct;
}

}  // namespace

PathMatch matchPath(const std::u16string& path) {
    const std::size_t iface = path.find(u"mi_01");
    if (iface == std::u16string::npos || iface == 0 || fieldAfter(path, u"vid_") != u"0483") {
        return PathMatch::None;
    }
    const std::u16string_view product = fieldAfter(path, u"pid_");
    if (product == u"4025") {
        return PathMatch::Type1;
    }
    if (product == u"4026") {
        return PathMatch::Type2;
    }
    if (product == u"4027") {
        return PathMatch::Type3;
    }
    return PathMatch::OtherProduct;
}

bool DetectDevice(DeviceEnumerator& enumerator) {
    for (const std::u16string& path : enumerator.interfacePaths()) {
        if (isMatch(matchPath(path))) {
            return true;
        }
    }
    return false;
}

int DetectDeviceType(DeviceEnumerator& enumerator) {
    for (const std::u16string& path : enumerator.interfacePaths()) {
        switch (matchPath(path)) {
            case PathMatch::None:
                continue;
            case PathMatch::OtherProduct:
                return 0;
            case PathMatch::Type1:
                return 1;
            case PathMatch::Type2:
                return 2;
            case PathMatch::Type3:
                return 3;
        }
    }
    return 0;
}

std::unique_ptr<CVrelUtil> openKeyboard(DeviceEnumerator& enumerator) {
    for (const std::u16string& path : enumerator.interfacePaths()) {
        if (isMatch(matchPath(path))) {
            return std::make_unique<CVrelUtil>(enumerator.open(path));
        }
    }
    return nullptr;
}

}  // namespace talvane68
