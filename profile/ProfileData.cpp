#include "profile/ProfileData.h"

#include <utility>

namespace talvane68 {

ProfileData ProfileData::from(const KeyboardProfile& profile) {
    ProfileData data;
    data.predefinedMacros = profile.predefinedMacros;
    data.predefinedCombos = profile.predefinedCombos;
    data.predefinedEmus = profile.predefinedEmus;
    data.keyColor = profile.keyColor;
    data.keyMode = profile.keyMode;
    data.keyCode = profile.keyCode;
    data.keyList = profile.keyList;
    return data;
}

void ProfileData::moveInto(KeyboardProfile& profile) {
    profile.predefinedMacros = std::move(predefinedMacros);
    profile.predefinedCombos = std::move(predefinedCombos);
    profile.predefinedEmus = std::move(predefinedEmus);
    profile.keyColor = keyColor;
    profile.keyMode = keyMode;
    profile.keyCode = keyCode;
    profile.keyList = std::move(keyList);
}

}  // namespace talvane68
