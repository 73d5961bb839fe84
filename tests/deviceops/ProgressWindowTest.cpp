// The progress window over the virtual keyboard: its bar, its results, and
// Cancel stopping the transfer.

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include "deviceops/CVrelDialogProgress.h"
#include "platform/ui/DialogResult.h"
#include "tests/mainwindow/GatedKeyboard.h"
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
    // The transfer is held at its 20th report while Cancel is pressed.
    GatedKeyboard gated(20, *profile, dir.string());
    Gate& gate = gated.gate;
    ASSERT_TRUE(profile->device.__createDev());
    CVrelDialogProgress window(resources, *profile);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (gate.isHolding()) {
            poll.stop();
            clickCancel(window);
        }
    });
    poll.start(5);
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kDialogCancel);
    EXPECT_EQ(window.progress(), 0);
    EXPECT_TRUE(DeviceOperationWorker::shared().isRunning());
    gate.open();
    DeviceOperationWorker::shared().wait();
    // The held report went out; nothing after it did.
    EXPECT_EQ(gate.writes(), 20);
    EXPECT_FALSE(logHas("> 00F6"));

    // The next operation starts afresh and completes.
    CVrelDialogProgress again(resources, *profile);
    EXPECT_EQ(run(again, op(DeviceOperation::WriteKeys)), kDialogOk);
    EXPECT_TRUE(logHas("> 00F6"));
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
    GatedKeyboard gated(5, *profile, dir.string());
    Gate& gate = gated.gate;
    ASSERT_TRUE(profile->device.__createDev());
    CVrelDialogProgress window(resources, *profile);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!gate.isHolding()) {
            return;
        }
        poll.stop();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_EQ(window.result(), 0);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &esc);
    });
    poll.start(5);
    EXPECT_EQ(run(window, op(DeviceOperation::WriteKeys)), kDialogCancel);
    gate.open();
    DeviceOperationWorker::shared().wait();
    EXPECT_EQ(gate.writes(), 5);
}

}  // namespace
}  // namespace talvane68
