#pragma once

// The subcommands of talvane68ctl. Each group of commands lives in a file of
// its own and adds its entries with an add...Commands(CommandTable&) function
// that main() calls; the table gives --help and the dispatch.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace talvane68::cli {

class Context;

struct Command {
    std::string name;     // as typed: "write-lights"
    std::string args;     // shown in the usage: "FILE"
    std::string summary;  // one line for --help
    std::size_t minArgs = 0;
    std::size_t maxArgs = 0;
    // Returns the exit status (0 success).
    std::function<int(Context&, const std::vector<std::string>&)> run;
};

class CommandTable {
public:
    void add(Command command);
    // nullptr when there is no such command.
    const Command* find(const std::string& name) const;
    const std::vector<Command>& commands() const { return m_commands; }
    void printUsage(std::ostream& out) const;

private:
    std::vector<Command> m_commands;
};

}  // namespace talvane68::cli
