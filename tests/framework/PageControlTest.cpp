#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/CustomForm.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"

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

} // namespace
} // namespace veyra
