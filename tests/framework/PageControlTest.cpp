#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "framework/TextConv.h"

namespace veyra {
namespace {

struct TPagesForm {
    TPagesForm() {
        Form.SetBounds(0, 0, 600, 400);
        Pages = new TPageControl(&Form);
        Pages->SetParent(&Form);
        Pages->SetBounds(8, 8, 500, 300);
        for (const wchar_t* caption : {L"First", L"Second", L"Third"}) {
            auto* sheet = new TTabSheet(&Form);
            sheet->SetPageControl(Pages);
            sheet->SetCaption(caption);
            sheet->SetName(WideToUtf8(caption));
            sheet->SetImageIndex(Pages->PageCount() - 1);
            Sheets.push_back(sheet);
        }
        Form.HandleNeeded();
    }
    std::wstring TabText(int index) const {
        wchar_t text[80] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text;
        item.cchTextMax = 80;
        SendMessageW(Pages->WindowHandle(), TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        LastImage = item.iImage;
        return text;
    }
    void ClickTab(int index) const {
        RECT r{};
        SendMessageW(Pages->WindowHandle(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(Pages->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Pages->WindowHandle(), WM_LBUTTONUP, 0, at);
    }
    // The window's answer to a query without parameters (TCM_GETCURSEL ...).
    int Ask(UINT msg) const {
        return static_cast<int>(SendMessageW(Pages->WindowHandle(), msg, 0, 0));
    }
    bool Alive(const char* name) const { return Form.FindComponent(name) != nullptr; }
    TForm Form{nullptr};
    TPageControl* Pages;
    std::vector<TTabSheet*> Sheets;
    mutable int LastImage = -2;
};

TEST(PageControl, TabsShowTheSheetsCaptionsAndImagesInOrder) {
    TPagesForm f;
    ASSERT_EQ(SendMessageW(f.Pages->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(f.TabText(0), L"First");
    EXPECT_EQ(f.LastImage, 0);
    EXPECT_EQ(f.TabText(2), L"Third");
    EXPECT_EQ(f.LastImage, 2);
    f.Sheets[1]->SetCaption(L"Renamed");
    EXPECT_EQ(f.TabText(1), L"Renamed");
    EXPECT_EQ(f.Sheets[2]->PageIndex(), 2);
}

TEST(PageControl, ClickingATabShowsItsSheetAndHidesTheOthers) {
    TPagesForm f;
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[0]);
    int changes = 0;
    f.Pages->OnChange = [&](TObject*) { ++changes; };
    f.ClickTab(2);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[2]);
    EXPECT_EQ(SendMessageW(f.Pages->WindowHandle(), TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(IsWindowVisible(f.Sheets[2]->WindowHandle()) ||
                !IsWindowVisible(f.Form.WindowHandle()));
    EXPECT_TRUE(f.Sheets[2]->Visible());
    EXPECT_FALSE(f.Sheets[0]->Visible());
    EXPECT_FALSE(GetWindowLongPtrW(f.Sheets[0]->WindowHandle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongPtrW(f.Sheets[2]->WindowHandle(), GWL_STYLE) & WS_VISIBLE);
}

TEST(PageControl, SheetsFillTheDisplayArea) {
    TPagesForm f;
    RECT display{};
    GetClientRect(f.Pages->WindowHandle(), &display);
    SendMessageW(f.Pages->WindowHandle(), TCM_ADJUSTRECT, FALSE,
                 reinterpret_cast<LPARAM>(&display));
    for (TTabSheet* sheet : f.Sheets) {
        const RECT r = sheet->BoundsRect();
        EXPECT_TRUE(EqualRect(&r, &display)) << sheet->Caption();
    }
    EXPECT_GT(display.top, 0) << "the tabs are above the pages";
}

TEST(PageControl, ActivePageFollowsCodeAndRemoval) {
    TPagesForm f;
    f.Pages->SetActivePageIndex(1);
    EXPECT_EQ(SendMessageW(f.Pages->WindowHandle(), TCM_GETCURSEL, 0, 0), 1);
    delete f.Sheets[1];
    EXPECT_EQ(f.Pages->PageCount(), 2);
    EXPECT_EQ(SendMessageW(f.Pages->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[2]) << "the next page takes over";
    EXPECT_EQ(f.TabText(1), L"Third");
    f.Pages->SetActivePageIndex(7);
    EXPECT_EQ(f.Pages->ActivePage(), nullptr);
}

TEST(PageControl, TabPositionAndStyleReachTheLiveWindowAndThePagesFollow) {
    const struct {
        TTabPosition Position;
        TTabStyle Style;
        bool MultiLine;
        DWORD Bits;
    } cases[] = {
        {tpTop, tsTabs, false, 0},
        {tpBottom, tsTabs, false, TCS_BOTTOM},
        {tpLeft, tsTabs, false, TCS_VERTICAL | TCS_MULTILINE},
        {tpRight, tsTabs, false, TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE},
        {tpTop, tsButtons, true, TCS_BUTTONS | TCS_MULTILINE},
        {tpBottom, tsFlatButtons, false, TCS_BOTTOM | TCS_BUTTONS | TCS_FLATBUTTONS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << c.Position << ", style " << c.Style);
        TPagesForm f;
        f.Pages->SetActivePageIndex(1);
        const HWND before = f.Pages->WindowHandle();
        f.Pages->SetTabPosition(c.Position);
        f.Pages->SetStyle(c.Style);
        f.Pages->SetMultiLine(c.MultiLine);
        const HWND window = f.Pages->WindowHandle();
        EXPECT_EQ(window != before, c.Bits != 0) << "a new window only for a change";
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) &
                      (TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE | TCS_BUTTONS | TCS_FLATBUTTONS),
                  c.Bits);
        // What is asked of the platform too: Wine adds TCS_MULTILINE to
        // vertical tabs by itself, Windows does not.
        EXPECT_EQ(TCustomTabControl::TabStyleBits(c.Position, c.Style, c.MultiLine), c.Bits);
        // Tabs and selection came over; the focused tab, which a skinned
        // strip lights, is the selected one.
        EXPECT_EQ(f.Ask(TCM_GETITEMCOUNT), 3);
        EXPECT_EQ(f.TabText(2), L"Third");
        EXPECT_EQ(f.Ask(TCM_GETCURSEL), 1);
        EXPECT_EQ(f.Ask(TCM_GETCURFOCUS), 1);

        // The tabs are on the asked side of the display rectangle, which every page fills.
        RECT display{}, tab{};
        GetClientRect(window, &display);
        SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
        const bool outside[] = {tab.bottom <= display.top, tab.top >= display.bottom,
                                tab.right <= display.left, tab.left >= display.right};
        EXPECT_TRUE(outside[c.Position]);
        for (TTabSheet* sheet : f.Sheets) {
            const RECT bounds = sheet->BoundsRect();
            EXPECT_TRUE(EqualRect(&bounds, &display)) << sheet->Name();
        }
        RECT placed{};
        GetWindowRect(f.Sheets[1]->WindowHandle(), &placed);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_TRUE(EqualRect(&placed, &display));
        EXPECT_TRUE(GetWindowLongPtrW(f.Sheets[1]->WindowHandle(), GWL_STYLE) & WS_VISIBLE);
    }
}

TEST(PageControl, FreePageLeavesTheControlConsistentWhereverItIsCalledFrom) {
    enum TCaller { FromOutside, FromThePageControlsHook, FromThePagesOwnHandler };
    for (TCaller caller : {FromOutside, FromThePageControlsHook, FromThePagesOwnHandler}) {
        SCOPED_TRACE(testing::Message() << "caller " << caller);
        TPagesForm f;
        f.Pages->SetActivePageIndex(1);
        int countInside = -1;
        const auto freeActive = [&](TMessage& message) {
            if (message.Msg != WM_LBUTTONDOWN)
                return false;
            f.Pages->FreePage(f.Pages->ActivePageIndex());
            countInside = f.Pages->PageCount();
            return true; // a close box keeps the click from the control
        };
        if (caller == FromOutside) {
            f.Pages->FreePage(-1); // no such pages: nothing happens
            f.Pages->FreePage(3);
            f.Pages->FreePage(1);
        } else if (caller == FromThePageControlsHook) {
            test::THook closeBox(*f.Pages, freeActive);
            f.ClickTab(1);
            EXPECT_EQ(countInside, 2);
        } else {
            auto button = std::make_unique<test::THook>(*f.Sheets[1], freeActive);
            const HWND page = f.Sheets[1]->WindowHandle();
            SendMessageW(page, WM_LBUTTONDOWN, 0, 0);
            EXPECT_EQ(countInside, 2);
            EXPECT_TRUE(f.Alive("Second")) << "its handler was running: the page waits";
            EXPECT_FALSE(IsWindowVisible(page));
            button.reset();
            EXPECT_TRUE(test::PumpUntil([&] { return !f.Alive("Second"); }));
            EXPECT_FALSE(IsWindow(page));
        }
        EXPECT_FALSE(f.Alive("Second"));
        EXPECT_EQ(f.Pages->PageCount(), 2);
        EXPECT_EQ(f.Ask(TCM_GETITEMCOUNT), 2);
        EXPECT_EQ(f.TabText(1), L"Third");
        EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[2]) << "the next page takes over";
        EXPECT_EQ(f.Ask(TCM_GETCURFOCUS), 1);
        EXPECT_TRUE(f.Sheets[2]->Visible());
    }
}

TEST(PageControl, AStyleChangeInsideTheControlsOwnHandlerWaitsForTheMessageLoop) {
    TPagesForm f;
    const HWND old = f.Pages->WindowHandle();
    // The platform's tab control is still handling the click when OnChange
    // runs: its window must not go under it.
    f.Pages->OnChange = [&](TObject*) { f.Pages->SetTabPosition(tpBottom); };
    f.ClickTab(1);
    EXPECT_EQ(f.Pages->WindowHandle(), old);
    ASSERT_TRUE(test::PumpUntil([&] { return f.Pages->WindowHandle() != old; }));
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(GetWindowLongPtrW(f.Pages->WindowHandle(), GWL_STYLE) & TCS_BOTTOM);
    EXPECT_EQ(f.Ask(TCM_GETCURSEL), 1);
    EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[1]);
}

} // namespace
} // namespace veyra
