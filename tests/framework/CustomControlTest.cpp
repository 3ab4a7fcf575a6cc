#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/CustomControl.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/GdiObject.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {
namespace {

constexpr Pixel kUntouched = PixelOf(Rgb(255, 0, 255));

// Notes every Paint and fills what it is asked to paint.
class TPaintRecorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::pair<HDC, RECT>> Calls;

protected:
    void Paint(HDC dc, const RECT& clip) override {
        Calls.emplace_back(dc, clip);
        FillRect(dc, &clip, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
};

bool HasUpdateRegion(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

// WM_PAINT with a DC in wParam draws into that DC and leaves the window's
// update region alone; without one, the window paints what BeginPaint asks.
TEST(CustomControl, WmPaintDrawsIntoTheDcGivenOrWhatBeginPaintGives) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* control = new TPaintRecorder(&form);
    control->SetParent(&form);
    control->SetBounds(10, 10, 100, 50);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetBounds(0, 100, 200, 100);
    auto* sheet = new TTabSheet(&form);
    sheet->SetPageControl(pages);
    form.Show();
    ASSERT_TRUE(test::PumpUntil([&] {
        return !HasUpdateRegion(control->WindowHandle()) && !HasUpdateRegion(pages->WindowHandle());
    }));
    control->Calls.clear();

    RECT part{10, 10, 20, 20};
    InvalidateRect(control->WindowHandle(), &part, FALSE);
    DibSurface picture(200, 100);
    picture.Pixels().Fill(kUntouched);
    SendMessageW(control->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    ASSERT_EQ(control->Calls.size(), 1u);
    EXPECT_EQ(control->Calls[0].first, picture.Dc());
    const RECT client{0, 0, 100, 50};
    EXPECT_TRUE(EqualRect(&control->Calls[0].second, &client));
    EXPECT_EQ(picture.Pixels().At(99, 49) & kPixelRgbMask, 0u) << "painted black";
    EXPECT_TRUE(HasUpdateRegion(control->WindowHandle()));

    UpdateWindow(control->WindowHandle());
    ASSERT_EQ(control->Calls.size(), 2u);
    EXPECT_NE(control->Calls[1].first, picture.Dc());
    EXPECT_TRUE(EqualRect(&control->Calls[1].second, &part));
    EXPECT_FALSE(HasUpdateRegion(control->WindowHandle()));

    // TWinControl passes the DC to a common control, which draws into it,
    // and keeps a plain window's procedure from validating itself instead.
    picture.Pixels().Fill(kUntouched);
    SendMessageW(pages->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            changed += !SameRgb(picture.Pixels().At(x, y), kUntouched);
    EXPECT_GT(changed, 100) << "the tab control drew its frame into the DC";
    InvalidateRect(sheet->WindowHandle(), nullptr, FALSE);
    SendMessageW(sheet->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    EXPECT_TRUE(HasUpdateRegion(sheet->WindowHandle()));
}

} // namespace
} // namespace veyra
