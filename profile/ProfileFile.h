#pragma once

// The .prf profile file: the three predefined lists, every key's colour and
// every key's assignment on both layers, as an XML document written and read
// through XmlDocument.

#include <cstdint>
#include <string>
#include <string_view>

#include "profile/KeyboardProfile.h"
#include "profile/ProfileData.h"

namespace talvane68 {

// Writes the profile to path, replacing any file there. The file is written
// beside the target under a temporary name and renamed over it, so the old
// file stays whole when anything fails. False on any failure; the profile is
// never changed.
bool saveProfile(const KeyboardProfile& profile, const std::string& path);
bool saveProfileData(const ProfileData& data, const std::string& path);

// Reads the file at path into the profile's predefined lists, colours and key
// assignments. False, with the profile untouched, when the file cannot be
// read or has no root element "Talvane68". Sections the file lacks, and keys
// or colours it does not list, keep their previous values; elements whose ids
// or values are out of range are skipped.
bool loadProfile(KeyboardProfile& profile, const std::string& path);
bool loadProfileData(ProfileData& data, const std::string& path);

// The leading, optionally signed decimal integer of a text (white space
// before it skipped, 0 without digits), clamped to 32 bits.
std::int32_t profileInteger(std::u16string_view text);

}  // namespace talvane68
