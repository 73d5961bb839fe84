#include "cli/KeyboardTransfers.h"

#include <cstdio>

#include "deviceops/DeviceOperations.h"
#include "profile/KeyMode.h"

namespace talvane68::cli {

bool readKeyTable(Context& context) {
    const bool ok =
        context.device().readKeyDefinationFromDev(context.progress("reading keys", kKeyTableSlots, 1));
    context.endProgress();
    if (!ok) {
        context.fail("reading the key table failed (the keyboard stopped answering)");
    }
    return ok;
}

bool writeKeyTable(Context& context) {
    const bool ok =
        context.device().writeKeyConfigurationToDev(context.progress("writing keys", kKeyTableSlots, 1));
    context.endProgress();
    if (!ok) {
        context.fail("writing the key table failed");
    }
    return ok;
}

std::unique_ptr<KeyboardProfile> defaultProfile() {
    auto profile = std::make_unique<KeyboardProfile>();
    profile->buildKeyTables();
    profile->language = "en-US";
    profile->restoreDefaults();
    return profile;
}

std::string assignmentLine(const KeyboardProfile& profile, int layer, int keyId) {
    const std::int32_t mode = profile.keyMode[slot(keyId, layer)];
    const std::int32_t code = profile.keyCode[slot(keyId, layer)];
    char head[32];
    std::snprintf(head, sizeof head, "layer %d key %2d: ", layer, keyId);
    std::string line = head + toUtf8(profile.modeCaption(mode));
    if (mode != toInt(KeyMode::NotSet) && !isListMode(mode)) {
        line += " " + std::to_string(code) + " " + toUtf8(profile.codeCaption(code));
    }
    return line;
}

bool writeProfileKeys(Context& context, KeyboardProfile& profile) {
    const bool ok =
        writeKeysToDevice(profile, context.device(), context.progress("writing keys", kKeyTableSlots, 1));
    context.endProgress();
    if (!ok) {
        context.fail("writing the key table failed");
    }
    return ok;
}

bool readLightTable(Context& context, LightValues& values) {
    if (!context.device().readKeyLightFromDev()) {
        context.fail("reading the light table failed (the keyboard stopped answering)");
        return false;
    }
    context.device().getKeyboardLightArea(values.data());
    return true;
}

bool writeLightTable(Context& context, const LightValues& values) {
    LightValues sent = values;
    if (!context.device().setKeyboardLightArea(sent.data())) {
        context.fail("writing the light table failed");
        return false;
    }
    return true;
}

}  // namespace talvane68::cli
