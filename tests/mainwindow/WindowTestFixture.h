#pragma once

// A virtual keyboard in a folder of its own, a profile on it, plain skin
// pictures and a scripted dialog service, for the window tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "deviceops/DeviceOperationWorker.h"
#include "mainwindow/CVrelDlg.h"
#include "platform/ui/ScriptedDialogService.h"
#include "profile/KeyboardProfile.h"
#include "sim/VirtualKeyboard.h"
#include "skin/SkinResources.h"

namespace talvane68 {

// Colours of the plain pictures: the state pictures differ from the background.
inline const QColor kBackgroundColour(40, 40, 40);
inline const QColor kHoverColour(90, 90, 90);
inline const QColor kActiveColour(0, 160, 0);

class WindowTestFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("talvane68-window-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        keyboard = std::make_unique<sim::VirtualKeyboard>(dir.string());
        ::setenv("TALVANE68_DEVICE", ("sim:" + dir.string()).c_str(), 1);
        profile = std::make_unique<KeyboardProfile>();
        profile->buildKeyTables();
        resources.createDrawingResources();
        setPictures(101, {1080, 690});
        setPictures(139, {385, 240});
        setDialogService(&dialogs);
        CVrelDlg::setUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        DeviceOperationWorker::shared().setFinishDelay(std::chrono::milliseconds(10));
    }

    void TearDown() override {
        DeviceOperationWorker::shared().cancel();
        DeviceOperationWorker::shared().wait();
        DeviceOperationWorker::shared().setFinishDelay(std::chrono::milliseconds(1000));
        CVrelDlg::setUrlOpener({});
        setDialogService(nullptr);
        profile.reset();
        keyboard.reset();
        std::filesystem::remove_all(dir);
    }

    // Background, hover and active pictures at ids first, first + 1, first + 2.
    void setPictures(int first, QSize size) {
        const QColor colours[] = {kBackgroundColour, kHoverColour, kActiveColour};
        for (int i = 0; i < 3; ++i) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(colours[i]);
            resources.setBitmap(first + i, picture);
        }
    }

    std::unique_ptr<CVrelDlg> openMainWindow() {
        auto window = std::make_unique<CVrelDlg>(resources, *profile);
        window->initialise();
        return window;
    }

    // Texts of the message boxes asked for so far.
    QStringList messages() const {
        QStringList texts;
        for (const auto& request : dialogs.requests()) {
            if (request.kind == ScriptedDialogService::Kind::Message) {
                texts << request.text;
            }
        }
        return texts;
    }

    int countRequests(ScriptedDialogService::Kind kind) const {
        int count = 0;
        for (const auto& request : dialogs.requests()) {
            count += request.kind == kind ? 1 : 0;
        }
        return count;
    }

    // Runs the event loop until done() holds or the time is up.
    template <typename Done>
    static bool processUntil(Done done, int timeoutMs = 10000) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > timeoutMs) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    std::filesystem::path dir;
    std::unique_ptr<sim::VirtualKeyboard> keyboard;
    std::unique_ptr<KeyboardProfile> profile;
    SkinResources resources;
    ScriptedDialogService dialogs;
    std::vector<QUrl> opened;
};

}  // namespace talvane68
