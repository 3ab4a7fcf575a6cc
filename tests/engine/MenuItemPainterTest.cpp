// The owner-drawn menu item painter, read back from the pixels it paints into
// a memory bitmap: which frame of the MenuItem element, which backdrop and
// which scheme colours each kind of item gets.
#include <windows.h>

#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/menu/MenuItemPainter.h"

namespace veyra {
namespace {

constexpr Colour kNormal = Rgb(200, 0, 0);
constexpr Colour kSeparator = Rgb(0, 200, 0);
constexpr Colour kSelected = Rgb(0, 0, 200);
constexpr Colour kBackdrop = Rgb(10, 120, 130);
constexpr Colour kMenu = Rgb(240, 240, 200);
constexpr Colour kHilight = Rgb(40, 40, 160);
constexpr int kFrame = 10;

// A MenuItem element of five 10 x 10 frames: normal, separator (a key-colour
// band around a 2-pixel line), unused, selected, unused.
void AddMenuItemElement(TSkinDefinition& skin) {
    Bitmap image(5 * kFrame, kFrame, PixelFormat::Rgb24, PixelOf(kKeyColour));
    image.FillRect(RectOfSize(0, 0, kFrame, kFrame), PixelOf(kNormal));
    image.FillRect(RectOfSize(kFrame, 4, kFrame, 2), PixelOf(kSeparator));
    image.FillRect(RectOfSize(3 * kFrame, 0, kFrame, kFrame), PixelOf(kSelected));
    auto element = std::make_unique<TDataSkinObject>("MenuItem");
    element->Image = std::move(image);
    element->Frame = 5;
    element->Trans = 1;
    skin.Put(std::move(element));
}

Colour PixelAt(const Bitmap& bitmap, int x, int y) {
    return ColourOf(bitmap.At(x, y));
}

TEST(MenuItemPainter, FramesBackdropsAndFills) {
    auto withElement = test::MakeTestSkin();
    AddMenuItemElement(*withElement);
    withElement->Colours.Menu = kMenu;
    auto plain = test::MakeTestSkin();
    plain->Colours.Menu = kMenu;
    plain->Colours.Hilight = kHilight;
    // A popup frame image in which the item's own spot is the backdrop colour.
    Bitmap frame(120, 80, PixelFormat::Bgra32, PixelOf(kKeyColour));
    frame.FillRect({3, 23, 103, 43}, PixelOf(kBackdrop));

    struct Case {
        const char* Name;
        const TSkinDefinition* Skin;
        bool Selected;
        bool Separator;
        bool WithBackdrop;
        Colour Middle; // the item's middle, right of any text
        Colour Corner; // its top-left pixel
    } cases[] = {
        {"element, normal", withElement.get(), false, false, true, kNormal, kNormal},
        {"element, selected", withElement.get(), true, false, true, kSelected, kSelected},
        {"element separator: line over the backdrop", withElement.get(), false, true, true,
         kSeparator, kBackdrop},
        {"element separator without backdrop: Menu", withElement.get(), false, true, false,
         kSeparator, kMenu},
        {"plain, normal", plain.get(), false, false, false, kMenu, kMenu},
        {"plain, selected", plain.get(), true, false, false, kHilight, kHilight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DibSurface target(100, 20);
        TMenuItemLook look;
        look.Caption = L"&Item";
        look.Selected = c.Selected;
        look.Separator = c.Separator;
        // The item lies at (0, 20) of a popup whose client area starts at (3, 3).
        TMenuItemBackdrop backdrop;
        if (c.WithBackdrop)
            backdrop = {&frame, POINT{3, 3}};
        const RECT rect{0, 20, 100, 40};
        SetViewportOrgEx(target.Dc(), 0, -20, nullptr);
        PaintMenuItem(target.Dc(), rect, look, c.Skin, backdrop);
        SetViewportOrgEx(target.Dc(), 0, 0, nullptr);
        const Bitmap& pixels = target.Pixels();
        EXPECT_EQ(PixelAt(pixels, 90, 10), c.Middle);
        EXPECT_EQ(PixelAt(pixels, 0, 0), c.Corner);
    }
}

// A native item's own bitmap (MIIM_BITMAP) is drawn in the glyph box: a
// device bitmap copied, a 32-bit one with alpha blended, a 32-bit one with
// no alpha taken as opaque; the platform's HBMMENU_* stand-ins draw nothing.
TEST(MenuItemPainter, AnItemsOwnBitmapShowsInTheGlyphBox) {
    constexpr Colour kPicture = Rgb(250, 120, 0);
    auto plain = test::MakeTestSkin();
    plain->Colours.Menu = kMenu;
    const HDC screen = GetDC(nullptr);
    const BitmapHandle device(CreateCompatibleBitmap(screen, 12, 12));
    ReleaseDC(nullptr, screen);
    {
        MemoryDc dc;
        const SelectObjectScope select(dc.Get(), device.Get());
        const BrushHandle brush(CreateSolidBrush(kPicture));
        const RECT all{0, 0, 12, 12};
        FillRect(dc.Get(), &all, brush.Get());
    }
    // 32-bit DIB sections: opaque alpha, and alpha left at zero.
    auto section = [&](std::uint8_t alpha) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 12, -12, 1, 32, BI_RGB};
        void* bits = nullptr;
        BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        auto* pixels = static_cast<std::uint32_t*>(bits);
        for (int i = 0; i < 12 * 12; ++i)
            pixels[i] = (std::uint32_t{alpha} << 24) | (GetRValue(kPicture) << 16) |
                        (GetGValue(kPicture) << 8) | GetBValue(kPicture);
        return bitmap;
    };
    const BitmapHandle withAlpha = section(255);
    const BitmapHandle noAlpha = section(0);
    const struct {
        const char* Name;
        HBITMAP Bitmap;
        Colour Centre;
    } cases[] = {
        {"device bitmap", device.Get(), kPicture},
        {"32-bit with alpha", withAlpha.Get(), kPicture},
        {"32-bit without alpha", noAlpha.Get(), kPicture},
        {"HBMMENU_POPUP_CLOSE", HBMMENU_POPUP_CLOSE, kMenu},
        {"HBMMENU_CALLBACK", HBMMENU_CALLBACK, kMenu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        DibSurface target(100, 20);
        TMenuItemLook look;
        look.Caption = L"&Item";
        look.Bitmap = c.Bitmap;
        PaintMenuItem(target.Dc(), RECT{0, 0, 100, 20}, look, plain.get(), {});
        // The glyph box is 16 square from (1, 1), centred in the item's height.
        EXPECT_EQ(PixelAt(target.Pixels(), 9, 10), c.Centre);
    }
}

TEST(MenuItemPainter, MeasuringFollowsTheTextAndTheElement) {
    auto skin = test::MakeTestSkin();
    TMenuItemLook look;
    look.Caption = L"&Open";
    const SIZE plain = MeasureMenuItem(look, skin.get());
    look.ShortCut = L"Ctrl+O";
    const SIZE withShortCut = MeasureMenuItem(look, skin.get());
    EXPECT_GT(withShortCut.cx, plain.cx + 16);
    EXPECT_GE(plain.cy, 18);
    AddMenuItemElement(*skin);
    skin->Find("MenuItem")->LeftWidth = 7;
    EXPECT_EQ(MeasureMenuItem(look, skin.get()).cx, withShortCut.cx + 7);
    look.Separator = true;
    EXPECT_EQ(MeasureMenuItem(look, skin.get()).cy, 8);
    // A lone "&" still takes a line's height.
    TMenuItemLook ampersand;
    ampersand.Caption = L"&";
    EXPECT_GE(MeasureMenuItem(ampersand, skin.get()).cy, plain.cy);
}

} // namespace
} // namespace veyra
