// The menus of a framework form drawn by the skin: its popup menus (and
// those of the forms it owns) become owner-drawn with the skin's painter
// while the form is skinned with xcPopupMenu, except the tagged ones, and
// are given back exactly when skinning ends.
#include <windows.h>

#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "MgrTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/MainMenu.h"
#include "framework/PopupMenu.h"
#include "skin/component/SkinData.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

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

        skinned->Unskin();
        for (TPopupMenu* menu : {plain, tagged, ofOwnedForm}) {
            EXPECT_FALSE(menu->OwnerDraw());
            EXPECT_FALSE(menu->Items()->Items(0)->Items(0)->OnDrawItem);
        }
        EXPECT_TRUE(ownerDrawn->OwnerDraw()) << "the application's own choice stays";
        EXPECT_FALSE(ownerDrawn->Items()->Items(0)->OnDrawItem);
        delete skinned;
    }
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
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

    skinned->Unskin();
    EXPECT_EQ(GetMenu(form.Handle()), menu->Handle());
    delete skinned;
}

} // namespace
} // namespace veyra
