// talvane68ctl: the keyboard's device library from the command line.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Context.h"
#include "cli/DefaultCommands.h"
#include "cli/DeviceCommands.h"
#include "cli/ProfileCommands.h"

namespace {

using talvane68::cli::CommandTable;

constexpr int kUsageError = 2;

int usageError(const std::string& message) {
    std::cerr << "talvane68ctl: " << message << " (see talvane68ctl --help)\n";
    return kUsageError;
}

// Chooses the device before the library first looks for one.
bool selectDevice(const std::string& device) {
    if (device == "hid") {
        ::unsetenv("TALVANE68_DEVICE");
        return true;
    }
    if (device.rfind("sim:", 0) == 0 && device.size() > 4) {
        ::setenv("TALVANE68_DEVICE", device.c_str(), 1);
        return true;
    }
    return false;
}

bool parseTimeout(const std::string& text, int& milliseconds) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value <= 0 || value > 3600000) {
        return false;
    }
    milliseconds = static_cast<int>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CommandTable table;
    talvane68::cli::addDeviceCommands(table);
    talvane68::cli::addDefaultCommands(table);
    talvane68::cli::addProfileCommands(table);

    int timeoutMs = talvane68::cli::kDefaultCliTimeoutMs;
    int index = 1;
    for (; index < argc; ++index) {
        const std::string arg = argv[index];
        if (arg == "--help" || arg == "-h") {
            table.printUsage(std::cout);
            return 0;
        }
        std::string value;
        std::string option = arg;
        if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        } else if ((arg == "--device" || arg == "--timeout") && index + 1 < argc) {
            value = argv[++index];
        } else if (arg == "--device" || arg == "--timeout") {
            return usageError(arg + " needs a value");
        }
        if (option == "--device") {
            if (!selectDevice(value)) {
                return usageError("unknown device \"" + value + "\" (expected sim:DIR or hid)");
            }
        } else if (option == "--timeout") {
            if (!parseTimeout(value, timeoutMs)) {
                return usageError("bad timeout \"" + value + "\" (milliseconds expected)");
            }
        } else if (arg.rfind("-", 0) == 0) {
            return usageError("unknown option " + arg);
        } else {
            break;
        }
    }
    if (index == argc) {
        table.printUsage(std::cerr);
        return kUsageError;
    }
    const std::string name = argv[index];
    const std::vector<std::string> args(argv + index + 1, argv + argc);
    talvane68::cli::Lookup lookup;
    const talvane68::cli::Command* command = table.find(name, args, lookup);
    if (lookup == talvane68::cli::Lookup::UnknownName) {
        return usageError("unknown command \"" + name + "\"");
    }
    if (command == nullptr) {
        std::cerr << "talvane68ctl: wrong arguments for " << name << "\n" << table.usageOf(name) << "\n";
        return kUsageError;
    }
    talvane68::cli::Context context(std::cout, std::cerr, timeoutMs);
    return command->run(context, args);
}
