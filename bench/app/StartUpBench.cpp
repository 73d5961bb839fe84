// Start-up to the first painted main window (a process of its own, offscreen,
// on a virtual keyboard) and one full repaint of the main window.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>

#include "app/CVrelApp.h"
#include "mainwindow/CVrelDlg.h"

extern char** environ;

namespace {

void BM_StartToFirstPaint(benchmark::State& state) {
    const std::string program = TALVANE68_BIN_DIR "/bench_app_first_paint";
    QTemporaryDir keyboard;
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen",
                                    "TALVANE68_DEVICE=sim:" + keyboard.path().toStdString()};
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::string_view(*e).rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            std::string_view(*e).rfind("TALVANE68_DEVICE=", 0) != 0) {
            env.emplace_back(*e);
        }
    }
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start bench_app_first_paint");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("start-up did not reach a painted main window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FullRepaint(benchmark::State& state) {
    talvane68::SkinResources resources;
    if (!resources.loadBitmaps(QStringLiteral(TALVANE68_BIN_DIR "/Talvane68RES.rcc")).isEmpty()) {
        state.SkipWithError("no skin file");
        return;
    }
    resources.createDrawingResources();
    QTemporaryDir keyboard;
    ::setenv("TALVANE68_DEVICE", ("sim:" + keyboard.path().toStdString()).c_str(), 1);
    static talvane68::KeyboardProfile profile;
    profile.buildKeyTables();
    talvane68::CVrelDlg window(resources, profile);
    window.initialise();
    window.show();
    QApplication::processEvents();
    window.hitTest({500, 300});  // one key hovered
    for (auto _ : state) {
        window.repaint();
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
