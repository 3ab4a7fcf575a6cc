#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/CustomControl.h"
#include "framework/CustomForm.h"
#include "framework/FormDescription.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/ImageList.h"
#include "framework/TabControl.h"
#include "framework/WindowClass.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {
namespace {

int Send(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return static_cast<int>(SendMessageW(window, msg, wParam, lParam));
}

std::wstring TabText(HWND window, int index) {
    wchar_t text[80] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 80;
    SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST(TabControl, TabsAndTabIndexReachTheWindowAndFollowTheUser) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 400);
    auto* tabs = new TTabControl(&form);
    tabs->SetParent(&form);
    tabs->SetBounds(8, 8, 300, 200);
    auto* inside = new TCustomControl(&form);
    inside->SetParent(tabs);
    inside->SetAlign(alClient);
    tabs->SetTabs({L"One", L"Two", L"Three"});
    EXPECT_EQ(tabs->TabIndex(), 0) << "the first tab of a control that had none";
    int changes = 0;
    tabs->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, tabs);
        ++changes;
    };
    const HWND window = tabs->Handle();
    EXPECT_EQ(ClassNameOf(window), L"TTabControl");
    ASSERT_EQ(Send(window, TCM_GETITEMCOUNT), 3);
    EXPECT_EQ(TabText(window, 1), L"Two");
    EXPECT_EQ(Send(window, TCM_GETCURSEL), 0);

    tabs->SetTabIndex(2);
    EXPECT_EQ(Send(window, TCM_GETCURSEL), 2);
    EXPECT_EQ(Send(window, TCM_GETCURFOCUS), 2) << "the focused tab follows code";
    tabs->SetTabIndex(3);
    EXPECT_EQ(tabs->TabIndex(), -1) << "no such tab selects none";
    EXPECT_EQ(Send(window, TCM_GETCURSEL), -1);
    tabs->SetTabIndex(2);
    tabs->SetTabs({L"A", L"B"});
    EXPECT_EQ(tabs->TabIndex(), 1) << "the last tab, once the selected one is gone";
    EXPECT_EQ(Send(window, TCM_GETCURSEL), 1);
    EXPECT_EQ(TabText(window, 0), L"A");
    EXPECT_EQ(changes, 0) << "code raises no OnChange";

    // The user's click.
    RECT r{};
    SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tabs->TabIndex(), 0);

    // Children are aligned in the display rectangle, wherever the tabs go.
    for (TTabPosition position : {tpBottom, tpLeft}) {
        tabs->SetTabPosition(position);
        const RECT display = tabs->DisplayRect();
        const RECT bounds = inside->BoundsRect();
        EXPECT_TRUE(EqualRect(&bounds, &display)) << position;
        EXPECT_EQ(GetParent(inside->WindowHandle()), tabs->WindowHandle());
        EXPECT_EQ(Send(tabs->WindowHandle(), TCM_GETCURSEL), 0) << "the selection stays";
        EXPECT_EQ(Send(tabs->WindowHandle(), TCM_GETITEMCOUNT), 2);
    }
    EXPECT_GT(tabs->DisplayRect().left, 0) << "left tabs";
}

TEST(TabControl, LoadsFromADescriptionWithItsImageList) {
    RegisterFrameworkClasses();
    TForm form(nullptr);
    TFormReader::Read(form, "object Form1: TForm\n"
                            "  object Tabs1: TTabControl\n"
                            "    Width = 300\n"
                            "    Height = 200\n"
                            "    Images = Images1\n"
                            "    TabIndex = 1\n"
                            "    TabPosition = tpRight\n"
                            "    MultiLine = True\n"
                            "    Tabs = (\n"
                            "      'x'\n"
                            "      'y')\n"
                            "  end\n"
                            "  object Images1: TImageList\n"
                            "    Width = 12\n"
                            "    Height = 10\n"
                            "  end\n"
                            "end\n");
    auto* tabs = As<TTabControl>(form.FindComponent("Tabs1"));
    auto* images = As<TImageList>(form.FindComponent("Images1"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(tabs->Images(), images);
    EXPECT_EQ(images->Width(), 12);
    const HWND window = tabs->Handle();
    EXPECT_EQ(Send(window, TCM_GETCURSEL), 1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(window, TCM_GETIMAGELIST, 0, 0)),
              images->Handle());
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (TCS_VERTICAL | TCS_RIGHT),
              static_cast<LONG_PTR>(TCS_VERTICAL | TCS_RIGHT));

    // The list goes before the control: the control forgets it.
    delete images;
    EXPECT_EQ(tabs->Images(), nullptr);
    EXPECT_EQ(SendMessageW(window, TCM_GETIMAGELIST, 0, 0), 0);
}

TEST(TabControl, ABadStoredIndexOrImageSizeIsCaught) {
    RegisterFrameworkClasses();
    TForm form(nullptr);
    TFormReader::Read(form, "object Form1: TForm\n"
                            "  object Tabs1: TTabControl\n"
                            "    TabIndex = 7\n"
                            "    Tabs = ('x')\n"
                            "  end\n"
                            "end\n");
    EXPECT_EQ(As<TTabControl>(form.FindComponent("Tabs1"))->TabIndex(), -1);

    TForm other(nullptr);
    try {
        TFormReader::Read(other, "object Form1: TForm\n"
                                 "  object Images1: TImageList\n"
                                 "    Width = 0\n"
                                 "  end\n"
                                 "end\n");
        ADD_FAILURE() << "a zero width was taken";
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_NE(std::string(e.what()).find("width must be 1 to 1024, not 0"), std::string::npos)
            << e.what();
    }
}

TEST(ImageList, AddsStripsIconsAndBitmapsAndRefusesWhatDoesNotFit) {
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.HandleAllocated()) << "made on first use";

    // Three images in one strip; the second one blue with a green top row,
    // the others red.
    Bitmap strip(24, 6, PixelFormat::Rgb24, PixelOf(Rgb(255, 0, 0)));
    for (int y = 0; y < 6; ++y)
        for (int x = 8; x < 16; ++x)
            strip.At(x, y) = PixelOf(y == 0 ? Rgb(0, 255, 0) : Rgb(0, 0, 255));
    EXPECT_EQ(list.Add(strip), 0);
    EXPECT_EQ(list.Count(), 3);
    DibSurface drawn(8, 6);
    ImageList_Draw(list.Handle(), 1, drawn.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_TRUE(SameRgb(drawn.Pixels().At(3, 5), PixelOf(Rgb(0, 0, 255))));
    EXPECT_TRUE(SameRgb(drawn.Pixels().At(3, 0), PixelOf(Rgb(0, 255, 0))));
    ImageList_Draw(list.Handle(), 2, drawn.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_TRUE(SameRgb(drawn.Pixels().At(0, 0), PixelOf(Rgb(255, 0, 0))));

    EXPECT_EQ(list.Add(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))), 3);
    const BitmapHandle pair(CreateBitmap(16, 6, 1, 32, nullptr));
    EXPECT_EQ(list.Add(pair.Get()), 4);
    EXPECT_EQ(list.Count(), 6);

    for (const Bitmap& wrong : {Bitmap(10, 6), Bitmap(8, 7), Bitmap(0, 6)})
        EXPECT_THROW(list.Add(wrong), std::invalid_argument)
            << wrong.Width() << " x " << wrong.Height();
    EXPECT_THROW(list.Add(static_cast<HBITMAP>(nullptr)), std::invalid_argument);
    EXPECT_EQ(list.Add(static_cast<HICON>(nullptr)), -1);
    for (int size : {0, -3, TImageList::kMaxSize + 1})
        EXPECT_THROW(list.SetWidth(size), std::invalid_argument) << size;
    EXPECT_EQ(list.Count(), 6) << "a refused change leaves the list";

    // A new size keeps the handle that controls may hold, and empties it.
    const HIMAGELIST handle = list.Handle();
    list.SetHeight(8);
    EXPECT_EQ(list.Handle(), handle);
    EXPECT_EQ(list.Count(), 0);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(handle, &cx, &cy);
    EXPECT_EQ(cx, 8);
    EXPECT_EQ(cy, 8);
}

} // namespace
} // namespace veyra
