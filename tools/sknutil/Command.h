#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace veyra::sknutil {

using Args = std::vector<std::string>;

// One sub-command of sknutil: `Run` gets the arguments after the command name
// and returns the exit status.
struct Command {
    const char* Name;
    const char* Usage;   // the arguments, as shown after "sknutil NAME"
    const char* Summary; // one line for the command list
    int (*Run)(const Args& args);
};

// A failure to report to the user: printed as "sknutil: MESSAGE", exit status 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bad command-line arguments: printed with the command's usage, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each group of commands lives in its own file and adds itself with a
// file-level `static CommandGroup group(MyCommands);`.
using CommandGroupFn = std::vector<Command> (*)();
struct CommandGroup {
    explicit CommandGroup(CommandGroupFn group);
};

// Throws UsageError unless there are min to max arguments.
inline void RequireArgs(const Args& args, std::size_t min, std::size_t max) {
    if (args.size() < min || args.size() > max)
        throw UsageError("wrong number of arguments");
}

// Every registered command, in registration order.
std::vector<Command> AllCommands();

} // namespace veyra::sknutil
