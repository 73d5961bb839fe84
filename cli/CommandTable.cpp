#include "cli/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <iomanip>

namespace talvane68::cli {

void CommandTable::add(Command command) {
    m_commands.push_back(std::move(command));
}

bool hasExtension(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    return std::equal(extension.begin(), extension.end(), path.end() - extension.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

const Command* CommandTable::find(const std::string& name, const std::vector<std::string>& args,
                                  Lookup& lookup) const {
    lookup = Lookup::UnknownName;
    for (const auto& command : m_commands) {
        if (command.name != name) {
            continue;
        }
        lookup = Lookup::WrongArguments;
        if (args.size() >= command.minArgs && args.size() <= command.maxArgs &&
            (!command.accepts || command.accepts(args))) {
            lookup = Lookup::Found;
            return &command;
        }
    }
    return nullptr;
}

std::string CommandTable::usageOf(const std::string& name) const {
    std::string text;
    for (const auto& command : m_commands) {
        if (command.name == name) {
            text += (text.empty() ? "" : "\n") + std::string("usage: talvane68ctl ") + command.name +
                    (command.args.empty() ? "" : " " + command.args);
        }
    }
    return text;
}

void CommandTable::printUsage(std::ostream& out) const {
    out << "Usage: talvane68ctl [--device sim:DIR|hid] [--timeout MS] COMMAND [ARGS]\n"
           "\n"
           "Talks to the Talvane68 keyboard (or the virtual keyboard kept in DIR).\n"
           "\n"
           "Options:\n"
           "  --device sim:DIR  use the virtual keyboard kept in folder DIR\n"
           "  --device hid      use the real keyboard (the default unless TALVANE68_DEVICE is set)\n"
           "  --timeout MS      how long to wait for each answer of the keyboard (default 5000)\n"
           "  --help            show this text\n"
           "\n"
           "Commands:\n";
    std::size_t width = 0;
    for (const auto& command : m_commands) {
        width = std::max(width, command.name.size() + 1 + command.args.size());
    }
    for (const auto& command : m_commands) {
        const std::string head = command.args.empty() ? command.name : command.name + " " + command.args;
        out << "  " << std::left << std::setw(static_cast<int>(width)) << head << "  " << command.summary
            << "\n";
    }
}

}  // namespace talvane68::cli
