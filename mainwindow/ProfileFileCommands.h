#pragma once

// The main window's export and import commands: ask for a path with the
// standard file dialog, then save or load the profile there. A file that
// cannot be saved or loaded is reported to the user; a failed load leaves
// the profile as it was.

#include "platform/ui/DialogService.h"

class QWidget;

namespace talvane68 {

class KeyboardProfile;

enum class ProfileFileResult { Done, Cancelled, Failed };

// Default extension "prf", initial name "profile1.prf", the prf and all-files
// filter, and (for saving) a question before replacing a file.
FileDialogOptions profileFileDialogOptions();

ProfileFileResult saveProfileWithDialog(QWidget* parent, KeyboardProfile& profile);
ProfileFileResult loadProfileWithDialog(QWidget* parent, KeyboardProfile& profile);

}  // namespace talvane68
