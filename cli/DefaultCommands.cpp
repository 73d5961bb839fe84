#include "cli/DefaultCommands.h"

#include <memory>

#include "cli/Context.h"
#include "cli/KeyboardTransfers.h"
#include "profile/KeyboardProfile.h"

namespace talvane68::cli {

namespace {

using Args = std::vector<std::string>;

// One line per key and layer: "layer 0 key  1: Single 1 ESC", or "NotSet".
int defaults(Context& context, const Args&) {
    const auto profile = defaultProfile();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int keyId = kFirstKeyId; keyId <= kLastKeyId; ++keyId) {
            context.out() << assignmentLine(*profile, layer, keyId) << "\n";
        }
    }
    return 0;
}

int writeDefaults(Context& context, const Args&) {
    const auto profile = defaultProfile();
    if (!context.openKeyboard()) {
        return 1;
    }
    return writeProfileKeys(context, *profile) ? 0 : 1;
}

}  // namespace

void addDefaultCommands(CommandTable& table) {
    table.add({"defaults", "", "print the default assignment of every key on both layers", 0, 0, defaults});
    table.add({"write-defaults", "", "write the default assignment of every key to the keyboard", 0, 0,
               writeDefaults});
}

}  // namespace talvane68::cli
