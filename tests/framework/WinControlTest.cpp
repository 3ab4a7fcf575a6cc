#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <tuple>

#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/ControlAtom.h"
#include "framework/CustomEdit.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/PageControl.h"
#include "framework/Panel.h"
#include "framework/PropAccess.h"
#include "framework/RadioButton.h"
#include "framework/TabSheet.h"
#include "framework/WindowClass.h"

namespace veyra {
namespace {

// A form with one page control, built in code.
struct TPlainForm {
    TPlainForm() {
        Form.SetBounds(10, 10, 400, 300);
        Pages = new TPageControl(&Form);
        Pages->SetParent(&Form);
        Pages->SetBounds(8, 8, 300, 200);
    }
    TForm Form{nullptr};
    TPageControl* Pages;
};

TEST(WinControl, WindowClassIsNamedAfterTheFrameworkClassAndSuperclassesTheSystemControl) {
    TPlainForm f;
    const HWND pages = f.Pages->Handle();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(ClassNameOf(pages), L"TPageControl");
    EXPECT_EQ(ClassNameOf(f.Form.Handle()), L"TForm");
    EXPECT_EQ(GetParent(pages), f.Form.WindowHandle());
    // The system tab control behind it answers its own messages.
    auto* sheet = new TTabSheet(&f.Form);
    sheet->SetPageControl(f.Pages);
    sheet->SetCaption(L"Alpha");
    EXPECT_EQ(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(ClassNameOf(sheet->Handle()), L"TTabSheet");
}

TEST(WinControl, ControlOfsPropertyFindsTheObjectOfAWindow) {
    TPlainForm f;
    const HWND pages = f.Pages->Handle();

    wchar_t expected[64];
    std::swprintf(
        expected, 64, L"ControlOfs%08X%08X",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
        static_cast<unsigned>(GetCurrentThreadId()));
    EXPECT_EQ(TControlAtom::Name(), expected);
    for (const wchar_t* p = expected + 10; *p; ++p)
        EXPECT_TRUE((*p >= L'0' && *p <= L'9') || (*p >= L'A' && *p <= L'F'))
            << "upper-case hexadecimal";

    // Anyone in the process can find the object the way the skin engine does.
    const ATOM atom = GlobalFindAtomW(expected);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(GetPropW(pages, MAKEINTATOM(atom)), static_cast<TWinControl*>(f.Pages));
    EXPECT_EQ(GetPropW(f.Form.Handle(), MAKEINTATOM(atom)), static_cast<TWinControl*>(&f.Form));
    EXPECT_EQ(RegisterWindowMessageW(expected), TControlAtom::Message());
    EXPECT_EQ(TWinControl::FromHandle(pages), f.Pages);
    EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);

    // A destroyed window no longer leads to the object, whoever destroyed it.
    f.Pages->DestroyHandle();
    EXPECT_FALSE(IsWindow(pages));
    EXPECT_EQ(f.Pages->WindowHandle(), nullptr);
    EXPECT_EQ(TWinControl::FromHandle(pages), nullptr);
    const HWND form = f.Form.WindowHandle();
    DestroyWindow(form);
    EXPECT_EQ(f.Form.WindowHandle(), nullptr);
    EXPECT_EQ(TWinControl::FromHandle(form), nullptr);

    // The property is what counts, however it was stored: the engine finds
    // an object that other code put on a window, and nothing once it is gone.
    TForm other(nullptr);
    const HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(TWinControl::FromHandle(plain), nullptr);
    SetPropW(plain, MAKEINTATOM(atom), static_cast<TWinControl*>(&other));
    EXPECT_EQ(TWinControl::FromHandle(plain), &other);
    RemovePropW(plain, MAKEINTATOM(atom));
    EXPECT_EQ(TWinControl::FromHandle(plain), nullptr);
    DestroyWindow(plain);
}

// A hook that notes every message and passes it on to what was there before.
struct TMessageSpy {
    explicit TMessageSpy(TControl& control) : Control(control), Saved(control.WindowProc()) {
        control.SetWindowProc(TWndMethod::Of<&TMessageSpy::Hook>(this));
    }
    void Hook(TMessage& message) {
        Seen.push_back(message.Msg);
        Saved(message);
    }
    void Restore() { Control.SetWindowProc(Saved); }
    TControl& Control;
    TWndMethod Saved;
    std::vector<UINT> Seen;
};

TEST(WinControl, WindowProcCanBeReplacedChainedAndRestoredExactly) {
    TPlainForm f;
    f.Pages->HandleNeeded();
    const TWndMethod original = f.Pages->WindowProc();
    EXPECT_EQ(original, f.Pages->DefaultWindowProc());

    TMessageSpy outer(*f.Pages);
    EXPECT_NE(f.Pages->WindowProc(), original);
    TMessageSpy inner(*f.Pages);
    EXPECT_EQ(inner.Saved, TWndMethod::Of<&TMessageSpy::Hook>(&outer))
        << "the inner hook saved the outer one";

    // Window messages and framework messages both go through the hooks.
    SendMessageW(f.Pages->WindowHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
    f.Pages->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(f.Pages->WindowHandle()))
        << "CM_ENABLEDCHANGED reached the control";
    const std::vector<UINT> expected{WM_SETTEXT, CM_ENABLEDCHANGED};
    for (UINT msg : expected) {
        EXPECT_NE(std::find(inner.Seen.begin(), inner.Seen.end(), msg), inner.Seen.end())
            << std::hex << msg;
        EXPECT_NE(std::find(outer.Seen.begin(), outer.Seen.end(), msg), outer.Seen.end())
            << std::hex << msg;
    }

    inner.Restore();
    EXPECT_EQ(f.Pages->WindowProc(), TWndMethod::Of<&TMessageSpy::Hook>(&outer));
    outer.Restore();
    EXPECT_EQ(f.Pages->WindowProc(), original);
    const std::size_t before = outer.Seen.size();
    f.Pages->Perform(WM_NULL);
    EXPECT_EQ(outer.Seen.size(), before) << "a restored hook is out of the chain";
}

TEST(WinControl, ParentReflectsNotificationsAsCnNotify) {
    TPlainForm f;
    f.Pages->HandleNeeded();
    TMessageSpy spy(*f.Pages);
    NMHDR header{f.Pages->WindowHandle(), 0, static_cast<UINT>(NM_CLICK)};
    SendMessageW(f.Form.WindowHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_NE(std::find(spy.Seen.begin(), spy.Seen.end(), CN_NOTIFY), spy.Seen.end());
    EXPECT_EQ(CN_NOTIFY, 0xBC4Eu);
    spy.Restore();
}

TEST(WinControl, AnErrorInAHandlerReachesTheErrorHandlerNotThePlatform) {
    test::TMessageBoxRecorder boxes;
    TPlainForm f;
    f.Pages->HandleNeeded();
    struct TThrower {
        void Hook(TMessage& message) {
            if (message.Msg == WM_USER + 5)
                throw std::runtime_error("handler failed");
            Saved(message);
        }
        TWndMethod Saved;
    } thrower{f.Pages->WindowProc()};
    f.Pages->SetWindowProc(TWndMethod::Of<&TThrower::Hook>(&thrower));
    EXPECT_EQ(SendMessageW(f.Pages->WindowHandle(), WM_USER + 5, 0, 0), 0);
    ASSERT_EQ(boxes.Messages.size(), 1u);
    EXPECT_EQ(boxes.Messages[0], L"handler failed.");
    f.Pages->SetWindowProc(thrower.Saved);
}

// Tab moves the focus along the tab order, into containers, past controls
// that cannot take it and to the checked button of a radio group only.
TEST(WinControl, TabMovesTheFocusAlongTheTabOrder) {
    TForm form(nullptr);
    form.SetBounds(10, 10, 400, 300);
    const auto add = [&form](TControl* control, TWinControl* parent, int top) {
        control->SetParent(parent);
        control->SetBounds(10, top, 100, 22);
        return control;
    };
    auto* panel = static_cast<TPanel*>(add(new TPanel(&form), &form, 100));
    panel->SetHeight(120);
    TControl* controls[] = {
        add(new TEdit(&form), &form, 10),        // 0
        add(new TButton(&form), &form, 40),      // 1: moved last below
        add(new TEdit(&form), panel, 5),         // 2
        add(new TEdit(&form), panel, 30),        // 3: disabled
        add(new TRadioButton(&form), panel, 55), // 4: unchecked, its group has a checked one
        add(new TRadioButton(&form), panel, 80), // 5: checked
        add(new TEdit(&form), &form, 70),        // 6
    };
    static_cast<TWinControl*>(controls[1])->SetTabOrder(99);
    panel->SetTabOrder(1); // 0, the panel's 2 to 5, 6, 1
    controls[3]->SetEnabled(false);
    static_cast<TRadioButton*>(controls[5])->SetChecked(true);
    form.Show();
    const auto handle = [&controls](int i) {
        return static_cast<TWinControl*>(controls[i])->WindowHandle();
    };
    // Forward from each control, by the Tab key through the message loop.
    const int forward[][2] = {{0, 2}, {2, 5}, {5, 6}, {6, 1}, {1, 0}};
    for (const auto& step : forward) {
        SetFocus(handle(step[0]));
        PostMessageW(handle(step[0]), WM_KEYDOWN, VK_TAB, 0);
        Application().ProcessMessages();
        EXPECT_EQ(GetFocus(), handle(step[1])) << "Tab from " << step[0];
    }
    // Backwards, as Shift+Tab asks.
    const int backward[][2] = {{0, 1}, {1, 6}, {6, 5}, {5, 2}, {2, 0}};
    for (const auto& step : backward) {
        SetFocus(handle(step[0]));
        EXPECT_TRUE(form.SelectNext(static_cast<TWinControl*>(controls[step[0]]), false));
        EXPECT_EQ(GetFocus(), handle(step[1])) << "Shift+Tab from " << step[0];
    }
}

// A page control that remembers the size its window was made with.
class TSizeRecordingPages : public TPageControl {
public:
    using TPageControl::TPageControl;
    SIZE MadeWith{-1, -1};

protected:
    void CreateParams(TCreateParams& params) override {
        TPageControl::CreateParams(params);
        MadeWith = SIZE{params.Width, params.Height};
    }
};

TEST(WinControl, ClientAlignedChildrenFillAndAnchoredChildrenKeepTheirMargins) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 400);
    auto* top = new TPageControl(&form);
    top->SetParent(&form);
    top->SetHeight(50);
    top->SetAlign(alTop);
    auto* fill = new TSizeRecordingPages(&form);
    fill->SetParent(&form);
    fill->SetAlign(alClient);
    form.HandleNeeded();
    const SIZE client = form.ClientSize();
    EXPECT_EQ(top->BoundsRect().bottom, 50);
    EXPECT_EQ(top->Width(), client.cx);
    EXPECT_EQ(fill->Top(), 50);
    EXPECT_EQ(fill->Height(), client.cy - 50);
    // Laid out for the form's real client area before it was made, not
    // made and then moved.
    EXPECT_EQ(fill->MadeWith.cx, client.cx);
    EXPECT_EQ(fill->MadeWith.cy, client.cy - 50);

    // Anchored on all sides: the margins to the client edges stay.
    fill->SetAlign(alNone);
    top->SetAlign(alNone);
    fill->SetBounds(8, 60, client.cx - 8 - 17, client.cy - 60 - 13);
    fill->SetAnchors(akLeft | akTop | akRight | akBottom);
    top->SetAnchors(akRight | akBottom);
    const RECT topBefore = top->BoundsRect();
    SetWindowPos(form.WindowHandle(), nullptr, 0, 0, 640, 520, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE grown = form.ClientSize();
    EXPECT_EQ(grown.cx - client.cx, 140);
    EXPECT_EQ(fill->Left(), 8);
    EXPECT_EQ(fill->Top(), 60);
    EXPECT_EQ(grown.cx - fill->BoundsRect().right, 17);
    EXPECT_EQ(grown.cy - fill->BoundsRect().bottom, 13);
    RECT onScreen{};
    GetWindowRect(fill->WindowHandle(), &onScreen);
    EXPECT_EQ(onScreen.right - onScreen.left, fill->Width()) << "the window itself was resized";
    EXPECT_EQ(top->Width(), topBefore.right - topBefore.left)
        << "right and bottom anchors move, not stretch";
    EXPECT_EQ(top->Left(), topBefore.left + 140);
    EXPECT_EQ(top->Top(), topBefore.top + (grown.cy - client.cy));
}

TEST(WinControl, DestroyingAParentDestroysItsChildrenAndTheirWindows) {
    auto* form = new TForm(nullptr);
    auto* pages = new TPageControl(nullptr); // owned by nobody, parented to the form
    pages->SetParent(form);
    const HWND window = pages->Handle();
    ASSERT_TRUE(IsWindow(window));
    delete form;
    EXPECT_FALSE(IsWindow(window));
}

TEST(WinControl, RecreateWndMakesNewWindowsKeepsTheStateAndAHookSeesBothSides) {
    TPlainForm f;
    auto* sheet = new TTabSheet(&f.Form);
    sheet->SetPageControl(f.Pages);
    auto* below = new TPageControl(&f.Form);
    below->SetParent(&f.Form);
    f.Form.Show();
    const HWND old = f.Pages->Handle();
    SetFocus(old);
    ASSERT_EQ(GetFocus(), old);
    ASSERT_EQ(GetWindow(old, GW_HWNDNEXT), below->WindowHandle());

    // A hook in front sees the old window before it passes the message on and the new one after.
    std::vector<HWND> seen;
    TWndMethod saved = f.Pages->WindowProc();
    test::THook hook(*f.Pages, [&](TMessage& message) {
        if (message.Msg != CM_RECREATEWND)
            return false;
        seen.push_back(f.Pages->WindowHandle());
        saved(message);
        seen.push_back(f.Pages->WindowHandle());
        return true;
    });
    f.Pages->RecreateWnd();
    const HWND now = f.Pages->WindowHandle();
    EXPECT_FALSE(IsWindow(old));
    ASSERT_TRUE(IsWindow(now));
    EXPECT_EQ(seen, (std::vector<HWND>{old, now}));

    // Place, tabs, pages, focus and the place among the siblings are kept.
    EXPECT_EQ(f.Pages->BoundsRect().right, 308);
    RECT place{};
    GetWindowRect(now, &place);
    MapWindowPoints(HWND_DESKTOP, f.Form.WindowHandle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 8);
    EXPECT_EQ(place.right, 308);
    EXPECT_EQ(SendMessageW(now, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(TWinControl::FromHandle(now), f.Pages);
    EXPECT_EQ(GetParent(sheet->WindowHandle()), now);
    EXPECT_TRUE(IsWindowVisible(sheet->WindowHandle()));
    EXPECT_EQ(GetFocus(), now);
    EXPECT_EQ(GetWindow(now, GW_HWNDNEXT), below->WindowHandle());

    // The right-to-left modes are window styles, so a change recreates.
    ASSERT_TRUE(SetPropText(f.Pages, "BiDiMode", L"bdRightToLeftNoAlign"));
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(GetWindowLongPtrW(f.Pages->WindowHandle(), GWL_EXSTYLE) &
                  (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT),
              WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
}

TEST(WinControl, ButtonDownMessagesRaiseOnMouseDownWithButtonKeysAndPlace) {
    TPlainForm f;
    const struct {
        UINT Msg;
        WPARAM Keys;
        int X, Y;
        TMouseButton Button;
        TShiftState Shift;
    } cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, 10, 12, mbLeft, ssLeft},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 3, 4, mbRight, ssRight | ssShift},
        {WM_MBUTTONDOWN, MK_MBUTTON | MK_CONTROL, 0, 49, mbMiddle, ssMiddle | ssCtrl},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, -5, -7, mbLeft, ssLeft | ssDouble},
        {WM_LBUTTONUP, 0, 1, 1, mbLeft, 0}, // no event
    };
    std::vector<std::tuple<TObject*, TMouseButton, TShiftState, int, int>> downs;
    f.Pages->OnMouseDown = [&](TObject* sender, TMouseButton button, TShiftState shift, int x,
                               int y) { downs.emplace_back(sender, button, shift, x, y); };
    for (const auto& c : cases) {
        downs.clear();
        SendMessageW(f.Pages->Handle(), c.Msg, c.Keys,
                     MAKELPARAM(static_cast<WORD>(c.X), static_cast<WORD>(c.Y)));
        if (c.Msg == WM_LBUTTONUP)
            EXPECT_TRUE(downs.empty());
        else
            EXPECT_EQ(downs, (std::vector{std::tuple{static_cast<TObject*>(f.Pages), c.Button,
                                                     c.Shift, c.X, c.Y}}))
                << std::hex << c.Msg;
    }
}

} // namespace
} // namespace veyra
