// Time from starting the program to its first painted main window, on the
// virtual keyboard and the offscreen platform. The program writes the
// monotonic clock of its first paint to TALVANE68_FIRST_PAINT_FILE and ends.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path programPath() {
    char self[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
    return std::filesystem::path(std::string(self, length > 0 ? length : 0)).parent_path() / "Talvane68";
}

void BM_StartToFirstPaint(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("talvane68-startup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto stamp = dir / "first-paint";
    const std::string program = programPath().string();

    std::vector<std::string> variables = {"QT_QPA_PLATFORM=offscreen",
                                          "TALVANE68_DEVICE=sim:" + (dir / "kbd").string(),
                                          "TALVANE68_FIRST_PAINT_FILE=" + stamp.string()};
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("TALVANE68_", 0) != 0) {
            variables.push_back(entry);
        }
    }
    std::vector<char*> envp;
    for (auto& v : variables) {
        envp.push_back(v.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    for (auto _ : state) {
        std::filesystem::remove(stamp);
        const auto started = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start Talvane68");
            break;
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        long long paintedNs = 0;
        std::ifstream(stamp) >> paintedNs;
        if (paintedNs == 0) {
            state.SkipWithError("the program painted no main window");
            break;
        }
        const auto painted = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(paintedNs));
        state.SetIterationTime(std::chrono::duration<double>(painted - started).count());
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
