#include "cli/DefaultCommands.h"

#include <cstdio>
#include <memory>

#include "cli/Context.h"
#include "deviceops/DeviceOperations.h"
#include "profile/KeyboardProfile.h"

namespace talvane68::cli {

namespace {

using Args = std::vector<std::string>;

constexpr int kSlots = 138;

std::string utf8(const std::u16string& text) {
    return toUtf8(text.c_str(), text.size());
}

// The profile as the program has it after start-up: tables built, every key
// at its default. The profile is large and holds a device, so it lives on the heap.
std::unique_ptr<KeyboardProfile> defaultProfile() {
    auto profile = std::make_unique<KeyboardProfile>();
    profile->buildKeyTables();
    profile->language = "en-US";
    profile->restoreDefaults();
    return profile;
}

// One line per key and layer: "layer 0 key  1: Single 1 ESC", or "NotSet".
int defaults(Context& context, const Args&) {
    const auto profile = defaultProfile();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            const std::int32_t mode = profile->keyMode[slot(keyId, layer)];
            const std::int32_t code = profile->keyCode[slot(keyId, layer)];
            char head[32];
            std::snprintf(head, sizeof head, "layer %d key %2d: ", layer, keyId);
            context.out() << head << utf8(profile->modeCaption(mode));
            if (mode != toInt(KeyMode::NotSet)) {
                context.out() << " " << code << " " << utf8(profile->codeCaption(code));
            }
            context.out() << "\n";
        }
    }
    return 0;
}

int writeDefaults(Context& context, const Args&) {
    const auto profile = defaultProfile();
    if (!context.openKeyboard()) {
        return 1;
    }
    const bool ok =
        writeKeysToDevice(*profile, context.device(), context.progress("writing keys", kSlots, 1));
    context.endProgress();
    if (!ok) {
        return context.fail("writing the key table failed");
    }
    return 0;
}

}  // namespace

void addDefaultCommands(CommandTable& table) {
    table.add({"defaults", "", "print the default assignment of every key on both layers", 0, 0, defaults});
    table.add({"write-defaults", "", "write the default assignment of every key to the keyboard", 0, 0,
               writeDefaults});
}

}  // namespace talvane68::cli
