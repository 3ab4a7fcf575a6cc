// sknutil commands for packed bodies and packed skin files.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>

#include "Command.h"
#include "FileIo.h"
#include "SkinFiles.h"
#include "skin/package/ElzhException.h"
#include "skin/package/SkinReader.h"
#include "tools/packer/LzhEncoder.h"
#include "tools/packer/SkinPacker.h"

namespace veyra::sknutil {
namespace {

namespace fs = std::filesystem;

// A quiet reader: the tool reports the older format itself.
TSkinReader QuietReader() {
    return TSkinReader([](std::string_view) {});
}

int RunLzh(const Args& args) {
    RequireArgs(args, 2, 2);
    WriteFileBytes(args[1], tools::LzhPackBody(ReadFileBytes(args[0])));
    return 0;
}

int RunUnlzh(const Args& args) {
    RequireArgs(args, 2, 2);
    std::vector<std::uint8_t> out;
    try {
        ExpandPackedBody(ReadFileBytes(args[0]), out);
    } catch (const std::runtime_error& e) {
        throw ToolError(args[0] + ": " + e.what());
    }
    WriteFileBytes(args[1], out);
    return 0;
}

int RunPack(const Args& args) {
    std::int32_t format = TSkinReader::kFormat20000;
    Args positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 >= args.size())
                throw UsageError("--format needs a value");
            const long long value = ParseIntegerArg(args[++i], "--format");
            if (value != TSkinReader::kFormat20000 && value != TSkinReader::kFormat30000)
                throw UsageError("--format must be 20000 or 30000");
            format = static_cast<std::int32_t>(value);
        } else {
            positional.push_back(args[i]);
        }
    }
    RequireArgs(positional, 2, 2);
    const fs::path dir = positional[0];
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        throw ToolError(dir.string() + ": not a directory");
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });
    if (files.size() > TSkinReader::kMaxMembers)
        throw ToolError(dir.string() + ": " + std::to_string(files.size()) +
                        " files; a skin holds at most " + std::to_string(TSkinReader::kMaxMembers));
    std::vector<tools::PackMember> members;
    for (const fs::path& file : files)
        members.push_back({file.filename().string(), ReadFileBytes(file)});
    WriteFileBytes(positional[1], tools::PackSkin(members, format));
    return 0;
}

int RunList(const Args& args) {
    RequireArgs(args, 1, 1);
    TSkinReader reader = QuietReader();
    UnpackSkinFile(args[0], reader);
    std::cout << "format " << reader.Format() << '\n';
    for (std::size_t i = 0; i < reader.Names().size(); ++i)
        std::cout << reader.Names()[i] << '\t' << reader.MemberSize(i) << '\n';
    return 0;
}

int RunExtract(const Args& args) {
    RequireArgs(args, 3, 3);
    TSkinReader reader = QuietReader();
    UnpackSkinFile(args[0], reader);
    const std::string wanted = TSkinReader::LowerAscii(args[1]);
    if (std::find(reader.Names().begin(), reader.Names().end(), wanted) == reader.Names().end())
        throw ToolError(args[0] + ": no member named \"" + args[1] + "\"");
    std::vector<std::uint8_t> out;
    reader.ExtractByName(args[1], out);
    WriteFileBytes(args[2], out);
    return 0;
}

// A member name is written as a file only when it cannot leave the target folder.
bool IsSafeFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

int RunUnpack(const Args& args) {
    RequireArgs(args, 2, 2);
    TSkinReader reader = QuietReader();
    UnpackSkinFile(args[0], reader);
    const fs::path dir = args[1];
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        throw ToolError(dir.string() + ": cannot create folder: " + ec.message());
    std::set<std::string> written;
    int skipped = 0;
    for (const std::string& name : reader.Names()) {
        if (!IsSafeFileName(name)) {
            std::cerr << "sknutil: " << args[0] << ": member name \"" << name
                      << "\" is not a plain file name; skipped\n";
            ++skipped;
            continue;
        }
        if (!written.insert(name).second)
            continue; // a repeated name: the first member is the one readers see
        std::vector<std::uint8_t> out;
        reader.ExtractByName(name, out);
        WriteFileBytes(dir / name, out);
    }
    return skipped == 0 ? 0 : 1;
}

std::vector<Command> PackageCommands() {
    return {
        {"lzh", "IN OUT", "compress IN into a packed body (size, then LZHUF stream)", RunLzh},
        {"unlzh", "IN OUT", "expand a packed body", RunUnlzh},
        {"pack", "DIR OUT.skn [--format 20000|30000]", "pack every file of DIR into a skin file",
         RunPack},
        {"list", "SKIN.skn", "print the format and each member's name and size", RunList},
        {"extract", "SKIN.skn NAME OUT", "write one member of a skin file to OUT", RunExtract},
        {"unpack", "SKIN.skn DIR", "write every member of a skin file into DIR", RunUnpack},
    };
}

CommandGroup group(PackageCommands);

} // namespace

} // namespace veyra::sknutil
