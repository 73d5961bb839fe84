#include "cli/ProfileCommands.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/Context.h"
#include "cli/KeyboardTransfers.h"
#include "deviceops/DeviceOperations.h"
#include "deviceops/KeyConfigConversion.h"
#include "profile/KeyboardProfile.h"
#include "profile/ProfileFile.h"

namespace talvane68::cli {

namespace {

using Args = std::vector<std::string>;

// The defaults overlaid with the file; nullptr (after a message) when the file
// cannot be read as a profile.
std::unique_ptr<KeyboardProfile> loadedProfile(Context& context, const std::string& path) {
    auto profile = defaultProfile();
    if (!loadProfile(*profile, path)) {
        context.fail(path + " cannot be read as a profile (no readable file with a \"Talvane68\" element); " +
                     "the keyboard was not touched");
        return nullptr;
    }
    return profile;
}

int readKeys(Context& context, const Args& args) {
    auto profile = defaultProfile();
    if (!context.openKeyboard() || !readKeyTable(context)) {
        return 1;
    }
    std::vector<int> block(kKeyBlockCapacity);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            std::fill(block.begin(), block.end(), 0);
            context.device().getKeyConfiguration(layer, keyId, block.data(), static_cast<int>(block.size()));
            applyKeyConfigBlock(*profile, layer, keyId, block);
        }
    }
    LightValues lights{};
    if (!readLightTable(context, lights)) {
        return 1;
    }
    LightArea area{};
    std::copy(lights.begin(), lights.end(), area.begin());
    applyLightArea(*profile, area);
    if (!saveProfile(*profile, args[0])) {
        return context.fail("cannot write " + args[0] + " (any file there is unchanged)");
    }
    return 0;
}

int writeKeys(Context& context, const Args& args) {
    const auto profile = loadedProfile(context, args[0]);
    if (!profile || !context.openKeyboard()) {
        return 1;
    }
    return writeProfileKeys(context, *profile) ? 0 : 1;
}

int writeLights(Context& context, const Args& args) {
    const auto profile = loadedProfile(context, args[0]);
    if (!profile || !context.openKeyboard()) {
        return 1;
    }
    const LightArea area = lightAreaOf(*profile);
    LightValues values{};
    std::copy(area.begin(), area.end(), values.begin());
    return writeLightTable(context, values) ? 0 : 1;
}

void showList(Context& context, const std::string& indent, const ScrollList& list, int depth) {
    for (size_t i = 0; i < list.items().size(); ++i) {
        context.out() << indent << toUtf8(list.items()[i]) << "\n";
        if (depth < 1) {
            showList(context, indent + "  ", list.children()[i], depth + 1);
        }
    }
}

// Every key and layer as the defaults command prints them (lists follow,
// indented), then the colours and the predefined libraries.
int show(Context& context, const Args& args) {
    const auto profile = loadedProfile(context, args[0]);
    if (!profile) {
        return 1;
    }
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            context.out() << assignmentLine(*profile, layer, keyId) << "\n";
            if (isListMode(profile->keyMode[slot(keyId, layer)])) {
                showList(context, "    ", profile->keyList[slot(keyId, layer)], 1);
            }
        }
    }
    for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
        const auto& c = profile->keyColor[keyId];
        char line[48];
        std::snprintf(line, sizeof line, "colour key %2d: %d %d %d\n", keyId, c[0], c[1], c[2]);
        context.out() << line;
    }
    const std::pair<const char*, const ScrollList*> libraries[] = {
        {"predefined combinations", &profile->predefinedCombos},
        {"predefined macros", &profile->predefinedMacros},
        {"predefined emulations", &profile->predefinedEmus}};
    for (const auto& [name, list] : libraries) {
        context.out() << name << ": " << list->count() << "\n";
        showList(context, "  ", *list, 0);
    }
    return 0;
}

bool isProfile(const Args& args) {
    return hasExtension(args[0], ".prf");
}

}  // namespace

void addProfileCommands(CommandTable& table) {
    table.add({"read-keys", "FILE.prf",
               "read the keyboard's keys and lights into the default profile and save it as FILE.prf", 1, 1,
               readKeys});
    table.add({"write-keys", "FILE.prf", "write the key assignments of a profile to the keyboard", 1, 1,
               writeKeys});
    table.add({"write-lights", "FILE.prf", "write the key colours of a profile to the keyboard", 1, 1,
               writeLights, isProfile});
    table.add(
        {"show", "FILE.prf", "print the key assignments, colours and libraries of a profile", 1, 1, show});
}

}  // namespace talvane68::cli
