#include "cli/CommandTable.h"

#include <algorithm>
#include <iomanip>

namespace talvane68::cli {

void CommandTable::add(Command command) {
    m_commands.push_back(std::move(command));
}

const Command* CommandTable::find(const std::string& name) const {
    const auto found =
        std::find_if(m_commands.begin(), m_commands.end(), [&](const Command& c) { return c.name == name; });
    return found == m_commands.end() ? nullptr : &*found;
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
