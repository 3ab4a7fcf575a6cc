#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TestData.h"
#include "skin/package/SkinReader.h"
#include "tools/packer/LzhEncoder.h"
#include "tools/packer/SkinPacker.h"

namespace veyra {
namespace {

using test::Bytes;
using tools::PackMember;

struct RecordingSink {
    std::vector<std::string> Messages;
    MessageSink Sink() {
        return [this](std::string_view text) { Messages.emplace_back(text); };
    }
};

std::vector<std::uint8_t> PackedSkin(const std::vector<PackMember>& members,
                                     std::int32_t format = 20000) {
    return tools::PackSkin(members, format);
}

std::vector<std::uint8_t> Extract(const TSkinReader& reader, const std::string& name) {
    std::vector<std::uint8_t> out{1, 2, 3}; // extraction must replace, not append
    reader.ExtractByName(name, out);
    return out;
}

const std::vector<PackMember> kMixedCaseSkin = {
    {"Skin.INI", Bytes("[Buttons]\r\nImage=Button.BMP\r\n")},
    {"Button.BMP", Bytes("BM-button")},
    {"Title_Active.bmp", Bytes("BM-title")},
};

TEST(SkinReader, FindsMembersByNameInAnyLetterCase) {
    RecordingSink sink;
    TSkinReader reader(sink.Sink());
    ASSERT_TRUE(reader.Unpack(PackedSkin(kMixedCaseSkin)));
    EXPECT_EQ(reader.Format(), 20000);
    EXPECT_EQ(reader.Names(),
              (std::vector<std::string>{"skin.ini", "button.bmp", "title_active.bmp"}));
    EXPECT_EQ(Extract(reader, "button.bmp"), Bytes("BM-button"));
    EXPECT_EQ(Extract(reader, "BUTTON.bmp"), Bytes("BM-button"));
    EXPECT_EQ(Extract(reader, "tItLe_AcTiVe.BMP"), Bytes("BM-title"));
    EXPECT_TRUE(Extract(reader, "missing.bmp").empty());
    EXPECT_TRUE(Extract(reader, "button").empty()) << "names match whole, not by prefix";
    EXPECT_TRUE(sink.Messages.empty());

    std::vector<std::uint8_t> ini;
    std::string found = "unchanged";
    reader.FindContaining(".ini", ini, found);
    EXPECT_EQ(found, "skin.ini");
    EXPECT_EQ(ini, kMixedCaseSkin[0].Data);
}

TEST(SkinReader, FindContainingIsCaseSensitiveAndKeepsNameWhenNothingMatches) {
    TSkinReader reader([](std::string_view) {});
    ASSERT_TRUE(reader.Unpack(PackedSkin(kMixedCaseSkin)));
    std::vector<std::uint8_t> out{9};
    std::string found = "previous";
    reader.FindContaining(".INI", out, found); // callers pass lower-case text
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(found, "previous");
    reader.FindContaining("_act", out, found);
    EXPECT_EQ(found, "title_active.bmp");
    reader.FindContaining("bmp", out, found); // first in list order
    EXPECT_EQ(found, "button.bmp");
}

TEST(SkinReader, FirstOfRepeatedNamesWinsAndEmptyMembersAreEmpty) {
    TSkinReader reader([](std::string_view) {});
    ASSERT_TRUE(reader.Unpack(PackedSkin({
        {"empty.bmp", {}},
        {"a.bmp", Bytes("first")},
        {"A.BMP", Bytes("second")},
        {"tail.bmp", Bytes("tail")},
    })));
    EXPECT_EQ(Extract(reader, "a.bmp"), Bytes("first"));
    EXPECT_TRUE(Extract(reader, "empty.bmp").empty());
    EXPECT_EQ(Extract(reader, "tail.bmp"), Bytes("tail")) << "offsets count the repeated member";
    EXPECT_EQ(reader.MemberSize(0), 0);
}

TEST(SkinReader, Format30000DiffersOnlyByTheSkippedBlock) {
    const auto p20000 = tools::BuildSkinPayload(kMixedCaseSkin, 20000);
    auto p30000 = tools::BuildSkinPayload(kMixedCaseSkin, 30000);
    ASSERT_EQ(p30000.size(), p20000.size() + 256);
    // Whatever the skipped block holds is not read.
    for (std::size_t i = 16; i < 272; ++i)
        p30000[i] = static_cast<std::uint8_t>(i * 7);
    TSkinReader reader([](std::string_view) {});
    ASSERT_TRUE(reader.Unpack(tools::LzhPackBody(p30000)));
    EXPECT_EQ(reader.Format(), 30000);
    EXPECT_EQ(reader.Names().size(), 3u);
    EXPECT_EQ(Extract(reader, "button.bmp"), Bytes("BM-button"));
    // A payload already expanded reads the same.
    TSkinReader direct([](std::string_view) {});
    ASSERT_TRUE(direct.ReadPayload(p30000));
    EXPECT_EQ(direct.Names(), reader.Names());
    EXPECT_EQ(Extract(direct, "button.bmp"), Bytes("BM-button"));
}

TEST(SkinReader, OlderFormatShowsTheMessageAndHoldsNoMembers) {
    RecordingSink sink;
    TSkinReader reader(sink.Sink());
    ASSERT_TRUE(reader.Unpack(PackedSkin(kMixedCaseSkin)));
    EXPECT_FALSE(reader.Unpack(PackedSkin(kMixedCaseSkin, 10000)));
    ASSERT_EQ(sink.Messages.size(), 1u);
    EXPECT_EQ(sink.Messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_TRUE(reader.Names().empty());
    EXPECT_TRUE(Extract(reader, "button.bmp").empty());
}

TEST(SkinReader, UnpackRewindsTheStream) {
    const auto packed = PackedSkin(kMixedCaseSkin);
    std::stringstream stream(std::string(packed.begin(), packed.end()));
    stream.seekg(0, std::ios::end);
    TSkinReader reader([](std::string_view) {});
    ASSERT_TRUE(reader.Unpack(stream));
    EXPECT_EQ(Extract(reader, "button.bmp"), Bytes("BM-button"));
}

TEST(SkinReader, NameListLineBreaks) {
    EXPECT_EQ(TSkinReader::SplitLines("a\r\nb\rc\nd"),
              (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(TSkinReader::SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(TSkinReader::SplitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(TSkinReader::SplitLines("").empty());
    EXPECT_EQ(TSkinReader::LowerAscii("ÄBC-Zz\xC3\x84"), "Äbc-zz\xC3\x84");
}

// Payload builders for damaged files: each is a well-formed packed body
// around a payload that lies.
std::vector<std::uint8_t> Int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

void ExpectDamaged(const std::vector<std::uint8_t>& packed, const std::string& reason) {
    TSkinReader reader([](std::string_view) { ADD_FAILURE() << "no message for a damaged file"; });
    try {
        reader.Unpack(packed);
        ADD_FAILURE() << "accepted a damaged file (" << reason << ")";
    } catch (const ESkinFileDamaged& e) {
        EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
    EXPECT_TRUE(reader.Names().empty());
}

TEST(SkinReaderDamaged, LyingSizesAreReportedNotTrusted) {
    const std::vector<std::uint8_t> zeros8(8, 0);
    ExpectDamaged({1, 2}, "shorter than its 4-byte size");
    ExpectDamaged(Concat({Int32(-5), {0, 0, 0}}), "negative");
    ExpectDamaged(Concat({Int32(100000), {0, 0, 0, 0}}), "compressed bytes can hold");
    ExpectDamaged(Concat({Int32(0x7FFFFFFF), std::vector<std::uint8_t>(64, 0)}), "can hold");
    ExpectDamaged(tools::LzhPackBody(Bytes("short")), "shorter than its 16-byte header");
    ExpectDamaged(tools::LzhPackBody(Concat({Int32(20000), Int32(-1), zeros8})),
                  "name list length -1");
    ExpectDamaged(tools::LzhPackBody(Concat({Int32(20000), Int32(50), zeros8, Bytes("a.bmp\r\n")})),
                  "name list length 50");
    ExpectDamaged(tools::LzhPackBody(
                      Concat({Int32(30000), Int32(0), zeros8, std::vector<std::uint8_t>(100, 0)})),
                  "256-byte block");
    ExpectDamaged(
        tools::LzhPackBody(Concat({Int32(20000), Int32(7), zeros8, Bytes("a.bmp\r\n"), {1, 0}})),
        "size table");
    ExpectDamaged(tools::LzhPackBody(Concat({Int32(20000), Int32(7), zeros8, Bytes("a.bmp\r\n"),
                                             Int32(-3), Bytes("xyz")})),
                  "negative size");
    ExpectDamaged(
        tools::LzhPackBody(Concat({Int32(20000), Int32(14), zeros8, Bytes("a.bmp\r\nb.bmp\r\n"),
                                   Int32(2), Int32(4), Bytes("xyz")})),
        "\"b.bmp\" runs past the end");
}

TEST(SkinReaderDamaged, TooManyMembersAreRefused) {
    std::vector<PackMember> members(1002);
    for (std::size_t i = 0; i < members.size(); ++i)
        members[i].Name = "m" + std::to_string(i);
    ExpectDamaged(PackedSkin(members), "1002 members listed");
    members.pop_back();
    TSkinReader reader([](std::string_view) {});
    EXPECT_TRUE(reader.Unpack(PackedSkin(members)));
    EXPECT_EQ(reader.Names().size(), 1001u);
}

// Every truncation of a valid file either loads, is refused, or is reported
// damaged: never a crash or a read past the end (the sanitizer run checks).
TEST(SkinReaderDamaged, EveryTruncationIsHandled) {
    const auto packed = PackedSkin(kMixedCaseSkin);
    for (std::size_t length = 0; length < packed.size(); ++length) {
        TSkinReader reader([](std::string_view) {});
        try {
            reader.Unpack(std::span<const std::uint8_t>(packed.data(), length));
        } catch (const ESkinFileDamaged&) {
        }
    }
}

} // namespace
} // namespace veyra
