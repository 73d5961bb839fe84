#include "cli/KeyboardTransfers.h"

namespace talvane68::cli {

namespace {
constexpr int kSlots = 138;
}

bool readKeyTable(Context& context) {
    const bool ok = context.device().readKeyDefinationFromDev(context.progress("reading keys", kSlots, 1));
    context.endProgress();
    if (!ok) {
        context.fail("reading the key table failed (the keyboard stopped answering)");
    }
    return ok;
}

bool writeKeyTable(Context& context) {
    const bool ok = context.device().writeKeyConfigurationToDev(context.progress("writing keys", kSlots, 1));
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
