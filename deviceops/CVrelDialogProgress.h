#pragma once

// The progress window of a device operation: it starts the operation on the
// shared worker, redraws its bar on every WM_DEVICE_PROGRESS and closes on
// WM_DEVICE_DONE. It ends with kDialogOk when the transfer succeeded,
// kProgressFailed when it failed, and kDialogCancel when the user closed it
// first (the transfer is then stopped through the device's cancel flag) or
// when it could not start.

#include "skin/SkinnedDialog.h"

namespace talvane68 {

class KeyboardProfile;

// Result of a progress window whose transfer failed.
inline constexpr int kProgressFailed = 3;

class CVrelDialogProgress : public SkinnedDialog {
public:
    CVrelDialogProgress(const SkinResources& resources, KeyboardProfile& profile, QWidget* parent = nullptr);
    ~CVrelDialogProgress() override;

    // Which operation to run (1, 3, 4 or 5); set before the window opens.
    int operation = 0;

    // The last progress value; 1 when the window opens.
    int progress() const { return m_progress; }
    // How many times the bar was redrawn for a progress message.
    int progressUpdates() const { return m_progressUpdates; }
    // Width of the bar in pixels for the current progress.
    int barWidth() const;

    // What the Cancel button, the close button and Esc do.
    void cancelOperation();
    void reject() override { cancelOperation(); }

protected:
    void initDialog() override;
    void onItemClicked(int id) override;
    void onPostedMessage(MessageId message, WParam wParam, LParam lParam) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyboardProfile& m_profile;
    int m_progress = 1;
    int m_progressUpdates = 0;
    bool m_started = false;
};

}  // namespace talvane68
