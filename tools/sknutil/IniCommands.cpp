// sknutil commands that read a skin definition the way the skin loader does:
// values, sections and the colour scheme.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <limits>
#include <string>

#include "Command.h"
#include "FileIo.h"
#include "SkinFiles.h"
#include "skin/data/SkinColours.h"
#include "skin/package/ElzhException.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace veyra::sknutil {
namespace {

// The definition member of a packed skin: the first whose name contains ".ini".
std::vector<std::uint8_t> DefinitionOfSkin(const std::string& path) {
    TSkinReader reader([](std::string_view) {});
    UnpackSkinFile(path, reader);
    std::vector<std::uint8_t> ini;
    std::string found;
    reader.FindContaining(".ini", ini, found);
    if (found.empty())
        throw ToolError(path + ": no member whose name contains \".ini\"");
    return ini;
}

// A skin definition from an INI file, or from the definition member of a .skn.
TQuickIni LoadDefinition(const std::string& path) {
    TQuickIni ini;
    ini.LoadBytes(IsPackedSkinPath(path) ? DefinitionOfSkin(path) : ReadFileBytes(path));
    return ini;
}

std::string Hex(Colour colour) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(colour));
    return text;
}

int RunIniGet(const Args& args) {
    RequireArgs(args, 3, 4);
    const TQuickIni ini = LoadDefinition(args[0]);
    std::cout << ini.ReadString(args[1], args[2], args.size() > 3 ? args[3] : std::string())
              << '\n';
    return 0;
}

int RunIniInt(const Args& args) {
    RequireArgs(args, 4, 4);
    const long long fallback = ParseIntegerArg(args[3], "DEFAULT");
    if (fallback < std::numeric_limits<std::int32_t>::min() ||
        fallback > std::numeric_limits<std::int32_t>::max())
        throw UsageError("DEFAULT must fit in 32 bits, not \"" + args[3] + "\"");
    const TQuickIni ini = LoadDefinition(args[0]);
    std::cout << ini.ReadInteger(args[1], args[2], static_cast<std::int32_t>(fallback)) << '\n';
    return 0;
}

int RunSections(const Args& args) {
    RequireArgs(args, 1, 1);
    const TQuickIni ini = LoadDefinition(args[0]);
    std::vector<std::string> sections;
    ini.GetSections(&sections);
    for (const std::string& name : sections)
        std::cout << name << '\n';
    return 0;
}

int RunColours(const Args& args) {
    RequireArgs(args, 1, 1);
    const TSkinColours scheme = LoadColourScheme(LoadDefinition(args[0]));
    for (const TSkinColourMember& member : SkinColourMembers())
        std::cout << member.Key << '\t' << Hex(scheme.*member.Member) << '\n';
    for (std::size_t i = 0; i < scheme.ExtraColours.size(); ++i)
        std::cout << "Extra\t" << i << '\t' << Hex(scheme.ExtraColours[i]) << '\n';
    for (std::size_t i = 0; i < scheme.CustomColours.size(); ++i)
        std::cout << "Custom\t" << i << '\t' << Hex(scheme.CustomColours[i]) << '\n';
    return 0;
}

std::vector<Command> IniCommands() {
    return {
        {"ini-get", "FILE.ini|SKIN.skn SECTION KEY [DEFAULT]",
         "print a value as the skin reads it (names in any letter case, the first of repeats);\n"
         "      DEFAULT (or an empty line) when it is missing or empty",
         RunIniGet},
        {"ini-int", "FILE.ini|SKIN.skn SECTION KEY DEFAULT",
         "print a value as an integer (decimal, $1F or 0x1F); DEFAULT when it is not one",
         RunIniInt},
        {"sections", "FILE.ini|SKIN.skn", "print the section names in file order, repeats included",
         RunSections},
        {"colours", "FILE.ini|SKIN.skn",
         "print the colour scheme: MEMBER<TAB>0xXXXXXXXX per member, then Extra<TAB>i<TAB>... and\n"
         "      Custom<TAB>i<TAB>...; 0x00BBGGRR is a colour, 0xFF0000nn is system colour nn",
         RunColours},
    };
}

CommandGroup group(IniCommands);

} // namespace
} // namespace veyra::sknutil
