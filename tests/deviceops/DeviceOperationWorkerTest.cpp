// The device operation worker over the virtual keyboard: the messages it
// posts, failed transfers, cancelling, and one operation at a time.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

#include "deviceops/DeviceOperationWorker.h"
#include "hwi/Talvane68HWI.h"
#include "profile/KeyboardProfile.h"

namespace talvane68 {
namespace {

using namespace std::chrono_literals;

constexpr int op(DeviceOperation operation) {
    return static_cast<int>(operation);
}

// Records what reaches a window; can cancel the worker after some progress.
class RecordingSink : public MessageSink {
public:
    void deliver(MessageId message, WParam wParam, LParam) override {
        std::lock_guard lock(mutex);
        if (message == WM_DEVICE_PROGRESS) {
            progress.push_back(static_cast<int>(wParam));
            if (cancelAfter > 0 && static_cast<int>(progress.size()) == cancelAfter) {
                DeviceOperationWorker::shared().cancel();
            }
        } else if (message == WM_DEVICE_DONE) {
            done.push_back(static_cast<int>(wParam));
        }
        changed.notify_all();
    }

    bool waitForDone(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, timeout, [this] { return !done.empty(); });
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> progress;
    std::vector<int> done;
    int cancelAfter = 0;
};

class DeviceOperationWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("talvane68-worker-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        ::setenv("TALVANE68_DEVICE", ("sim:" + m_dir.string()).c_str(), 1);
        profile = std::make_unique<KeyboardProfile>();
        profile->buildKeyTables();
        profile->restoreDefaults();
        ASSERT_TRUE(profile->device.__createDev());
        handle = registerWindow(&sink);
        profile->progressWindow = handle;
        DeviceOperationWorker::shared().setFinishDelay(10ms);
    }

    void TearDown() override {
        DeviceOperationWorker::shared().wait();
        DeviceOperationWorker::shared().setFinishDelay(1000ms);
        unregisterWindow(handle);
        profile.reset();
        std::filesystem::remove_all(m_dir);
    }

    std::filesystem::path m_dir;
    std::unique_ptr<KeyboardProfile> profile;
    RecordingSink sink;
    WindowHandle handle = nullptr;
};

TEST_F(DeviceOperationWorkerTest, KeyTransfersReportEverySlotThenSuccess) {
    for (int operation : {op(DeviceOperation::WriteKeys), op(DeviceOperation::ReadKeys)}) {
        SCOPED_TRACE(operation);
        sink.progress.clear();
        sink.done.clear();
        ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, operation),
                  DeviceOperationWorker::StartResult::Started);
        ASSERT_TRUE(sink.waitForDone(20s));
        DeviceOperationWorker::shared().wait();
        EXPECT_EQ(sink.progress.size(), 138u);
        EXPECT_EQ(sink.done, std::vector<int>{0});
    }
}

TEST_F(DeviceOperationWorkerTest, LightTransfersReport150ThenSuccess) {
    for (int operation : {op(DeviceOperation::WriteLights), op(DeviceOperation::ReadLights)}) {
        SCOPED_TRACE(operation);
        sink.progress.clear();
        sink.done.clear();
        ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, operation),
                  DeviceOperationWorker::StartResult::Started);
        ASSERT_TRUE(sink.waitForDone(20s));
        DeviceOperationWorker::shared().wait();
        EXPECT_EQ(sink.progress, std::vector<int>{150});
        EXPECT_EQ(sink.done, std::vector<int>{0});
    }
}

TEST_F(DeviceOperationWorkerTest, TransferToAHeldKeyboardReportsFailure) {
    // The first instance holds the keyboard; every write of the second fails.
    profile->device.__closeDev();
    KeyboardProfile other;
    ASSERT_TRUE(other.device.__createDev());
    ASSERT_TRUE(profile->device.__createDev());

    ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, op(DeviceOperation::WriteKeys)),
              DeviceOperationWorker::StartResult::Started);
    ASSERT_TRUE(sink.waitForDone(20s));
    EXPECT_EQ(sink.done, std::vector<int>{1});
}

TEST_F(DeviceOperationWorkerTest, CancelStopsTheTransferAndSkipsTheWait) {
    DeviceOperationWorker::shared().setFinishDelay(60s);
    sink.cancelAfter = 10;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, op(DeviceOperation::WriteKeys)),
              DeviceOperationWorker::StartResult::Started);
    ASSERT_TRUE(sink.waitForDone(20s));
    DeviceOperationWorker::shared().wait();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
    EXPECT_LT(sink.progress.size(), 138u);
    EXPECT_EQ(sink.done, std::vector<int>{1});
    // The next operation starts with the cancel flag cleared.
    sink.cancelAfter = 0;
    sink.progress.clear();
    sink.done.clear();
    DeviceOperationWorker::shared().setFinishDelay(10ms);
    ASSERT_EQ(DeviceOperationWorker::shared().start(*profile, op(DeviceOperation::WriteKeys)),
              DeviceOperationWorker::StartResult::Started);
    ASSERT_TRUE(sink.waitForDone(20s));
    EXPECT_EQ(sink.progress.size(), 138u);
    EXPECT_EQ(sink.done, std::vector<int>{0});
}

TEST_F(DeviceOperationWorkerTest, OnlyOneOperationAtATime) {
    DeviceOperationWorker::shared().setFinishDelay(60s);
    auto& worker = DeviceOperationWorker::shared();
    ASSERT_EQ(worker.start(*profile, op(DeviceOperation::ReadLights)),
              DeviceOperationWorker::StartResult::Started);
    EXPECT_TRUE(worker.isRunning());
    EXPECT_EQ(worker.start(*profile, op(DeviceOperation::WriteKeys)),
              DeviceOperationWorker::StartResult::Busy);
    worker.cancel();
    worker.wait();
    EXPECT_FALSE(worker.isRunning());
    EXPECT_EQ(worker.start(*profile, 2), DeviceOperationWorker::StartResult::UnknownOperation);
    EXPECT_EQ(worker.start(*profile, 0), DeviceOperationWorker::StartResult::UnknownOperation);
}

}  // namespace
}  // namespace talvane68
