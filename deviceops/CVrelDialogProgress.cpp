#include "deviceops/CVrelDialogProgress.h"

#include <QKeyEvent>
#include <QPainter>

#include "deviceops/DeviceOperationWorker.h"
#include "platform/ui/DialogResult.h"
#include "platform/ui/DialogService.h"
#include "profile/KeyboardProfile.h"
#include "skin/tables/ProgressItems.h"

namespace talvane68 {
namespace {

constexpr int kCloseButton = 89;
constexpr int kCancelButton = 93;

// The bar reaches its full length of 400 pixels at progress 88.
constexpr int kBarFullLength = 400;
constexpr int kBarFullProgress = 88;

QString busyText(const std::string& language) {
    return language == "zh-CN"
               ? QStringLiteral("上一个操作尚未结束，请稍后再试!")
               : QStringLiteral("The previous operation has not ended yet, please try again!");
}

}  // namespace

CVrelDialogProgress::CVrelDialogProgress(const SkinResources& resources, KeyboardProfile& profile,
                                         QWidget* parent)
    : SkinnedDialog(resources, kProgressSpec, SkinRules::progressWindow(), profile.language, parent),
      m_profile(profile) {}

CVrelDialogProgress::~CVrelDialogProgress() {
    // A window destroyed while its transfer runs must not leave it running
    // unattended; the worker itself keeps going until the transfer stops.
    if (m_started && result() != kDialogOk && result() != kProgressFailed) {
        DeviceOperationWorker::shared().cancel();
    }
}

int CVrelDialogProgress::barWidth() const {
    return m_progress * kBarFullLength / kBarFullProgress;
}

void CVrelDialogProgress::initDialog() {
    SkinnedDialog::initDialog();
    if (parentWidget() != nullptr) {
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    items() = progressItems();
    m_progress = 1;

    auto& worker = DeviceOperationWorker::shared();
    if (!isDeviceOperation(operation)) {
        done(kDialogCancel);
        return;
    }
    // An earlier, cancelled transfer may still be stopping; its last message
    // must not reach this window, so the handle is handed over only when the
    // worker is free.
    if (worker.isRunning()) {
        dialogService().messageBox(parentWidget(), busyText(m_profile.language), QStringLiteral("Talvane68"));
        done(kDialogCancel);
        return;
    }
    m_profile.progressWindow = messageHandle();
    if (worker.start(m_profile, operation) != DeviceOperationWorker::StartResult::Started) {
        dialogService().messageBox(parentWidget(), busyText(m_profile.language), QStringLiteral("Talvane68"));
        done(kDialogCancel);
        return;
    }
    m_started = true;
}

void CVrelDialogProgress::cancelOperation() {
    m_progress = 0;
    if (m_started) {
        DeviceOperationWorker::shared().cancel();
    }
    done(kDialogCancel);
}

void CVrelDialogProgress::onItemClicked(int id) {
    if (id == kCloseButton || id == kCancelButton) {
        cancelOperation();
    }
}

void CVrelDialogProgress::onPostedMessage(MessageId message, WParam wParam, LParam) {
    if (message == WM_DEVICE_PROGRESS) {
        m_progress = static_cast<int>(wParam);
        ++m_progressUpdates;
        update();
    } else if (message == WM_DEVICE_DONE) {
        done(wParam == kDeviceDoneOk ? kDialogOk : kProgressFailed);
    }
}

void CVrelDialogProgress::paintEvent(QPaintEvent* event) {
    SkinnedDialog::paintEvent(event);
    const int width = barWidth();
    if (width <= 0) {
        return;
    }
    QPainter painter(this);
    const QRect bar(kProgressBarArea.left, kProgressBarArea.top, width, kProgressBarArea.height());
    painter.drawImage(bar.topLeft(), resources().bitmap(kProgressSpec.active), bar);
}

void CVrelDialogProgress::keyPressEvent(QKeyEvent* event) {
    // Esc cancels like the Cancel button; Enter must not pass for success
    // while the transfer is still running.
    switch (event->key()) {
        case Qt::Key_Escape:
            cancelOperation();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return;
        default:
            SkinnedDialog::keyPressEvent(event);
    }
}

}  // namespace talvane68
