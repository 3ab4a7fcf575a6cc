// sknutil: inspect, pack and unpack skin files.
#include <cstring>
#include <exception>
#include <iostream>

#include "Command.h"

using namespace veyra::sknutil;

namespace veyra::sknutil {
namespace {

std::vector<CommandGroupFn>& Groups() {
    static std::vector<CommandGroupFn> groups;
    return groups;
}

} // namespace

CommandGroup::CommandGroup(CommandGroupFn group) {
    Groups().push_back(group);
}

std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (CommandGroupFn group : Groups()) {
        std::vector<Command> commands = group();
        all.insert(all.end(), commands.begin(), commands.end());
    }
    return all;
}

} // namespace veyra::sknutil

namespace {

void PrintUsage(std::ostream& out, const std::vector<Command>& commands) {
    out << "usage: sknutil COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& c : commands)
        out << "  " << c.Name << ' ' << c.Usage << "\n      " << c.Summary << '\n';
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<Command> commands = AllCommands();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout, commands);
        return argc < 2 ? 2 : 0;
    }
    for (const Command& c : commands) {
        if (c.Name != std::string(argv[1]))
            continue;
        const Args args(argv + 2, argv + argc);
        try {
            return c.Run(args);
        } catch (const UsageError& e) {
            std::cerr << "sknutil " << c.Name << ": " << e.what() << "\nusage: sknutil " << c.Name
                      << ' ' << c.Usage << '\n';
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "sknutil: " << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "sknutil: unknown command \"" << argv[1] << "\"\n";
    PrintUsage(std::cerr, commands);
    return 2;
}
