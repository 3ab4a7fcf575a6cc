#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "BitmapTesting.h"
#include "TestData.h"
#include "skin/imaging/BmpReader.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

std::vector<std::uint8_t> Fixture(const std::string& name) {
    return test::ReadTestFile(test::TestDataDir() / "bmp" / name);
}

// ImageMagick's decoding of a fixture: red, green, blue, alpha bytes.
Bitmap Reference(const std::string& name, int width, int height, PixelFormat format) {
    const auto rgba = Fixture(name + ".rgba");
    EXPECT_EQ(rgba.size(), static_cast<std::size_t>(width * height * 4));
    Bitmap b(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = rgba.data() + 4 * (y * width + x);
            b.At(x, y) =
                static_cast<Pixel>(p[3]) << 24 | static_cast<Pixel>(p[0]) << 16 | p[1] << 8 | p[2];
        }
    return b;
}

struct FixtureCase {
    const char* Name;
    PixelFormat Format;
    // Bits stored per channel (red, green, blue, alpha). Decoders widen 4-,
    // 5- and 6-bit channels to 8 bits in different ways, so those are
    // compared on their stored bits only.
    int Bits[4] = {8, 8, 8, 8};
};

::testing::AssertionResult SameStoredBits(const Bitmap& actual, const Bitmap& expected,
                                          const int bits[4]) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure()
               << "size " << actual.Width() << " x " << actual.Height();
    const int shifts[4] = {16, 8, 0, 24};
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            for (int c = 0; c < 4; ++c) {
                const int drop = 8 - bits[c] + shifts[c];
                if ((actual.At(x, y) >> drop & ((1u << bits[c]) - 1)) !=
                    (expected.At(x, y) >> drop & ((1u << bits[c]) - 1)))
                    return test::SamePixels(actual, expected) << " (channel " << c << ")";
            }
    return ::testing::AssertionSuccess();
}

class BmpFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(BmpFixture, DecodesAsImageMagickDoes) {
    const FixtureCase& c = GetParam();
    const Bitmap decoded = ReadBmp(Fixture(std::string(c.Name) + ".bmp"));
    EXPECT_EQ(decoded.Format(), c.Format);
    EXPECT_TRUE(SameStoredBits(decoded, Reference(c.Name, 13, 7, c.Format), c.Bits));
}

constexpr PixelFormat k24 = PixelFormat::Rgb24;
constexpr PixelFormat k32 = PixelFormat::Bgra32;

INSTANTIATE_TEST_SUITE_P(
    Files, BmpFixture,
    ::testing::Values(FixtureCase{"bits1", k24}, FixtureCase{"bits4", k24},
                      FixtureCase{"bits8", k24}, FixtureCase{"rle4", k24}, FixtureCase{"rle8", k24},
                      FixtureCase{"core8", k24}, FixtureCase{"bits16-plain", k24, {5, 5, 5, 8}},
                      FixtureCase{"bits16-555", k24, {5, 5, 5, 8}},
                      FixtureCase{"bits16-565", k24, {5, 6, 5, 8}},
                      FixtureCase{"bits16-565-info", k24, {5, 6, 5, 8}},
                      FixtureCase{"bits16-1555", k32, {5, 5, 5, 1}},
                      FixtureCase{"bits16-4444", k32, {4, 4, 4, 4}}, FixtureCase{"bits24", k24},
                      FixtureCase{"bits24-v4", k24}, FixtureCase{"bits24-v5", k24},
                      FixtureCase{"top-down", k24}, FixtureCase{"bits32-alpha", k32}),
    [](const ::testing::TestParamInfo<FixtureCase>& info) {
        std::string name = info.param.Name;
        for (char& ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

TEST(BmpReader, WidensNarrowChannelsToTheFullRange) {
    // Pure white and a mid value in 5-6-5: every stored 1 bit becomes 255.
    std::vector<std::uint8_t> file = Fixture("bits16-565.bmp");
    const std::size_t pixels = file[10] | file[11] << 8;
    file[pixels] = 0xFF;
    file[pixels + 1] = 0xFF;
    file[pixels + 2] = 0x10; // green 0, blue 16 of 31, red 0
    file[pixels + 3] = 0x00;
    const Bitmap b = ReadBmp(file);
    EXPECT_EQ(b.At(0, 6), PixelOf(kWhite)); // the first stored row is the bottom one
    EXPECT_EQ(b.At(1, 6), PixelOf(Rgb(0, 0, 132)));
}

TEST(BmpReader, KeyColourSurvivesEveryDepthThatCanHoldIt) {
    for (const char* name : {"bits4", "bits8", "rle8", "core8", "bits24", "top-down", "bits24-v4"})
        EXPECT_EQ(ReadBmp(Fixture(std::string(name) + ".bmp")).At(0, 0), PixelOf(kKeyColour))
            << name;
}

// An 8-bit RLE image built by hand: runs, a literal run with padding, a move
// that skips pixels (they get colour 0) and the end marker.
TEST(BmpReader, Rle8MovesAndEarlyEndLeaveColourZero) {
    const std::vector<std::uint8_t> data = {
        2, 1, 0, 3, 2, 3, 1, 0, // bottom row: b b, then c d b and a padding byte
        0, 0,                   // end of line: x 5 stays colour 0
        0, 2, 3, 1,             // move 3 right and 1 up: the middle row is skipped
        3, 2,                   // c c c at x 3 of the top row
        0, 1,                   // end of bitmap
    };
    std::vector<std::uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 40 + 16, 0, 0, 0};
    const std::uint8_t info[40] = {40, 0, 0, 0, 6, 0, 0,
                                   0,  3, 0, 0, 0, 1, 0,
                                   8,  0, 1, 0, 0, 0, static_cast<std::uint8_t>(data.size()),
                                   0,  0, 0, 0, 0, 0, 0,
                                   0,  0, 0, 0, 4, 0, 0,
                                   0,  0, 0, 0, 0};
    file.insert(file.end(), info, info + 40);
    for (std::uint8_t grey : {'a', 'b', 'c', 'd'})
        file.insert(file.end(), {grey, grey, grey, 0});
    file.insert(file.end(), data.begin(), data.end());
    EXPECT_TRUE(test::Looks(ReadBmp(file), {"aaaccc", "aaaaaa", "bbcdba"}));
}

TEST(BmpWriter, RoundTripsBothDepthsWithPaddedRows) {
    Bitmap b(5, 3, PixelFormat::Bgra32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            b.At(x, y) = static_cast<Pixel>((x * 40 + y) << 24 | (x * 0x010203 + y * 0x302010));
    const Bitmap wide = ReadBmp(WriteBmp(b));
    EXPECT_EQ(wide.Format(), PixelFormat::Bgra32);
    EXPECT_TRUE(test::SamePixels(wide, b));

    const auto file24 = WriteBmp(b, BmpDepth::Bits24);
    EXPECT_EQ(file24.size(), 14u + 40 + 3 * 16); // rows of 15 bytes padded to 16
    Bitmap opaque = b;
    opaque.SetFormat(PixelFormat::Rgb24);
    EXPECT_TRUE(test::SamePixels(ReadBmp(file24), opaque));
    EXPECT_EQ(WriteBmp(opaque), file24);
    EXPECT_THROW(WriteBmp(Bitmap()), std::invalid_argument);
}

// Reads the PNG chunks back, checking each CRC against a value worked out by
// hand for the empty IEND chunk and the chunk lengths.
TEST(PngWriter, WritesStoredBlocksThatHoldThePixels) {
    Bitmap b(200, 120, PixelFormat::Bgra32); // 96 KB of RGBA: two stored blocks
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.At(x, y) = static_cast<Pixel>(x * 7 + y * 13) * 0x01030507u;
    const auto png = WritePng(b);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    const auto be32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 |
                                          png[at + 3]);
    };
    EXPECT_EQ(be32(png.size() - 4), 0xAE426082u); // CRC of "IEND"
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>("123456789"), 9), 0xCBF43926u);
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>("Wikipedia"), 9), 0x11E60398u);
    // IHDR: size, 8 bits, RGBA.
    EXPECT_EQ(be32(16), 200u);
    EXPECT_EQ(be32(20), 120u);
    EXPECT_EQ(png[24], 8);
    EXPECT_EQ(png[25], 6);
    // IDAT: zlib header, then stored blocks; concatenate their contents.
    const std::size_t idat = 8 + 25;
    ASSERT_EQ(std::memcmp(png.data() + idat + 4, "IDAT", 4), 0);
    std::size_t at = idat + 8 + 2;
    std::vector<std::uint8_t> raw;
    bool last = false;
    while (!last) {
        last = png[at] & 1;
        const std::size_t n = png[at + 1] | png[at + 2] << 8;
        EXPECT_EQ((png[at + 3] | png[at + 4] << 8), static_cast<int>(~n & 0xFFFF));
        raw.insert(raw.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   png.begin() + static_cast<std::ptrdiff_t>(at + 5 + n));
        at += 5 + n;
    }
    ASSERT_EQ(raw.size(), 120u * (1 + 200 * 4));
    const std::size_t row = 1 + 200 * 4;
    const Pixel p = b.At(17, 100);
    const std::uint8_t* q = raw.data() + 100 * row + 1 + 17 * 4;
    EXPECT_EQ(raw[100 * row], 0); // filter byte
    EXPECT_EQ(q[0], static_cast<std::uint8_t>(p >> 16));
    EXPECT_EQ(q[1], static_cast<std::uint8_t>(p >> 8));
    EXPECT_EQ(q[2], static_cast<std::uint8_t>(p));
    EXPECT_EQ(q[3], static_cast<std::uint8_t>(p >> 24));
}

} // namespace
} // namespace veyra
