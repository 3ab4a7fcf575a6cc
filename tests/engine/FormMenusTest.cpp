// The menus of a framework form drawn by the skin: its popup menus (and
// those of the forms it owns) become owner-drawn with the skin's painter
// while the form is skinned with xcPopupMenu, except the tagged ones, and
// are given back exactly when skinning ends.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "MgrTestSupport.h"
#include "framework/CustomEdit.h"
#include "framework/CustomForm.h"
#include "framework/MainMenu.h"
#include "framework/PopupMenu.h"
#include "framework/ToolBar.h"
#include "skin/component/SkinData.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {
namespace {

TPopupMenu* NewMenu(TComponent* owner, std::int64_t tag, bool ownerDraw) {
    auto* menu = new TPopupMenu(owner);
    menu->SetTag(tag);
    menu->SetOwnerDraw(ownerDraw);
    auto* item = new TMenuItem(menu);
    item->SetCaption(L"&Copy");
    auto* sub = new TMenuItem(menu);
    sub->SetCaption(L"Deeper");
    item->Add(sub);
    menu->Items()->Add(item);
    return menu;
}

bool Skinned(const TPopupMenu& menu) {
    const TMenuItem* deepest = menu.Items()->Items(0)->Items(0);
    return menu.OwnerDraw() && deepest->OnDrawItem && deepest->OnMeasureItem;
}

TEST(FormMenus, PopupMenusAreDrawnByTheSkinWhileSkinnedAndGivenBackAfter) {
    auto skin = test::MakeTestSkin();
    for (const bool popupsOn : {true, false}) {
        SCOPED_TRACE(popupsOn ? "xcPopupMenu on" : "xcPopupMenu off");
        TSkinData data(nullptr);
        std::uint32_t kinds = data.SkinControls() | Bit(xcPopupMenu);
        if (!popupsOn)
            kinds &= ~Bit(xcPopupMenu);
        data.SetSkinControls(kinds);
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        form.HandleNeeded();
        auto* owned = new TForm(&form);
        TPopupMenu* plain = NewMenu(&form, 0, false);
        TPopupMenu* ownerDrawn = NewMenu(&form, 0, true);
        TPopupMenu* tagged = NewMenu(&form, data.DisableTag(), false);
        TPopupMenu* ofOwnedForm = NewMenu(owned, 0, false);
        TPopupMenu* freedEarly = NewMenu(&form, 0, false);

        auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
        skinned->SetSkinDefinition(skin.get());
        skinned->AttachToForm(&data, &form);
        EXPECT_EQ(Skinned(*plain), popupsOn);
        EXPECT_EQ(Skinned(*ownerDrawn), popupsOn);
        EXPECT_EQ(Skinned(*ofOwnedForm), popupsOn);
        EXPECT_FALSE(Skinned(*tagged));
        // A menu freed while skinned is forgotten, not given back.
        delete freedEarly;
        // An item added while skinned (deep down, with one of its own) is
        // the skin's to draw at once.
        auto* added = new TMenuItem(plain);
        auto* addedChild = new TMenuItem(plain);
        added->Add(addedChild);
        plain->Items()->Items(0)->Items(0)->Add(added);
        EXPECT_EQ(static_cast<bool>(added->OnDrawItem), popupsOn);
        EXPECT_EQ(static_cast<bool>(addedChild->OnMeasureItem), popupsOn);

        skinned->Unskin();
        for (TPopupMenu* menu : {plain, tagged, ofOwnedForm}) {
            EXPECT_FALSE(menu->OwnerDraw());
            EXPECT_FALSE(menu->Items()->Items(0)->Items(0)->OnDrawItem);
            EXPECT_FALSE(menu->OnItemsChanged);
        }
        plain->Items()->Add(new TMenuItem(plain));
        EXPECT_FALSE(added->OnDrawItem);
        EXPECT_FALSE(plain->Items()->Items(1)->OnDrawItem) << "nor added after skin-off";
        EXPECT_TRUE(ownerDrawn->OwnerDraw()) << "the application's own choice stays";
        EXPECT_FALSE(ownerDrawn->Items()->Items(0)->OnDrawItem);
        delete skinned;
    }
}

// The colour an item of the form's menu is painted in, asked of the form as
// the platform asks it, at the item's right end (clear of any text).
COLORREF DrawnByTheForm(HWND form, const TMenuItem& item) {
    DibSurface target(120, 20);
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = item.Command();
    request.itemData = item.Command();
    request.hDC = target.Dc();
    request.rcItem = RECT{0, 0, 120, 20};
    SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
    return GetPixel(target.Dc(), 116, 10);
}

// The menus a form's controls carry and, with xcMenuItem, the popups of its
// main menu are drawn by the skin, an application's own painter kept; an
// item added while skinned is drawn by the skin too, and skin-off gives
// every menu back.
TEST(FormMenus, ControlMenusAndMainMenuPopupsAreDrawnByTheSkinAndGivenBack) {
    auto skin = test::MakeTestSkin();
    skin->Colours.Menu = Rgb(1, 200, 3);
    TSkinData data(nullptr);
    data.SetSkinControls(
        (data.SkinControls() | Bit(xcMenuItem) | Bit(xcPopupMenu) | Bit(xcToolbar)) &
        ~Bit(xcMainMenu));
    TForm form(nullptr);
    form.SetBounds(60, 60, 400, 240);
    // Menus the form does not own: only the controls lead to them.
    std::unique_ptr<TPopupMenu> dropDown(NewMenu(nullptr, 0, false));
    std::unique_ptr<TPopupMenu> context(NewMenu(nullptr, 0, false));
    auto* bar = new TToolBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 380, 30);
    auto* button = new TToolButton(&form);
    button->SetCaption(L"Go");
    button->SetStyle(tbsDropDown);
    button->SetDropdownMenu(dropDown.get());
    bar->AddButton(button);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 50, 120, 24);
    edit->SetPopupMenu(context.get());

    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(menu);
    file->SetCaption(L"&File");
    auto* open = new TMenuItem(menu);
    open->SetCaption(L"&Open");
    auto* own = new TMenuItem(menu);
    own->SetCaption(L"Own");
    int ownPaints = 0;
    own->OnDrawItem = [&ownPaints](TObject*, HDC, const RECT&, bool) { ++ownPaints; };
    file->Add(open);
    file->Add(own);
    menu->Items()->Add(file);
    form.SetMenu(menu);
    form.Show();
    const COLORREF unskinned = DrawnByTheForm(form.Handle(), *open);

    auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(skin.get());
    skinned->AttachToForm(&data, &form);
    SendMessageW(form.Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    test::MgrTestPump(50);
    EXPECT_TRUE(Skinned(*dropDown)) << "a tool button's drop-down menu";
    EXPECT_TRUE(Skinned(*context)) << "a control's popup menu";
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_FALSE(file->OnDrawItem) << "the bar's own items stay the platform's";
    EXPECT_EQ(GetMenu(form.Handle()), menu->Handle()) << "the platform bar shows the menu";
    EXPECT_EQ(DrawnByTheForm(form.Handle(), *open), test::Ref(skin->Colours.Menu));
    DrawnByTheForm(form.Handle(), *own);
    EXPECT_EQ(ownPaints, 1) << "an item's own painter stays";

    // Added while skinned: the window gets the new menu by itself.
    auto* later = new TMenuItem(menu);
    later->SetCaption(L"Later");
    file->Add(later);
    test::MgrTestPump(50);
    EXPECT_EQ(GetMenuItemCount(file->Handle()), 3);
    EXPECT_EQ(DrawnByTheForm(form.Handle(), *later), test::Ref(skin->Colours.Menu));

    skinned->Unskin();
    EXPECT_FALSE(dropDown->OwnerDraw());
    EXPECT_FALSE(context->Items()->Items(0)->OnDrawItem);
    EXPECT_FALSE(menu->OwnerDraw());
    EXPECT_FALSE(open->OnDrawItem);
    EXPECT_TRUE(own->OnDrawItem);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(file->Handle(), 0, TRUE, &info));
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u) << "the platform draws its items again";
    EXPECT_NE(unskinned, test::Ref(skin->Colours.Menu));
    delete skinned;
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

// What the skinned bar showed each time the window heard of a new menu,
// and whether that menu was still alive then.
struct TBarMenuWatch {
    TWinSkinForm* Skinned = nullptr;
    std::vector<std::pair<HMENU, bool>> Seen;
};

LRESULT CALLBACK WatchBarMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    if (message == CM_MENUCHANGED && wParam == 0) {
        auto& watch = *reinterpret_cast<TBarMenuWatch*>(data);
        const HMENU shown =
            watch.Skinned->MenuBar() ? watch.Skinned->MenuBar()->MenuHandle() : nullptr;
        watch.Seen.emplace_back(shown, IsMenu(shown) != FALSE);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A framework form's main menu shows as the skinned bar, its items linked
// to the framework's; chosen from the keyboard, the item's OnClick runs once.
TEST(FormMenus, AFrameworkMainMenuIsTheSkinnedBarAndItsItemsRun) {
    auto skin = test::MakeTestSkin();
    TSkinData data(nullptr);
    TForm form(nullptr);
    form.SetBounds(80, 80, 360, 220);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(menu);
    file->SetCaption(L"&File");
    auto* open = new TMenuItem(menu);
    open->SetCaption(L"&Open");
    file->Add(open);
    auto* help = new TMenuItem(menu);
    help->SetCaption(L"&Help");
    menu->Items()->Add(file);
    menu->Items()->Add(help);
    form.SetMenu(menu);
    int clicks = 0;
    open->OnClick = [&clicks](TObject*) { ++clicks; };
    form.Show();
    auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(skin.get());
    skinned->AttachToForm(&data, &form);
    SendMessageW(form.Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    SetForegroundWindow(form.Handle());
    SetFocus(form.Handle());
    test::MgrTestPump(100);

    EXPECT_EQ(GetMenu(form.Handle()), nullptr);
    ASSERT_NE(skinned->MenuBar(), nullptr);
    const auto& items = skinned->MenuBar()->Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->MenuItem, file);
    EXPECT_EQ(items[1]->MenuItem, help);

    SendKey(VK_MENU, false);
    SendKey('F', false);
    SendKey('F', true);
    SendKey(VK_MENU, true);
    SendKey(VK_RETURN, false);
    SendKey(VK_RETURN, true);
    test::MgrTestPump(400);
    EXPECT_EQ(clicks, 1);

    // Changes to the items reach the skinned bar by themselves; the menu the
    // bar showed lives until the bar has the new one, and goes after.
    TBarMenuWatch watch;
    watch.Skinned = skinned;
    ASSERT_TRUE(
        SetWindowSubclass(form.Handle(), &WatchBarMenu, 1, reinterpret_cast<DWORD_PTR>(&watch)));
    const struct {
        const char* Change;
        std::function<void()> Make;
        std::vector<std::wstring> Bar;
    } changes[] = {
        {"an item added",
         [&] {
             auto* tools = new TMenuItem(menu);
             tools->SetCaption(L"&Tools");
             menu->Items()->Insert(1, tools);
         },
         {L"&File", L"&Tools", L"&Help"}},
        {"a caption changed",
         [&] { help->SetCaption(L"&About"); },
         {L"&File", L"&Tools", L"&About"}},
        {"an item hidden", [&] { file->SetVisible(false); }, {L"&Tools", L"&About"}},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.Change);
        watch.Seen.clear();
        change.Make();
        test::MgrTestPump(50);
        ASSERT_EQ(watch.Seen.size(), 1u);
        EXPECT_TRUE(watch.Seen[0].second) << "the bar's menu was destroyed under it";
        EXPECT_NE(skinned->MenuBar()->MenuHandle(), watch.Seen[0].first);
        EXPECT_FALSE(IsMenu(watch.Seen[0].first)) << "the replaced menu is never freed";
        EXPECT_EQ(GetMenu(form.Handle()), nullptr);
        std::vector<std::wstring> bar;
        for (const auto& item : skinned->MenuBar()->Items())
            bar.push_back(item->Caption);
        EXPECT_EQ(bar, change.Bar);
    }

    RemoveWindowSubclass(form.Handle(), &WatchBarMenu, 1);

    // A freed item is let go of at once, not at the rebuild its change posts.
    const TMenuBtn& about = *skinned->MenuBar()->Items().back();
    delete help;
    EXPECT_EQ(about.MenuItem, nullptr);
    test::MgrTestPump(50);

    skinned->Unskin();
    EXPECT_EQ(GetMenu(form.Handle()), menu->Handle());
    delete skinned;
}

} // namespace
} // namespace veyra
