#pragma once

// Runs talvane68ctl as a program against the test's virtual keyboard folder.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "SimTestSupport.h"

namespace talvane68::sim::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CtlTest : public SimFolderTest {
protected:
    // Options put before every command, e.g. "--timeout 500 ".
    explicit CtlTest(std::string options = "") : m_options(std::move(options)) {}

    // Runs talvane68ctl --device sim:DIR with the given arguments (shell words).
    CliRun run(const std::string& args) {
        const std::string out = dir() + "/.out";
        const std::string err = dir() + "/.err";
        const std::string line = std::string(TALVANE68CTL_PATH) + " --device sim:" + dir() + " " + m_options +
                                 args + " >" + out + " 2>" + err + " </dev/null";
        const int raw = std::system(line.c_str());
        CliRun result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = slurp(out);
        result.err = slurp(err);
        return result;
    }

    std::string writeFile(const std::string& name, const std::string& text) {
        const std::string path = dir() + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

private:
    std::string m_options;
};

}  // namespace talvane68::sim::test
