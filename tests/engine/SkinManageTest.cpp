#include <windows.h>
#include <gtest/gtest.h>

#include "MgrTestSupport.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

namespace veyra::test {
namespace {

using SkinManage = MgrTest;
using SkinManageTimer = MgrTest;

// A top-level window of a system class, made as if by another module of the
// process (its instance handle is user32's).
struct TForeignWindow {
    TForeignWindow(const wchar_t* cls, DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE)
        : Handle(CreateWindowExW(0, cls, L"Foreign", style, 10, 10, 200, 150, nullptr, nullptr,
                                 GetModuleHandleW(L"user32.dll"), nullptr)) {}
    ~TForeignWindow() {
        if (IsWindow(Handle))
            DestroyWindow(Handle);
    }
    HWND Handle;
};

// The manager switched on as the viewer does it: loaded, skin assigned,
// Active set before any window is activated.
TSkinData* SwitchedOnMainSkin(TComponent& owner) {
    TSkinData* skin = MgrTestSkinData(owner, sfMainform);
    skin->SetActive(true);
    return skin;
}

TEST_F(SkinManage, LoadedCreatesTheManagerAndItsHookAndSwitchingOnOnlyEnables) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform);
    TSkinManage* manager = TSkinManage::Instance();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_EQ(manager->MainSkinData(), skin);
    EXPECT_FALSE(manager->Enabled());
    EXPECT_EQ(manager->RunningState(), TRunningState::NotRunning);

    skin->SetActive(true);
    EXPECT_TRUE(manager->Enabled());
    EXPECT_EQ(manager->RunningState(), TRunningState::Running);
    EXPECT_FALSE(manager->TimerRunning())
        << "before the first activation nothing is posted to the timer";
    EXPECT_TRUE(manager->WindowObjects().empty());
    EXPECT_TRUE(manager->Engine().HideWhileSkinning);
}

TEST_F(SkinManage, SwitchingOffBeforeTheFirstActivationHidesNothing) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform);
    TSkinManage* manager = TSkinManage::Instance();
    manager->Post(TSkinRequest::SkinOn, 0, skin);
    manager->Post(TSkinRequest::SkinOff, 0, skin);
    EXPECT_FALSE(manager->Enabled());
    EXPECT_FALSE(manager->Engine().HideWhileSkinning);
}

TEST_F(SkinManage, FirstActivationAttachesTheFormAndPostsItsInitialisation) {
    TComponent holder(nullptr);
    SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    auto form = MgrTestForm(false);
    const HWND window = form->WindowHandle();
    EXPECT_EQ(manager->Find(window), nullptr);

    form->Show(); // the hook sees the activation
    TWinSkinForm* object = manager->Find(window);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Handle(), window);
    EXPECT_EQ(object->ClassNameText(), L"TForm");
    EXPECT_EQ(object->Control(), form.get());
    EXPECT_TRUE(MgrTestInitPosted(window));
    // The first window skinned after switching on is not drawn in the
    // platform's look: it shows once its skinned frame is in place.
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE);
    MgrTestPump(50);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(manager->Engine().HideWhileSkinning);

    // A second activation makes no second object.
    SetActiveWindow(GetDesktopWindow());
    form->Show();
    EXPECT_FALSE(manager->Attach(window));
    EXPECT_EQ(manager->WindowObjects().size(), 1u);
    EXPECT_EQ(manager->Find(window), object);
}

TEST_F(SkinManage, AttachedObjectsKnowTheirModuleAndHearOfNewSizeGrips) {
    TComponent holder(nullptr);
    SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    auto form = MgrTestForm(true);
    TWinSkinForm* object = manager->Find(form->WindowHandle());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Module(), manager->Module());

    // A plain scroll bar is not a size grip; one with the grip style is.
    const HWND bar =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 16, 80,
                        form->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(object->SizeGrip(), nullptr);
    const HWND grip =
        CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 16,
                        16, form->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(object->SizeGrip(), grip);
    DestroyWindow(grip);
    DestroyWindow(bar);
}

int gChildFrameRecalcs = 0;

LRESULT CALLBACK CountingMdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCALCSIZE)
        ++gChildFrameRecalcs;
    return DefMDIChildProcW(window, msg, wParam, lParam);
}

TEST_F(SkinManage, ChildWindowStateReachesMdiChildrenOnlyWhenItChanges) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    auto frame = MgrTestForm(true);
    const HWND client =
        CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 280, 150,
                        frame->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(client, nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingMdiChildProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeyraMgrTestMdiChild";
    RegisterClassW(&wc);
    const HWND child = CreateWindowExW(WS_EX_MDICHILD, wc.lpszClassName, L"Child",
                                       WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, 0, 150, 100, client,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    TWinSkinForm* object = manager->Find(child);
    ASSERT_NE(object, nullptr);
    ASSERT_EQ(object->Kind(), TWindowKind::MdiChild);
    SendMessageW(child, SKINMSG_INIT, 0, kSkinInitParam);

    // Each change makes the child work out its frame again; no change, no work.
    gChildFrameRecalcs = 0;
    manager->SetChildWindowState(true);
    EXPECT_TRUE(manager->ChildWindowState());
    EXPECT_EQ(gChildFrameRecalcs, 1);
    manager->SetChildWindowState(true);
    EXPECT_EQ(gChildFrameRecalcs, 1);
    manager->SetChildWindowState(false);
    EXPECT_EQ(gChildFrameRecalcs, 2);
    // With the platform border kept for MDI children, the state is only stored.
    skin->SetOptions(skin->Options() | Bit(xoMDIChildBorder));
    manager->SetChildWindowState(true);
    EXPECT_TRUE(manager->ChildWindowState());
    EXPECT_EQ(gChildFrameRecalcs, 2);
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    DestroyWindow(client);
}

TEST_F(SkinManage, AFormTaggedNinetyNineIsNeverSkinned) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    skin->SetDisableTag(5); // the form rule does not follow DisableTag
    auto form = MgrTestForm(true, 99);
    EXPECT_EQ(TSkinManage::Instance()->Find(form->WindowHandle()), nullptr);
    EXPECT_FALSE(TSkinManage::Instance()->Attach(form->WindowHandle()));
    auto plain = MgrTestForm(true, 98);
    EXPECT_NE(TSkinManage::Instance()->Find(plain->WindowHandle()), nullptr);
}

TEST_F(SkinManage, ANewWindowIsLeftAloneWhileSwitchedOffOrWithoutASkin) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform, /*loadSkin=*/false);
    skin->SetActive(true);
    EXPECT_FALSE(TSkinManage::Instance()->Enabled()) << "no skin held: switching on does nothing";
    auto form = MgrTestForm(true);
    EXPECT_EQ(TSkinManage::Instance()->Find(form->WindowHandle()), nullptr);

    TMgrTestSkinFile file;
    skin->SetSkinFile(file.Wide());
    EXPECT_FALSE(skin->NoSkin());
    EXPECT_FALSE(TSkinManage::Instance()->Enabled()) << "loading afterwards does not switch it on";
    EXPECT_FALSE(TSkinManage::Instance()->Attach(form->WindowHandle()));
}

TEST_F(SkinManage, AForeignWindowIsSkinnedOnlyWhenItIsADialog) {
    TComponent holder(nullptr);
    SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    TForeignWindow plain(L"Static");
    ASSERT_TRUE(plain.Handle);
    EXPECT_FALSE(manager->Attach(plain.Handle));
    EXPECT_EQ(manager->Find(plain.Handle), nullptr);

    TForeignWindow dialog(L"#32770");
    ASSERT_TRUE(dialog.Handle);
    EXPECT_TRUE(manager->Find(dialog.Handle) || manager->Attach(dialog.Handle));
    TWinSkinForm* object = manager->Find(dialog.Handle);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Control(), nullptr);
    EXPECT_EQ(object->ClassNameText(), L"#32770");

    TForeignWindow styled(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE | 0x200);
    EXPECT_FALSE(manager->Attach(styled.Handle)) << "a dialog with style bit 0x200 is left alone";
}

TEST_F(SkinManage, TheSkinDecisionHearsTheMainComponent) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    auto form = MgrTestForm(false);
    const HWND window = form->WindowHandle();
    EXPECT_TRUE(manager->SkinDecision(window, L"TForm"));
    EXPECT_TRUE(manager->SkinDecision(window, L"TPrintPreview")) << "xoPreview is on by default";
    skin->SetOptions(skin->Options() & ~Bit(xoPreview));
    EXPECT_FALSE(manager->SkinDecision(window, L"TPrintPreview"));
    EXPECT_FALSE(manager->SkinDecision(window, L"SysMonthCal32"));

    std::wstring asked;
    skin->OnFormSkin = [&](TObject*, const std::wstring& name, bool& doSkin) {
        asked = name;
        doSkin = name != L"TForm";
    };
    EXPECT_FALSE(manager->SkinDecision(window, L"TForm"));
    EXPECT_EQ(asked, L"TForm");
    EXPECT_EQ(skin->FormSkinWindow(), window);
    form->Show();
    EXPECT_EQ(manager->Find(window), nullptr) << "OnFormSkin refused it";
}

TEST_F(SkinManage, TheSkinComponentIsChosenByFormType) {
    auto owned = MgrTestForm(false);
    auto other = MgrTestForm(false);
    TComponent holder(nullptr);
    TSkinData* main1 = MgrTestSkinData(holder, sfMainform);
    TSkinData* dialog = MgrTestSkinData(holder, sfDialog);
    TSkinData* own = MgrTestSkinData(*owned, sfOnlyThisForm);
    TSkinManage* manager = TSkinManage::Instance();

    EXPECT_EQ(manager->ChooseSkinData(owned->WindowHandle(), L"TForm"), own);
    EXPECT_EQ(manager->ChooseSkinData(other->WindowHandle(), L"TForm"), main1);
    EXPECT_EQ(manager->ChooseSkinData(nullptr, L"#32770"), dialog);
    EXPECT_EQ(manager->ChooseSkinData(nullptr, L"TMessageForm"), dialog);
    EXPECT_EQ(manager->ChooseSkinData(nullptr, L"tmessageform"), dialog);

    TSkinData* main2 = MgrTestSkinData(holder, sfMainform);
    EXPECT_EQ(manager->ChooseSkinData(other->WindowHandle(), L"TForm"), main2)
        << "the last registered wins";
    EXPECT_EQ(manager->MainSkinData(), main1) << "the main component stays the first";
    TSkinData* dialog2 = MgrTestSkinData(holder, sfDialog);
    EXPECT_EQ(manager->ChooseSkinData(nullptr, L"#32770"), dialog2);

    delete main1;
    EXPECT_EQ(manager->MainSkinData(), main2) << "the next sfMainform takes over";
    EXPECT_FALSE(manager->IsRegistered(main1));
}

TEST_F(SkinManage, WithoutAMatchingTypeTheFirstRegisteredIsUsed) {
    TComponent holder(nullptr);
    EXPECT_EQ(TSkinManage::Create().ChooseSkinData(nullptr, L"TForm"), nullptr);
    TSkinData* first = MgrTestSkinData(holder, sfDLL);
    MgrTestSkinData(holder, sfDLL);
    EXPECT_EQ(TSkinManage::Instance()->ChooseSkinData(nullptr, L"TForm"), first);
    EXPECT_EQ(TSkinManage::Instance()->MainSkinData(), nullptr);
}

TEST_F(SkinManage, AnOnlyThisFormComponentSkinsItsOwnerWhenLoadedActive) {
    auto form = MgrTestForm(true);
    auto* skin = new TSkinData(form.get());
    skin->SetMessageSink([](std::string_view) {});
    skin->BeginLoading(); // as the form reader does
    skin->SetSkinFormtype(sfOnlyThisForm);
    skin->SetActive(true);
    const std::vector<std::uint8_t> packed = MgrTestPackedSkin();
    std::vector<std::uint8_t> stream{static_cast<std::uint8_t>(packed.size()),
                                     static_cast<std::uint8_t>(packed.size() >> 8), 0, 0};
    stream.insert(stream.end(), packed.begin(), packed.end());
    skin->SetSkinStream(stream);
    skin->Loaded();
    TSkinManage* manager = TSkinManage::Instance();
    EXPECT_TRUE(manager->Enabled());
    EXPECT_EQ(manager->RunningState(), TRunningState::Running);
    EXPECT_FALSE(manager->HookInstalled()) << "only the main-form type starts the hook";
    TWinSkinForm* object = manager->Find(form->WindowHandle());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->SkinData(), skin);
}

TEST_F(SkinManage, ShutdownGivesEveryWindowBackAndRemovesTheHook) {
    TComponent holder(nullptr);
    SwitchedOnMainSkin(holder);
    auto form = MgrTestForm(true);
    const HWND window = form->WindowHandle();
    ASSERT_NE(TSkinManage::Instance()->Find(window), nullptr);
    MgrTestPump(50);
    TSkinManage::Shutdown();
    EXPECT_EQ(TSkinManage::Instance(), nullptr);
    EXPECT_NE(SendMessageW(window, SKINMSG_ISSKINNED, 0, 0), 1) << "the window was given back";
    EXPECT_EQ(form->ComponentCount(), 0) << "the skinning object owned by the form is gone";
}

TEST_F(SkinManage, AnObjectFreedWithItsFormLeavesTheList) {
    TComponent holder(nullptr);
    SwitchedOnMainSkin(holder);
    auto form = MgrTestForm(true);
    ASSERT_EQ(TSkinManage::Instance()->WindowObjects().size(), 1u);
    form.reset();
    EXPECT_TRUE(TSkinManage::Instance()->WindowObjects().empty());
}

TEST_F(SkinManageTimer, SwitchingOffRunsFromTheTimerAndRestoresTheWindow) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    int changed = 0;
    skin->OnSkinChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, skin);
        ++changed;
    };
    auto form = MgrTestForm(true);
    const HWND window = form->WindowHandle();
    MgrTestPump(100); // the deferred initialisation runs
    RECT before{};
    ASSERT_NE(TSkinManage::Instance()->Find(window), nullptr);

    skin->SetActive(false);
    TSkinManage* manager = TSkinManage::Instance();
    EXPECT_EQ(manager->PendingRequest(), TSkinRequest::SkinOff);
    EXPECT_TRUE(manager->TimerRunning());
    EXPECT_NE(manager->Find(window), nullptr) << "not carried out at once";
    MgrTestPump(120);
    EXPECT_NE(manager->Find(window), nullptr) << "not before 250 ms";
    EXPECT_EQ(changed, 0);
    MgrTestPump(300);
    EXPECT_EQ(manager->Find(window), nullptr);
    EXPECT_FALSE(manager->Enabled());
    EXPECT_FALSE(manager->TimerRunning());
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(manager->RequestingComponent(), nullptr);
    GetWindowRect(window, &before);
    EXPECT_EQ(before.right - before.left, 300) << "the outer size is the one before skinning";
    EXPECT_EQ(before.bottom - before.top, 200);

    // Switching on again while running attaches the visible forms from the timer.
    skin->SetActive(true);
    EXPECT_EQ(manager->Find(window), nullptr);
    MgrTestPump(400);
    EXPECT_NE(manager->Find(window), nullptr);
    EXPECT_EQ(changed, 2);
}

TEST_F(SkinManageTimer, ALoadWhileRunningReskinsFromTheTimer) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    int changed = 0;
    skin->OnSkinChanged = [&](TObject*) { ++changed; };
    auto form = MgrTestForm(true);
    TMgrTestSkinFile file("veyra-mgr-reload.skn", "40,50,60");
    skin->SetSkinFile(file.Wide());
    TSkinManage* manager = TSkinManage::Instance();
    EXPECT_EQ(manager->PendingRequest(), TSkinRequest::SkinChanged);
    EXPECT_EQ(changed, 0);
    MgrTestPump(400);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(manager->PendingRequest(), TSkinRequest::None);
    EXPECT_NE(manager->Find(form->WindowHandle()), nullptr)
        << "a skin change keeps the window skinned";
}

TEST_F(SkinManageTimer, AFollowerReceivesSwitchOnLaterAndSwitchOffAtOnce) {
    TComponent holder(nullptr);
    TSkinData* skin = SwitchedOnMainSkin(holder);
    TSkinManage* leader = TSkinManage::Instance();
    TSkinManage* follower = TSkinManage::NewFollower(*leader, GetModuleHandleW(L"user32.dll"));
    EXPECT_EQ(follower->Leader(), leader);
    follower->SetRunningState(TRunningState::Running);

    skin->SetActive(false);
    EXPECT_FALSE(follower->Enabled()) << "switch-off reaches a follower at once";
    MgrTestPump(350);
    skin->SetActive(true);
    EXPECT_TRUE(follower->Enabled());
    EXPECT_EQ(follower->PendingRequest(), TSkinRequest::SkinOn);
    EXPECT_TRUE(follower->TimerRunning());
    MgrTestPump(200);
    EXPECT_EQ(follower->PendingRequest(), TSkinRequest::SkinOn) << "a follower waits 300 ms";
    // The leader's own switch-on, at 250 ms, passes it on once more.
    MgrTestPump(500);
    EXPECT_FALSE(follower->TimerRunning());
    EXPECT_EQ(follower->PendingRequest(), TSkinRequest::None) << "the follower ran its own request";

    TSkinManage::FreeFollower(follower);
    TSkinManage* second = TSkinManage::NewFollower(*leader, nullptr);
    TSkinManage::Shutdown(); // the leader unlinks what follows it
    EXPECT_EQ(second->Leader(), nullptr);
    TSkinManage::FreeFollower(second);
}

// An event handler may free the form being skinned, and the form frees its
// skinning object: the manager and the object let go without touching either.
TEST_F(SkinManage, AHandlerThatFreesTheFormDuringSkinningLeavesNothingBehind) {
    for (const bool before : {true, false}) {
        SCOPED_TRACE(before ? "before-skin handler" : "after-skin handler");
        TComponent holder(nullptr);
        TSkinData* skin = SwitchedOnMainSkin(holder);
        TSkinManage* manager = TSkinManage::Instance();
        auto form = MgrTestForm(false);
        const HWND window = form->WindowHandle();
        auto freeForm = [&form](TObject*, HWND, const std::wstring&) { form.reset(); };
        (before ? skin->OnBeforeSkinForm : skin->OnAfterSkinForm) = freeForm;

        const bool attached = manager->Attach(window);
        EXPECT_EQ(attached, !before);
        MgrTestPump(50); // the deferred initialisation raises the after-skin event
        EXPECT_EQ(form, nullptr);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(manager->Find(window), nullptr);
        EXPECT_TRUE(manager->WindowObjects().empty());
        skin->OnBeforeSkinForm = nullptr;
        skin->OnAfterSkinForm = nullptr;
        TSkinManage::Shutdown();
    }
}

TEST(SkinManagePopup, TheModeSaysWhichKindOfMenuIsSkinned) {
    const std::uint32_t popupOnly = Bit(xcPopupMenu);
    const std::uint32_t menuItems = Bit(xcMenuItem);
    const std::uint32_t mainMenu = Bit(xcMainMenu);
    const std::uint32_t systemMenu = Bit(xcSystemMenu);
    EXPECT_TRUE(TSkinManage::PopupModeAllows(TPopupMode::Context, popupOnly));
    EXPECT_FALSE(
        TSkinManage::PopupModeAllows(TPopupMode::Context, mainMenu | menuItems | systemMenu));
    EXPECT_TRUE(TSkinManage::PopupModeAllows(TPopupMode::MenuBar, mainMenu));
    EXPECT_TRUE(TSkinManage::PopupModeAllows(TPopupMode::MenuBar, menuItems));
    EXPECT_FALSE(TSkinManage::PopupModeAllows(TPopupMode::MenuBar, popupOnly | systemMenu));
    EXPECT_TRUE(TSkinManage::PopupModeAllows(TPopupMode::SystemMenu, systemMenu));
    EXPECT_FALSE(TSkinManage::PopupModeAllows(TPopupMode::SystemMenu, popupOnly | mainMenu));
    EXPECT_FALSE(TSkinManage::PopupModeAllows(static_cast<TPopupMode>(3), ~0u));
}

TEST_F(SkinManage, PopupMenusAreAttachedOnceAndForgottenWithTheirWindow) {
    TComponent holder(nullptr);
    TSkinData& data = *SwitchedOnMainSkin(holder);
    TSkinManage* manager = TSkinManage::Instance();
    manager->SetPopupMode(TPopupMode::SystemMenu);
    EXPECT_EQ(manager->PopupMode(), TPopupMode::SystemMenu);
    // A kind that is switched off leaves a new popup alone.
    data.SetSkinControls(data.SkinControls() & ~Bit(xcSystemMenu));
    TForeignWindow menu(L"#32768");
    ASSERT_TRUE(menu.Handle);
    EXPECT_FALSE(manager->IsPopupSkinned(menu.Handle));
    EXPECT_FALSE(manager->AttachPopup(menu.Handle));
    data.SetSkinControls(data.SkinControls() | Bit(xcSystemMenu));
    EXPECT_TRUE(manager->AttachPopup(menu.Handle));
    EXPECT_TRUE(manager->IsPopupSkinned(menu.Handle));
    EXPECT_EQ(SendMessageW(menu.Handle, SKINMSG_ISSKINNED, 0, 0), 1);
    EXPECT_FALSE(manager->AttachPopup(menu.Handle));
    manager->DetachPopup(menu.Handle);
    EXPECT_FALSE(manager->IsPopupSkinned(menu.Handle));
    EXPECT_NE(SendMessageW(menu.Handle, SKINMSG_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(manager->PopupMode(), TPopupMode::Context);
}

} // namespace
} // namespace veyra::test
