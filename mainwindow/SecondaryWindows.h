#pragma once

// The modal windows the main window opens, each from here and nowhere else,
// so that a window that is not built yet is replaced in one place.

class QWidget;

namespace talvane68 {

class KeyboardProfile;
class SkinResources;

// The progress window running operation 1, 3, 4 or 5; its result
// (kDialogOk, kProgressFailed or kDialogCancel).
int runProgressWindow(QWidget* parent, const SkinResources& resources, KeyboardProfile& profile,
                      int operation);

// The key assignment window for profile.editKeyId on profile.currentLayer.
void openKeyAssignmentWindow(QWidget* parent, const SkinResources& resources, KeyboardProfile& profile);

// The backlight window.
void openBacklightWindow(QWidget* parent, const SkinResources& resources, KeyboardProfile& profile);

// The firmware update window.
void openFirmwareUpdateWindow(QWidget* parent, const SkinResources& resources, KeyboardProfile& profile);

}  // namespace talvane68
