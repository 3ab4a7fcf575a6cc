#include "BitmapTesting.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "skin/imaging/ImageWriters.h"

namespace veyra::test {
namespace {

std::string SaveForInspection(const Bitmap& bitmap, const char* what) {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info ? info->name() : "bitmap") + "-" + what + "-" +
                       std::to_string(counter++) + ".png";
    for (char& ch : name)
        if (ch == '/')
            ch = '-';
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    if (bitmap.IsEmpty())
        return "(empty bitmap, not written)";
    const auto png = WritePng(bitmap);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return path.string();
}

std::string Join(const Picture& picture) {
    std::ostringstream out;
    for (const std::string& row : picture)
        out << "\n    " << row;
    return out.str();
}

std::string Hex(Pixel p) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(p));
    return text;
}

} // namespace

Pixel PixelOfLetter(char letter) {
    if (letter == 'M')
        return PixelOf(kKeyColour);
    const auto v = static_cast<Pixel>(static_cast<unsigned char>(letter));
    return kOpaque | v << 16 | v << 8 | v;
}

Bitmap MakeBitmap(std::initializer_list<std::string_view> rows, PixelFormat format) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows.begin()->size()) : 0;
    Bitmap bitmap(width, height, format);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < width; ++x)
            bitmap.At(x, y) = PixelOfLetter(row.at(static_cast<std::size_t>(x)));
        ++y;
    }
    return bitmap;
}

Picture Describe(const Bitmap& bitmap) {
    Picture picture;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel p = bitmap.At(x, y) | kOpaque;
            const char grey = static_cast<char>(p & 0xFF);
            if (p == PixelOf(kKeyColour))
                row += 'M';
            else if (grey >= 32 && grey < 127 && p == PixelOfLetter(grey))
                row += grey;
            else
                row += '?';
        }
        picture.push_back(row);
    }
    return picture;
}

::testing::AssertionResult Looks(const Bitmap& actual, const Picture& expected) {
    const Picture got = Describe(actual);
    if (got == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected" << Join(expected) << "\ngot" << Join(got)
                                         << "\nwritten to " << SaveForInspection(actual, "actual");
}

::testing::AssertionResult SamePixels(const Bitmap& actual, const Bitmap& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure()
               << "size " << actual.Width() << " x " << actual.Height() << ", expected "
               << expected.Width() << " x " << expected.Height();
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (actual.At(x, y) != expected.At(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << Hex(actual.At(x, y))
                       << ", expected " << Hex(expected.At(x, y)) << "; written to "
                       << SaveForInspection(actual, "actual") << " and "
                       << SaveForInspection(expected, "expected");
    return ::testing::AssertionSuccess();
}

} // namespace veyra::test
