// The progress window over the virtual keyboard: its bar, its results, and
// Cancel stopping the transfer.

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include "deviceops/CVrelDialogProgress.h"
#include "platform/ui/DialogResult.h"
#include "tests/mainwindow/WindowTestFixture.h"

namespace talvane68 {
namespace {

constexpr int op(DeviceOperation operation) {
    return static_cast<int>(operation);
}

class ProgressWindowTest : public WindowTestFixture {
protected:
    int run(CVrelDialogProgress& window, int operation) {
        window.operation = operation;
        return window.exec();
    }

    static void clickCancel(QWidget& window) {
        const QPoint point(317, 208);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), QPointF(window.mapToGlobal(point)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &release);
    }

    bool logHas(const std::string& prefix) const {
        for (const std::string& line : keyboard->reportLog()) {
            if (line.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    void SetUp() override {
        WindowTestFixture::SetUp();
        profile->restoreDefaults();
        ASSERT_TRUE(profile->device.__createDev());
    }
};

TEST_F(ProgressWindowTest, KeyTransfersAdvanceTheBarOnEverySlot) {
    for (int operation : {op(DeviceOperation::WriteKeys), op(DeviceOperation::ReadKeys)}) {
        SCOPED_TRACE(operation);
        CVrelDialogProgress window(resources, *profile);
        EXPECT_EQ(run(window, operation), kDialogOk);
        EXPECT_EQ(window.progressUpdates(), 138);
        EXPECT_EQ(window.progress(), 137);
        EXPECT_EQ(profile->progressWindow, window.messageHandle());
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ProgressWindowTest, LightTransfersEndWithTheFullBar) {
    for (int operation : {op(DeviceOperation::WriteLights), op(DeviceOperation::ReadLights)}) {
        SCOPED_TRACE(operation);
        CVrelDialogProgress window(resources, *profile);
        EXPECT_EQ(run(window, operation), kDialogOk);
        EXPECT_EQ(window.progress(), 150);
    }
}

TEST_F(ProgressWindowTest, BarIsCopiedFromTheActivePicture) {
    // An unknown operation ends the window at once, with its table filled.
    CVrelDialogProgress window(resources, *profile);
    EXPECT_EQ(run(window, 2), kDialogCancel);
    EXPECT_FALSE(DeviceOperationWorker::shared().isRunning());
    const struct {
        int progress;
        int width;
    } cases[] = {{1, 4}, {44, 200}, {70, 318}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.progress);
        postMessage(window.messageHandle(), WM_DEVICE_PROGRESS, c.progress, 0);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.progress(), c.progress);
        const QImage shown = window.grab().toImage();
        EXPECT_EQ(shown.pixelColor(30, 160), kActiveColour);
        EXPECT_EQ(shown.pixelColor(30 + c.width - 1, 172), kActiveColour);
        EXPECT_EQ(shown.pixelColor(30 + c.width, 160), kBackgroundColour);
        EXPECT_EQ(shown.pixelColor(30, 173), kBackgroundColour);
    }
    // Past 88 the bar runs to the window's edge.
    postMessage(window.messageHandle(), WM_DEVICE_PROGRESS, 137, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.grab().toImage().pixelColor(384, 160), kActiveColour);
}

TEST_F(ProgressWindowTest, FailedTransferEndsWithTheFailedResult) {
    keyboard->failWrite(3);
    CVrelDialogProgress window(resources, *profile);
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kProgressFailed);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ProgressWindowTest, CancelDuringAWriteStopsTheTransfer) {
    // The keyboard falls silent part-way, so the transfer is still running
    // when Cancel is pressed.
    keyboard->stopAnswering(20);
    profile->device.setReadTimeout(3000);
    CVrelDialogProgress window(resources, *profile);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.progressUpdates() > 0) {
            poll.stop();
            clickCancel(window);
        }
    });
    poll.start(5);
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kDialogCancel);
    EXPECT_EQ(window.progress(), 0);
    EXPECT_TRUE(profile->device.isCancelled());
    DeviceOperationWorker::shared().wait();
    keyboard->resumeAnswering();
    EXPECT_FALSE(logHas("> f6"));

    // The next operation starts afresh and completes.
    CVrelDialogProgress again(resources, *profile);
    EXPECT_EQ(run(again, op(DeviceOperation::WriteKeys)), kDialogOk);
    EXPECT_TRUE(logHas("> f6"));
}

TEST_F(ProgressWindowTest, NoSecondOperationWhileAWorkerRuns) {
    DeviceOperationWorker::shared().setFinishDelay(std::chrono::seconds(60));
    ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, op(DeviceOperation::ReadLights)),
              DeviceOperationWorker::StartResult::Started);
    CVrelDialogProgress window(resources, *profile);
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kDialogCancel);
    EXPECT_EQ(messages(), QStringList{"上一个操作尚未结束，请稍后再试!"});
    EXPECT_NE(profile->progressWindow, window.messageHandle());
}

TEST_F(ProgressWindowTest, EscCancelsAndEnterDoesNotPassForSuccess) {
    keyboard->stopAnswering(5);
    profile->device.setReadTimeout(3000);
    CVrelDialogProgress window(resources, *profile);
    QTimer::singleShot(50, [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_EQ(window.result(), 0);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &esc);
    });
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kDialogCancel);
}

}  // namespace
}  // namespace talvane68
