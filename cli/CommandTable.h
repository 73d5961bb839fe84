#pragma once

// The subcommands of talvane68ctl. Each group of commands lives in a file of
// its own and adds its entries with an add...Commands(CommandTable&) function
// that main() calls; the table gives --help and the dispatch.
//
// One name may have several entries that take different arguments, told apart
// by their argument counts and their accepts test: write-lights FILE takes a
// colour list, and a profile group can add write-lights FILE.prf beside it.

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
    // Whether this entry takes these arguments (already counted); empty: any.
    std::function<bool(const std::vector<std::string>&)> accepts = {};
};

// True when path ends with extension (".prf"), letter case aside.
bool hasExtension(const std::string& path, const std::string& extension);

enum class Lookup { Found, UnknownName, WrongArguments };

class CommandTable {
public:
    void add(Command command);
    // The first entry of that name that takes the arguments; nullptr, and why
    // in lookup, when there is none.
    const Command* find(const std::string& name, const std::vector<std::string>& args, Lookup& lookup) const;
    // "usage: talvane68ctl NAME ARGS" for every entry of that name, one a line.
    std::string usageOf(const std::string& name) const;
    const std::vector<Command>& commands() const { return m_commands; }
    void printUsage(std::ostream& out) const;

private:
    std::vector<Command> m_commands;
};

}  // namespace talvane68::cli
