// One test per file of tests/data/malformed-bmp: BMP files that lie about
// themselves. Each must be refused with a message saying what is wrong.
#include <gtest/gtest.h>

#include <string>

#include "TestData.h"
#include "skin/imaging/BmpReader.h"

namespace veyra {
namespace {

struct MalformedBmp {
    const char* File;
    const char* Reason;
};

class MalformedBmpFile : public ::testing::TestWithParam<MalformedBmp> {};

TEST_P(MalformedBmpFile, IsRefusedWithItsReason) {
    const MalformedBmp& c = GetParam();
    const auto bytes = test::ReadTestFile(test::TestDataDir() / "malformed-bmp" / c.File);
    try {
        ReadBmp(bytes);
        ADD_FAILURE() << c.File << " was accepted";
    } catch (const EBmpDamaged& e) {
        EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedBmpFile,
    ::testing::Values(MalformedBmp{"empty.bmp", "the file header"},
                      MalformedBmp{"no-signature.bmp", "signature"},
                      MalformedBmp{"unknown-header-size.bmp", "unknown header size 41"},
                      MalformedBmp{"truncated-header.bmp", "the bitmap header"},
                      MalformedBmp{"zero-width.bmp", "is not a picture"},
                      MalformedBmp{"most-negative-height.bmp", "is larger than"},
                      MalformedBmp{"overflowing-size.bmp", "is larger than"},
                      MalformedBmp{"too-many-pixels.bmp", "is larger than"},
                      MalformedBmp{"pixel-offset-past-end.bmp", "the pixel rows"},
                      MalformedBmp{"truncated-rows.bmp", "the pixel rows"},
                      MalformedBmp{"largest-picture-no-rows.bmp", "the pixel rows"},
                      MalformedBmp{"short-palette.bmp", "the colour table"},
                      MalformedBmp{"huge-palette-count.bmp", "colour table of 4294967295"},
                      MalformedBmp{"offset-inside-palette.bmp", "inside the colour table"},
                      MalformedBmp{"offset-inside-header.bmp", "inside the headers"},
                      MalformedBmp{"bitfields-24-bit.bmp", "bit fields with 24"},
                      MalformedBmp{"scattered-mask.bmp", "not one run of bits"},
                      MalformedBmp{"masks-past-end.bmp", "runs past the end"},
                      MalformedBmp{"masks-left-out.bmp", "offset 54 lies inside the headers"},
                      MalformedBmp{"embedded-jpeg.bmp", "JPEG"},
                      MalformedBmp{"unknown-compression.bmp", "unknown compression 9"},
                      MalformedBmp{"seven-bits.bmp", "7 bits per pixel"},
                      MalformedBmp{"rle8-with-4-bits.bmp", "RLE8 with 4"},
                      MalformedBmp{"rle8-run-past-row.bmp", "runs past the end of row 0"},
                      MalformedBmp{"rle8-literal-past-row.bmp", "literal run of 3 pixels at x 2"},
                      MalformedBmp{"rle8-past-last-row.bmp", "past the last row"},
                      MalformedBmp{"rle8-truncated.bmp", "ends at row 1 of 2"},
                      MalformedBmp{"rle8-size-lies.bmp", "the compressed pixel data"},
                      MalformedBmp{"rle8-move-outside.bmp", "leaves the image"},
                      MalformedBmp{"rle4-literal-past-data.bmp",
                                   "past the end of the compressed data"},
                      MalformedBmp{"rle4-run-past-row.bmp", "runs past the end of row 0"}),
    [](const ::testing::TestParamInfo<MalformedBmp>& info) {
        std::string name = info.param.File;
        name = name.substr(0, name.find('.'));
        for (char& ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

TEST(MalformedBmpFolder, EveryFileHasATest) {
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(test::TestDataDir() / "malformed-bmp"))
        files += entry.path().extension() == ".bmp";
    EXPECT_EQ(files, 31);
}

} // namespace
} // namespace veyra
