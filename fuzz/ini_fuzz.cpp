// Parses arbitrary bytes as a skin definition, looks up every section with
// keys taken from the text itself, and builds the colour scheme from it.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "skin/data/SkinColours.h"
#include "skin/package/QuickIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    veyra::TQuickIni ini;
    std::istringstream stream(text);
    ini.Load(&stream);

    std::vector<std::string> sections;
    ini.GetSections(&sections);
    // Bounded so that a large input stays a fast run: sections x lines.
    constexpr std::size_t kMaxLookups = 4096;
    std::size_t lookups = 0;
    for (const std::string& section : sections) {
        for (const std::string& line : ini.Lines()) {
            if (++lookups > kMaxLookups)
                break;
            const std::string key = line.substr(0, line.find('='));
            const std::string value = ini.ReadString(section, key, "default");
            if (value.empty())
                __builtin_trap(); // a value is never empty: the default stands in for it
            ini.ReadInteger(section, key, 0);
            veyra::ParseColour(value);
        }
    }
    veyra::LoadColourScheme(ini);
    veyra::ParseColour(text);
    return 0;
}
