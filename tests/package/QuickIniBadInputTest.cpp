// A skin definition is untrusted text: whatever it holds, lookups give the
// value as text or the caller's default, and nothing crashes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestData.h"
#include "skin/package/QuickIni.h"

namespace veyra {
namespace {

using namespace std::string_literals;

TQuickIni Parse(const std::string& text) {
    TQuickIni ini;
    ini.LoadText(text);
    return ini;
}

TEST(QuickIniBadInput, VeryLongLinesAreKeptWhole) {
    const std::string value(1 << 20, 'v');
    const std::string header = "[" + std::string(100000, 'S') + "]";
    const TQuickIni ini = Parse(header + "\nKey=" + value + "\nNext=1\n");
    EXPECT_EQ(ini.ReadString(std::string(100000, 's'), "key", ""), value);
    EXPECT_EQ(ini.ReadInteger(std::string(100000, 'S'), "Next", 0), 1);
    EXPECT_EQ(ini.ReadInteger(std::string(100000, 'S'), "Key", -3), -3);
}

TEST(QuickIniBadInput, TheFirstNulEndsTheText) {
    const TQuickIni ini = Parse("[S]\nA=1\0\nB=2\n"s);
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), 0);
    EXPECT_EQ(ini.Lines().size(), 2u);

    const TQuickIni header = Parse("[Na\0me]\nA=1\n"s);
    EXPECT_TRUE(header.Lines() == std::vector<std::string>{"[Na"}) << "a cut header is text";
    std::vector<std::string> sections;
    header.GetSections(&sections);
    EXPECT_TRUE(sections.empty());

    EXPECT_TRUE(Parse("\0[S]\nA=1"s).Lines().empty());
}

TEST(QuickIniBadInput, LinesOfBlanksAndControlCharactersAreDropped) {
    const TQuickIni ini =
        Parse("\t \x01\x1f\x7f\n[S]\x0b\x0c\n\x1b\x1b\nA=\x01\x02\n B = \x05 x \x06\n");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"\x7f", "[S]", "A=", "B = \x05 x"}))
        << "DEL (127) is not a blank";
    EXPECT_EQ(ini.ReadString("S", "A", "-"), "-") << "a value of control characters is empty";
    EXPECT_EQ(ini.ReadString("S", "B", "-"), "x");
}

TEST(QuickIniBadInput, BytesAbove127AreTextAndKeepTheirCase) {
    // Code-page letters: 0xC4 and 0xE4 are upper and lower A-umlaut in
    // Windows-1252, but lookups only fold the letters A to Z.
    const TQuickIni ini = Parse("[Farbe\xC4]\nSchl\xFC"
                                "ssel=Wert\xA0\n[\x8F\xFF]\n\xFF=\xFE\n");
    EXPECT_EQ(ini.ReadString("FARBE\xC4",
                             "SCHL\xFC"
                             "SSEL",
                             "-"),
              "Wert\xA0")
        << "byte 0xA0 is above 32, so it is not trimmed";
    EXPECT_EQ(ini.ReadString("farbe\xE4",
                             "schl\xFC"
                             "ssel",
                             "-"),
              "-");
    EXPECT_EQ(ini.ReadString("\x8F\xFF", "\xFF", "-"), "\xFE");
    EXPECT_EQ(ini.ReadInteger("\x8F\xFF", "\xFF", 8), 8);
}

TEST(QuickIniBadInput, BrokenHeadersAreOrdinaryLines) {
    const TQuickIni ini = Parse("[\n]\n[Open\nClose]\n[[Nested]]\nK=1\n[A]B]\nK=2\n");
    std::vector<std::string> sections;
    ini.GetSections(&sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"[Nested]", "A]B"}));
    EXPECT_EQ(ini.ReadInteger("[Nested]", "K", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A]B", "K", 0), 2);
}

TEST(QuickIniBadInput, ManyRepeatedSectionsAndKeysStayFast) {
    // A lookup must not walk the file: this definition would take minutes if
    // every read of the repeated header walked the first section's lines.
    std::string text = "[Big]\n";
    for (int i = 0; i < 200000; ++i)
        text += "Key" + std::to_string(i % 1000) + "=" + std::to_string(i) + "\n";
    for (int i = 0; i < 100000; ++i)
        text += "[big]\nKey0=x\n";
    const TQuickIni ini = Parse(text);
    std::vector<std::string> sections;
    ini.GetSections(&sections);
    ASSERT_EQ(sections.size(), 100001u);
    long long sum = 0;
    for (std::size_t i = 0; i < sections.size(); ++i)
        sum += ini.ReadInteger(sections[i], "Key" + std::to_string(i % 1000), 0) +
               ini.ReadInteger(sections[i], "Missing", 0);
    long long expected = 0;
    for (std::size_t i = 0; i < sections.size(); ++i)
        expected += static_cast<long long>(i % 1000);
    EXPECT_EQ(sum, expected) << "every lookup reads the first section, with the first of each key";
}

TEST(QuickIniBadInput, RandomBytesNeverBreakLookups) {
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        std::vector<std::uint8_t> bytes = test::RandomBytes(4096, seed);
        // Sprinkle the syntax in so that headers and keys really occur.
        for (std::size_t i = 0; i < bytes.size(); i += 7)
            bytes[i] = static_cast<std::uint8_t>("[]=\n;\r$0x"[bytes[i] % 9]);
        TQuickIni ini;
        ini.LoadBytes(bytes);
        std::vector<std::string> sections;
        ini.GetSections(&sections);
        for (const std::string& section : sections) {
            for (const std::string& line : ini.Lines()) {
                const std::string key = line.substr(0, line.find('='));
                const std::string value = ini.ReadString(section, key, "\x01");
                EXPECT_EQ(value, TQuickIni::Trim(value));
                ini.ReadInteger(section, key, 0);
            }
        }
        for (const std::string& line : ini.Lines()) {
            EXPECT_FALSE(line.empty());
            EXPECT_NE(line.front(), ';');
            EXPECT_EQ(line.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
        }
    }
}

} // namespace
} // namespace veyra
