#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CustomForm.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/ListBox.h"
#include "framework/ListView.h"
#include "framework/Memo.h"
#include "framework/ScrollBar.h"

namespace veyra {
namespace {

// A scroll-bar control moves itself on the notifications its parent
// reflects to it: by SmallChange, LargeChange, to either end, never past
// Max - PageSize + 1; OnScroll may change the move, OnChange follows it.
TEST(ScrollBar, MovesOnReflectedNotificationsWithinItsRange) {
    TForm form(nullptr);
    auto* bar = new TScrollBar(&form);
    bar->SetParent(&form);
    bar->SetKind(sbVertical);
    bar->SetBounds(8, 8, 17, 200);
    bar->SetParams(50, 0, 100);
    bar->SetPageSize(11);
    bar->SetSmallChange(3);
    bar->SetLargeChange(20);
    int changes = 0;
    bar->OnChange = [&changes](TObject*) { ++changes; };
    struct Case {
        int Code;
        int From;
        int Expected;
    } cases[] = {
        {SB_LINEUP, 50, 47},   {SB_LINEDOWN, 50, 53}, {SB_PAGEUP, 50, 30},
        {SB_PAGEDOWN, 50, 70}, {SB_PAGEDOWN, 85, 90}, {SB_PAGEUP, 5, 0},
        {SB_TOP, 50, 0},       {SB_BOTTOM, 50, 90},   {SB_ENDSCROLL, 50, 50},
    };
    for (const Case& c : cases) {
        bar->SetPosition(c.From);
        changes = 0;
        SendMessageW(form.Handle(), WM_VSCROLL, static_cast<WPARAM>(c.Code),
                     reinterpret_cast<LPARAM>(bar->Handle()));
        EXPECT_EQ(bar->Position(), c.Expected) << "code " << c.Code << " from " << c.From;
        EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), c.Expected) << "code " << c.Code;
        EXPECT_EQ(changes, c.Expected != c.From ? 1 : 0) << "code " << c.Code;
    }
    bar->OnScroll = [](TObject*, TScrollCode code, int& position) {
        if (code == scLineDown)
            position = 77;
    };
    SendMessageW(form.Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), 77);
    EXPECT_NE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBS_VERT, 0);
}

// Memo, list box, list view and scroll bar read from a description reach
// their windows, and what the user changed outlives a new window.
TEST(ScrollControls, DescriptionsReachTheWindowsAndSurviveRecreation) {
    RegisterFrameworkClasses();
    TForm form(nullptr);
    TFormReader::Read(form, "object Scrolls: TForm\n"
                            "  object Memo: TMemo\n"
                            "    Width = 200\n"
                            "    Height = 100\n"
                            "    ScrollBars = ssBoth\n"
                            "    WordWrap = False\n"
                            "    Lines = ('first' 'second')\n"
                            "  end\n"
                            "  object List: TListBox\n"
                            "    ItemIndex = 1\n"
                            "    ScrollWidth = 300\n"
                            "    Items = ('a' 'b' 'c')\n"
                            "  end\n"
                            "  object View: TListView\n"
                            "    ViewStyle = vsReport\n"
                            "    Columns = ('Code=70' 'Name')\n"
                            "    Items = ('600000;Bank' '600004;Airport;extra')\n"
                            "  end\n"
                            "  object Bar: TScrollBar\n"
                            "    Position = 40\n"
                            "    PageSize = 10\n"
                            "    Max = 50\n"
                            "  end\n"
                            "end\n");
    auto* memo = static_cast<TMemo*>(form.FindComponent("Memo"));
    auto* list = static_cast<TListBox*>(form.FindComponent("List"));
    auto* view = static_cast<TListView*>(form.FindComponent("View"));
    auto* bar = static_cast<TScrollBar*>(form.FindComponent("Bar"));
    ASSERT_TRUE(memo && list && view && bar);

    const LONG_PTR memoStyle = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
    EXPECT_EQ(memoStyle & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL),
              WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL);
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"first", L"second"}));
    SetWindowTextW(memo->Handle(), L"typed\r\nby hand");
    memo->SetScrollBars(ssVertical);
    EXPECT_EQ(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"typed", L"by hand"}));

    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_NE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    SendMessageW(list->Handle(), LB_SETCURSEL, 2, 0);
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(list->ItemIndex(), 2) << "the user's choice outlived the new window";

    const HWND header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 70);
    EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    wchar_t text[32] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(view->Handle(), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"Airport");

    EXPECT_EQ(bar->Position(), 40) << "read before its range, placed after loading";
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 40);
    bar->SetKind(sbVertical);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 40) << "a new window gets the range again";
}

} // namespace
} // namespace veyra
