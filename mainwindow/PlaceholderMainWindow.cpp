#include "mainwindow/PlaceholderMainWindow.h"

#include "platform/ui/DialogResult.h"
#include "skin/tables/MainWindowItems.h"

namespace talvane68 {

PlaceholderMainWindow::PlaceholderMainWindow(const SkinResources& resources, KeyboardProfile& profile,
                                             QWidget* parent)
    : SkinnedDialog(resources, kMainWindowSpec, SkinRules::mainWindow(), profile.language, parent),
      m_profile(profile) {
    setWindowTitle(QStringLiteral("Talvane68"));
}

void PlaceholderMainWindow::initDialog() {
    SkinnedDialog::initDialog();
    // Without a keyboard to ask, every button is shown.
    items() = mainWindowItems(1);
    showLayer(0);
    m_profile.restoreDefaults();
}

void PlaceholderMainWindow::showLayer(int layer) {
    m_profile.currentLayer = layer;
    // The label of the layer shown is drawn plain; the other one is active.
    if (SkinItem* fn = findItem(kMainLabelFnLayer)) {
        fn->active = layer == 0;
    }
    if (SkinItem* first = findItem(kMainLabelFirstLayer)) {
        first->active = layer != 0;
    }
}

void PlaceholderMainWindow::prepareForPaint() {
    for (SkinItem& item : items()) {
        if (item.id >= kMainFirstKeyId && item.keyIndex >= kFirstKeyId && item.keyIndex <= kLastKeyId) {
            item.active = m_profile.keyMode[slot(item.keyIndex, m_profile.currentLayer)] > 0;
        }
    }
}

void PlaceholderMainWindow::onItemClicked(int id) {
    switch (id) {
        case 88:  // exit
            done(kDialogCancel);
            return;
        case 89:  // language
            m_profile.language = m_profile.language == "zh-CN" ? "en-US" : "zh-CN";
            update();
            return;
        case 95:  // layer
            showLayer(m_profile.currentLayer == 0 ? 1 : 0);
            update();
            return;
        default:
            return;
    }
}

}  // namespace talvane68
