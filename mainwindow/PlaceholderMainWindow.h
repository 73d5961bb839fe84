#pragma once

// The main window as far as the skin goes: background 101 with its 93 items,
// hover and active looks, captions in both languages, the language and layer
// switches and exit. Keys show their active look when they carry an
// assignment on the layer shown.

#include "profile/KeyboardProfile.h"
#include "skin/SkinnedDialog.h"

namespace talvane68 {

class PlaceholderMainWindow : public SkinnedDialog {
public:
    PlaceholderMainWindow(const SkinResources& resources, KeyboardProfile& profile,
                          QWidget* parent = nullptr);

protected:
    void initDialog() override;
    void prepareForPaint() override;
    void onItemClicked(int id) override;

private:
    void showLayer(int layer);

    KeyboardProfile& m_profile;
};

}  // namespace talvane68
