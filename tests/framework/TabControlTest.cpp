#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "framework/CustomControl.h"
#include "framework/CustomForm.h"
#include "framework/FormDescription.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/ImageList.h"
#include "framework/PropAccess.h"
#include "framework/TabControl.h"
#include "framework/WindowClass.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {
namespace {

int Ask(const TTabControl& tabs, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return static_cast<int>(SendMessageW(tabs.WindowHandle(), msg, wParam, lParam));
}

TEST(TabControl, TabsAndTabIndexReachTheWindowAndFollowTheUser) {
    TForm form(nullptr);
    auto* tabs = new TTabControl(&form);
    tabs->SetParent(&form);
    tabs->SetBounds(8, 8, 300, 200);
    auto* inside = new TCustomControl(&form);
    inside->SetParent(tabs);
    inside->SetAlign(alClient);
    tabs->SetTabs({L"One", L"Two", L"Three"});
    EXPECT_EQ(tabs->TabIndex(), 0) << "the first tab of a control that had none";
    int changes = 0;
    tabs->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(ClassNameOf(tabs->Handle()), L"TTabControl");
    EXPECT_EQ(Ask(*tabs, TCM_GETITEMCOUNT), 3);

    // Code: a tab that is not there selects none; fewer tabs keep the index in range.
    for (const auto& [index, expected] : {std::pair{2, 2}, {3, -1}, {-7, -1}, {2, 2}}) {
        tabs->SetTabIndex(index);
        EXPECT_EQ(tabs->TabIndex(), expected) << index;
        EXPECT_EQ(Ask(*tabs, TCM_GETCURSEL), expected) << index;
    }
    EXPECT_EQ(Ask(*tabs, TCM_GETCURFOCUS), 2) << "the focused tab follows code";
    tabs->SetTabs({L"A", L"B"});
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(changes, 0) << "code raises no OnChange";

    // The user's click.
    RECT r{};
    SendMessageW(tabs->WindowHandle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 4, r.top + 4);
    SendMessageW(tabs->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tabs->WindowHandle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tabs->TabIndex(), 0);

    // Its children are aligned in the display rectangle, also after a new window.
    tabs->SetTabPosition(tpLeft);
    const RECT display = tabs->DisplayRect(), bounds = inside->BoundsRect();
    EXPECT_GT(display.left, 4);
    EXPECT_TRUE(EqualRect(&bounds, &display));
    EXPECT_EQ(GetParent(inside->WindowHandle()), tabs->WindowHandle());
    EXPECT_EQ(Ask(*tabs, TCM_GETCURSEL), 0);
}

// Every control that shows an image list forgets one that goes first, also
// one with another owner (the form tells only its own components).
TEST(ImageListHolders, ForgetAListThatGoesFirst) {
    RegisterFrameworkClasses();
    for (const std::string holderClass : {"TBitBtn", "THeaderControl", "TTabControl", "TToolBar"}) {
        TForm form(nullptr);
        TFormReader::Read(form, "object Form1: TForm\n  object Holder1: " + holderClass +
                                    "\n  end\nend\n");
        TComponent* holder = form.FindComponent("Holder1");
        const TPropInfo* property = FindPropInfo(holder, "Images");
        ASSERT_TRUE(property && property->SetObject) << holderClass;
        auto* images = new TImageList(nullptr);
        property->SetObject(*holder, images);
        EXPECT_EQ(GetObjectPropOf(holder, "Images", TImageList::StaticClass()), images)
            << holderClass;
        delete images;
        EXPECT_EQ(GetObjectPropOf(holder, "Images", TImageList::StaticClass()), nullptr)
            << holderClass;
    }
}

TEST(TabControl, LoadsFromADescriptionWithItsImageListAndRefusesBadValues) {
    RegisterFrameworkClasses();
    TForm form(nullptr);
    TFormReader::Read(form, "object Form1: TForm\n"
                            "  object Tabs1: TTabControl\n"
                            "    Images = Images1\n"
                            "    TabIndex = 1\n"
                            "    TabPosition = tpRight\n"
                            "    Tabs = (\n"
                            "      'x'\n"
                            "      'y')\n"
                            "  end\n"
                            "  object Images1: TImageList\n"
                            "    Width = 12\n"
                            "  end\n"
                            "end\n");
    auto* tabs = As<TTabControl>(form.FindComponent("Tabs1"));
    auto* images = As<TImageList>(form.FindComponent("Images1"));
    ASSERT_TRUE(tabs && images);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(images->Width(), 12);
    tabs->HandleNeeded();
    EXPECT_EQ(Ask(*tabs, TCM_GETCURSEL), 1);
    EXPECT_EQ(
        reinterpret_cast<HIMAGELIST>(SendMessageW(tabs->WindowHandle(), TCM_GETIMAGELIST, 0, 0)),
        images->Handle());
    EXPECT_EQ(GetWindowLongPtrW(tabs->WindowHandle(), GWL_STYLE) & (TCS_VERTICAL | TCS_RIGHT),
              static_cast<LONG_PTR>(TCS_VERTICAL | TCS_RIGHT));
    delete images;
    EXPECT_EQ(tabs->Images(), nullptr) << "the control forgets a list that goes first";
    EXPECT_EQ(Ask(*tabs, TCM_GETIMAGELIST), 0);

    TForm other(nullptr);
    TFormReader::Read(other, "object Form1: TForm\n  object Tabs1: TTabControl\n"
                             "    TabIndex = 7\n    Tabs = ('x')\n  end\nend\n");
    EXPECT_EQ(As<TTabControl>(other.FindComponent("Tabs1"))->TabIndex(), -1);
    TForm third(nullptr);
    EXPECT_THROW(TFormReader::Read(third, "object Form1: TForm\n  object I: TImageList\n"
                                          "    Width = 0\n  end\nend\n"),
                 EFormDescriptionError);
}

TEST(ImageList, AddsStripsIconsAndBitmapsAndRefusesWhatDoesNotFit) {
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    EXPECT_FALSE(list.HandleAllocated()) << "made on first use";

    // Three images in one strip; the second one blue with a green top row,
    // the others red.
    Bitmap strip(24, 6, PixelFormat::Rgb24, PixelOf(Rgb(255, 0, 0)));
    for (int y = 0; y < 6; ++y)
        for (int x = 8; x < 16; ++x)
            strip.At(x, y) = PixelOf(y == 0 ? Rgb(0, 255, 0) : Rgb(0, 0, 255));
    EXPECT_EQ(list.Add(strip), 0);
    DibSurface drawn(8, 6);
    ImageList_Draw(list.Handle(), 1, drawn.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_TRUE(SameRgb(drawn.Pixels().At(3, 0), PixelOf(Rgb(0, 255, 0))));
    EXPECT_TRUE(SameRgb(drawn.Pixels().At(3, 5), PixelOf(Rgb(0, 0, 255))));

    EXPECT_EQ(list.Add(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))), 3);
    EXPECT_EQ(list.Count(), 4);
    for (const Bitmap& wrong : {Bitmap(10, 6), Bitmap(8, 7), Bitmap(0, 6)})
        EXPECT_THROW(list.Add(wrong), std::invalid_argument)
            << wrong.Width() << "x" << wrong.Height();
    for (int size : {0, -3, TImageList::kMaxSize + 1})
        EXPECT_THROW(list.SetWidth(size), std::invalid_argument) << size;
    EXPECT_EQ(list.Count(), 4) << "a refused change leaves the list";

    // A new size keeps the handle that controls may hold, and empties it.
    const HIMAGELIST handle = list.Handle();
    list.SetHeight(8);
    EXPECT_EQ(list.Handle(), handle);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace veyra
