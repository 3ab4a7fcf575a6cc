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

constexpr Pixel kPainted = PixelOf(Rgb(255, 128, 0));
constexpr Pixel kUntouched = PixelOf(Rgb(255, 0, 255));

// Notes every Paint and fills what it is asked to paint.
class TPaintRecorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    struct TCall {
        HDC Dc;
        RECT Clip;
    };
    std::vector<TCall> Calls;

protected:
    void Paint(HDC dc, const RECT& clip) override {
        Calls.push_back({dc, clip});
        const TGdiObject<HBRUSH> brush(CreateSolidBrush(RGB(255, 128, 0)));
        FillRect(dc, &clip, brush.Get());
    }
};

bool HasUpdateRegion(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

TEST(CustomControl, PaintsIntoTheDcOfWmPaintOrWhatBeginPaintGives) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* control = new TPaintRecorder(&form);
    control->SetParent(&form);
    control->SetBounds(10, 10, 100, 50);
    form.Show();
    const HWND window = control->Handle();
    ASSERT_TRUE(test::PumpUntil([&] { return !HasUpdateRegion(window); }));
    control->Calls.clear();

    // A DC in wParam: painted whole, and the window's own update region stays.
    RECT part{10, 10, 20, 20};
    InvalidateRect(window, &part, FALSE);
    DibSurface picture(100, 50);
    picture.Pixels().Fill(kUntouched);
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    ASSERT_EQ(control->Calls.size(), 1u);
    EXPECT_EQ(control->Calls[0].Dc, picture.Dc());
    const RECT client{0, 0, 100, 50};
    EXPECT_TRUE(EqualRect(&control->Calls[0].Clip, &client));
    EXPECT_TRUE(SameRgb(picture.Pixels().At(99, 49), kPainted));
    EXPECT_TRUE(HasUpdateRegion(window));

    // No DC: BeginPaint's, limited to what was invalid, which is then valid.
    UpdateWindow(window);
    ASSERT_EQ(control->Calls.size(), 2u);
    EXPECT_NE(control->Calls[1].Dc, picture.Dc());
    EXPECT_TRUE(EqualRect(&control->Calls[1].Clip, &part));
    EXPECT_FALSE(HasUpdateRegion(window));
}

TEST(WinControl, WmPaintWithADcDrawsACommonControlAndLeavesAPlainWindowAlone) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetBounds(0, 0, 200, 100);
    auto* sheet = new TTabSheet(&form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(L"Drawn");
    form.Show();
    ASSERT_TRUE(test::PumpUntil([&] { return !HasUpdateRegion(pages->Handle()); }));

    DibSurface picture(200, 100);
    picture.Pixels().Fill(kUntouched);
    SendMessageW(pages->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            changed += !SameRgb(picture.Pixels().At(x, y), kUntouched);
    EXPECT_GT(changed, 100) << "the tab control drew its tabs and frame into the DC";

    InvalidateRect(sheet->WindowHandle(), nullptr, FALSE);
    SendMessageW(sheet->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()), 0);
    EXPECT_TRUE(HasUpdateRegion(sheet->WindowHandle())) << "no BeginPaint on the page's window";
}

} // namespace
} // namespace veyra
