#include "cli/DeviceCommands.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Context.h"
#include "cli/KeyText.h"
#include "cli/KeyboardTransfers.h"
#include "cli/LightFile.h"

namespace talvane68::cli {

namespace {

using Args = std::vector<std::string>;

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return !in.bad();
}

int detect(Context& context, const Args&) {
    CVrelHWI& device = context.device();
    if (!device.DetectDevice()) {
        return context.fail("no keyboard found");
    }
    static const char* const productIds[] = {"another product ID", "product ID 4025", "product ID 4026",
                                             "product ID 4027"};
    const int type = device.DetectDeviceType();
    context.out() << "type " << type << " (" << productIds[type >= 0 && type <= 3 ? type : 0] << ")\n";
    return 0;
}

int version(Context& context, const Args&) {
    if (!context.openKeyboard()) {
        return 1;
    }
    context.out() << context.versionText() << "\n";
    return 0;
}

int readLights(Context& context, const Args&) {
    LightValues values{};
    if (!context.openKeyboard() || !readLightTable(context, values)) {
        return 1;
    }
    context.out() << formatLightText(values);
    return 0;
}

int writeLights(Context& context, const Args& args) {
    std::string text;
    if (!readFile(args[0], text)) {
        return context.fail("cannot read " + args[0]);
    }
    std::string error;
    const auto values = parseLightText(text, error);
    if (!values) {
        return context.fail(args[0] + ": " + error + "; nothing was written");
    }
    if (!context.openKeyboard() || !writeLightTable(context, *values)) {
        return 1;
    }
    return 0;
}

int dumpKeys(Context& context, const Args&) {
    if (!context.openKeyboard() || !readKeyTable(context)) {
        return 1;
    }
    std::vector<int> block(kKeyBlockCapacity);
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= 69; ++key) {
            std::fill(block.begin(), block.end(), 0);
            context.device().getKeyConfiguration(layer, key, block.data(), static_cast<int>(block.size()));
            char head[32];
            std::snprintf(head, sizeof head, "layer %d key %2d: ", layer, key);
            context.out() << head << describeKeyBlock(block.data(), block.size()) << "\n";
        }
    }
    return 0;
}

int firmware(Context& context, const Args& args) {
    std::string text;
    if (!readFile(args[0], text)) {
        return context.fail("cannot read " + args[0]);
    }
    // The library checks every record before it sends the first one; this only spares opening the
    // keyboard for a file that is plainly something else.
    if (text.empty() || text[0] != ':') {
        return context.fail(args[0] + " is not an Intel HEX firmware file; nothing was sent");
    }
    if (!context.openKeyboard()) {
        return 1;
    }
    // The library reads up to a terminating zero byte, which std::string keeps after its text.
    const bool ok = context.device().WriteFirmwareToKeyboard(text.c_str(), static_cast<int>(text.size()),
                                                             context.progress("firmware", 150, 0));
    context.endProgress();
    if (!ok) {
        return context.fail("the firmware download failed");
    }
    return 0;
}

}  // namespace

void addDeviceCommands(CommandTable& table) {
    table.add({"detect", "", "tell whether a keyboard is present and its type (1, 2, 3)", 0, 0, detect});
    table.add({"version", "", "print the keyboard's firmware version", 0, 0, version});
    table.add({"read-lights", "", "print the keyboard's 69 key colours as lines \"r g b\", key 1 first", 0, 0,
               readLights});
    // A profile (.prf) is left to the profile commands' own write-lights entry.
    table.add({"write-lights", "FILE", "send 69 key colours (lines \"r g b\", key 1 first) to the keyboard",
               1, 1, writeLights, [](const Args& args) { return !hasExtension(args[0], ".prf"); }});
    table.add(
        {"dump-keys", "", "print the key table read from the keyboard, one key per line", 0, 0, dumpKeys});
    table.add({"firmware", "FILE", "download an Intel HEX firmware file to the keyboard", 1, 1, firmware});
}

}  // namespace talvane68::cli
