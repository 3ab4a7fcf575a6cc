#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <string>

#include "SkinTestPackage.h"
#include "skin/data/SkinFields.h"

namespace veyra {
namespace {

using test::SkinTestPackage;

class RecordingVisitor : public TSkinFieldVisitor {
public:
    std::map<std::string, std::int64_t> Integers;
    void Integer(const char* name, std::int32_t value) override { Integers[name] = value; }
    void ColourValue(const char* name, Colour value) override { Integers[name] = value; }
    void Flag(const char*, bool) override {}
    void Text(const char*, const std::string&) override {}
    void Image(const char*, const Bitmap&) override {}
};

using Sections = std::map<std::string, std::string>;
using Values = std::map<std::string, std::int64_t>;

// Every integer key of a table, each given its own value (codes the file does
// not name and the ends of int among them), in the element's section or the
// one the row names.
template <class T>
void WriteKeys(std::span<const TSkinField<T>> fields, const char* section, Sections& ini,
               Values& expected) {
    constexpr std::int32_t kValues[] = {std::numeric_limits<std::int32_t>::max(),
                                        std::numeric_limits<std::int32_t>::min(),
                                        47,
                                        -7,
                                        1500,
                                        2001,
                                        5,
                                        100,
                                        60,
                                        61,
                                        62,
                                        -2,
                                        3000,
                                        123456,
                                        -654321,
                                        999};
    std::size_t next = 0;
    for (const TSkinField<T>& field : fields) {
        if (!field.Key || field.Kind != TFieldKind::Integer)
            continue;
        const std::int32_t value = kValues[next++ % std::size(kValues)];
        ini[field.Section ? field.Section : section] +=
            std::string(field.Key) + "=" + std::to_string(value) + "\r\n";
        expected[field.Name] = value;
    }
}

// The loader reads each key of a table into the field the dump shows under
// the same row's name: for a generic section, the group box, the buttons,
// the title and a title-bar button.
TEST(SkinFieldTables, EveryKeyLandsInTheFieldOfItsRowAndShowsThere) {
    struct Case {
        const char* Section;
        std::function<void(Sections&, Values&)> Keys;
        std::function<const TDataSkinObject&(const TSkinDefinition&)> Element;
        Values Settled; // what the load makes of some values after reading them
    };
    const Case cases[] = {
        {"Progress.Chunk",
         [](Sections& i, Values& e) {
             WriteKeys<TDataSkinObject>(kObjectFields, "Progress.Chunk", i, e);
         },
         [](const TSkinDefinition& d) -> const TDataSkinObject& {
             return *d.Find("Progress.Chunk");
         },
         {{"Tile", 0}}},
        {"GroupBox",
         [](Sections& i, Values& e) {
             WriteKeys<TDataSkinBoxLabel>(kBoxLabelFields, "GroupBox", i, e);
         },
         [](const TSkinDefinition& d) -> const TDataSkinObject& { return *d.Find("GroupBox"); },
         {}},
        {"Buttons",
         [](Sections& i, Values& e) { WriteKeys<TDataSkinButton>(kButtonFields, "Buttons", i, e); },
         [](const TSkinDefinition& d) -> const TDataSkinObject& { return d.Buttons; },
         {}},
        {"Personality",
         [](Sections& i, Values& e) {
             WriteKeys<TDataSkinTitle>(kTitleFields, "Personality", i, e);
         },
         [](const TSkinDefinition& d) -> const TDataSkinObject& { return d.Title; },
         {}},
        {"BUTTON.X",
         [](Sections& i, Values& e) {
             WriteKeys<TDataSkinSysButton>(kSysButtonFields, "BUTTON.X", i, e);
         },
         [](const TSkinDefinition& d) -> const TDataSkinObject& { return *d.TitleButtons.front(); },
         {}},
    };
    for (const Case& c : cases) {
        Sections sections;
        Values expected;
        c.Keys(sections, expected);
        sections[c.Section] += "Image=s.bmp\r\nBitmap=s.bmp\r\n";
        std::string ini;
        for (const auto& [name, keys] : sections)
            ini += "[" + name + "]\r\n" + keys;
        for (const auto& [name, value] : c.Settled)
            expected[name] = value;
        const TSkinDefinition d = SkinTestPackage(ini).Strip("s.bmp", 8, 8).Load();
        RecordingVisitor seen;
        c.Element(d).VisitFields(seen);
        for (const auto& [name, value] : expected)
            EXPECT_EQ(seen.Integers[name], value) << c.Section << " " << name;
    }
}

} // namespace
} // namespace veyra
