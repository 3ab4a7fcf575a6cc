// The Windows glue of the imaging core, run under Wine: GDI and the core
// drawing into the same pixels, bitmaps blitted to a DC, the text helpers.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {
namespace {

int CountNotWhite(const Bitmap& b, const Rect& area) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            count += !SameRgb(b.At(x, y), PixelOf(kWhite));
    return count;
}

TEST(DibSurface, TextDrawnByGdiLandsInTheBitmapPixels) {
    DibSurface surface(120, 40);
    surface.Pixels().Fill(PixelOf(kWhite));
    SelectObjectScope font(surface.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(surface.Dc(), TRANSPARENT);
    SetTextColor(surface.Dc(), RGB(0, 0, 0));
    RECT r{4, 4, 116, 36};
    EXPECT_GT(DrawUtf16Text(surface.Dc(), L"Hello", r, DT_LEFT | DT_TOP | DT_SINGLELINE), 0);
    SIZE extent{};
    GetTextExtentPoint32W(surface.Dc(), L"Hello", 5, &extent);
    const Bitmap& pixels = surface.Pixels();
    EXPECT_GT(CountNotWhite(pixels, {4, 4, 4 + extent.cx, 4 + extent.cy}), 20);
    EXPECT_EQ(CountNotWhite(pixels, {4 + extent.cx + 1, 0, 120, 40}), 0);
    EXPECT_EQ(CountNotWhite(pixels, {0, 4 + extent.cy + 1, 120, 40}), 0);
}

TEST(DibSurface, CorePixelsAreWhatGdiSees) {
    DibSurface surface(10, 6);
    const Bitmap source(3, 2, PixelFormat::Rgb24, PixelOf(Rgb(200, 10, 30)));
    DrawBitmap(surface.Pixels(), 4, 3, source);
    EXPECT_EQ(GetPixel(surface.Dc(), 4, 3), RGB(200, 10, 30));
    EXPECT_EQ(GetPixel(surface.Dc(), 6, 4), RGB(200, 10, 30));
    EXPECT_EQ(GetPixel(surface.Dc(), 3, 3), RGB(0, 0, 0));
}

TEST(DrawBitmapToDc, CopiesTheBitmapInOneBlockHonouringItsStride) {
    DibSurface target(8, 8);
    target.Pixels().Fill(PixelOf(kWhite));
    // A 3 x 2 view inside rows of 5 pixels.
    Pixel backing[10] = {};
    for (Pixel& p : backing)
        p = PixelOf(Rgb(1, 2, 3));
    backing[0] = PixelOf(Rgb(9, 9, 9));
    backing[3] = PixelOf(Rgb(7, 7, 7)); // outside the view
    const Bitmap view = Bitmap::View(backing, 3, 2, 5);
    DrawBitmapToDc(target.Dc(), 2, 1, view);
    const Bitmap& pixels = target.Pixels();
    EXPECT_EQ(pixels.At(2, 1) | kOpaque, PixelOf(Rgb(9, 9, 9)));
    EXPECT_EQ(pixels.At(4, 2) | kOpaque, PixelOf(Rgb(1, 2, 3)));
    EXPECT_EQ(pixels.At(5, 1) | kOpaque, PixelOf(kWhite)); // column 3 of the backing is not drawn
    EXPECT_EQ(pixels.At(2, 3) | kOpaque, PixelOf(kWhite));
}

TEST(TextHelpers, ReadWindowTextAndConvertFromTheCodePage) {
    EXPECT_EQ(ToUtf16("Skin 1.0"), L"Skin 1.0");
    EXPECT_EQ(ToUtf16(""), L"");
    const wchar_t* caption = L"VeyraDDE\u67e5\u8be2";
    HWND window = CreateWindowExW(0, L"STATIC", caption, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), caption);
    SetWindowTextW(window, L"");
    EXPECT_EQ(WindowText(window), L"");
    DestroyWindow(window);
}

} // namespace
} // namespace veyra
