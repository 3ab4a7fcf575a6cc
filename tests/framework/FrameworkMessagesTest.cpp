#include <gtest/gtest.h>

#include <algorithm>

#include "framework/Application.h"
#include "framework/CustomForm.h"
#include "framework/PageControl.h"
#include "framework/Screen.h"

namespace veyra {
namespace {

// Notes the framework messages a control receives; a chosen message can be
// answered (and kept from the control) with a non-zero result.
struct TFrameworkSpy {
    explicit TFrameworkSpy(TControl& control) : Control(control), Saved(control.WindowProc()) {
        control.SetWindowProc(TWndMethod::Of<&TFrameworkSpy::Hook>(this));
    }
    ~TFrameworkSpy() { Control.SetWindowProc(Saved); }
    void Hook(TMessage& message) {
        if (message.Msg >= CM_BASE && message.Msg < CN_BASE)
            Seen.push_back({message.Msg, message.LParam});
        else
            Platform.push_back(message.Msg);
        if (message.Msg == Answer) {
            message.Result = 1;
            return;
        }
        Saved(message);
    }
    int Count(UINT msg) const {
        return static_cast<int>(
            std::count_if(Seen.begin(), Seen.end(), [&](auto& m) { return m.first == msg; }));
    }
    TControl& Control;
    TWndMethod Saved;
    UINT Answer = 0;
    std::vector<std::pair<UINT, LPARAM>> Seen;
    std::vector<UINT> Platform;
};

struct TSpiedForm {
    TSpiedForm() {
        Form.SetBounds(0, 0, 300, 200);
        Pages = new TPageControl(&Form);
        Pages->SetParent(&Form);
        Pages->SetBounds(10, 10, 200, 100);
        Form.Show();
    }
    TForm Form{nullptr};
    TPageControl* Pages;
};

TEST(FrameworkMessages, MouseEnterAndLeaveAreSentOncePerVisit) {
    TSpiedForm f;
    TFrameworkSpy spy(*f.Pages);
    const HWND window = f.Pages->WindowHandle();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_TRUE(f.Pages->MouseInControl());
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(f.Pages->MouseInControl());
    EXPECT_EQ(spy.Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(spy.Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
}

TEST(FrameworkMessages, TheFormHearsWhichControlTookTheFocus) {
    TSpiedForm f;
    TFrameworkSpy spy(f.Form);
    SetFocus(f.Pages->WindowHandle());
    ASSERT_EQ(GetFocus(), f.Pages->WindowHandle());
    const auto it = std::find_if(spy.Seen.begin(), spy.Seen.end(),
                                 [](auto& m) { return m.first == CM_FOCUSCHANGED; });
    ASSERT_NE(it, spy.Seen.end());
    EXPECT_EQ(it->second, reinterpret_cast<LPARAM>(static_cast<TWinControl*>(f.Pages)));
}

TEST(FrameworkMessages, DialogKeysAndAltCharactersGoToTheFormFirst) {
    TSpiedForm f;
    TFrameworkSpy formSpy(f.Form);
    TFrameworkSpy pagesSpy(*f.Pages);
    const HWND window = f.Pages->WindowHandle();

    // Enter with no default button is a dialog key the form leaves alone.
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(window, WM_SYSCHAR, 'f', 1 << 29);
    PostMessageW(window, WM_KEYDOWN, 'A', 0);
    Application().ProcessMessages();
    EXPECT_EQ(formSpy.Count(CM_DIALOGKEY), 1);
    EXPECT_EQ(formSpy.Count(CM_DIALOGCHAR), 1);
    EXPECT_EQ(CM_DIALOGCHAR, 0xB006u);
    EXPECT_EQ(std::count(pagesSpy.Platform.begin(), pagesSpy.Platform.end(), WM_KEYDOWN), 2)
        << "keys the form leaves alone reach the control";

    // A form that answers the key keeps it from the control.
    formSpy.Answer = CM_DIALOGKEY;
    pagesSpy.Platform.clear();
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    Application().ProcessMessages();
    EXPECT_EQ(std::count(pagesSpy.Platform.begin(), pagesSpy.Platform.end(), WM_KEYDOWN), 0);
}

TEST(FrameworkMessages, ReleaseDestroysTheFormFromTheMessageLoop) {
    auto* form = new TForm(nullptr);
    form->Show();
    const HWND window = form->WindowHandle();
    const int before = Screen().FormCount();
    form->Release();
    EXPECT_TRUE(IsWindow(window)) << "not yet: the release waits for the queue";
    Application().ProcessMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Screen().FormCount(), before - 1);
}

TEST(FrameworkMessages, VisibilityAndEnablingAreAnnounced) {
    TSpiedForm f;
    TFrameworkSpy spy(*f.Pages);
    f.Pages->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(f.Pages->WindowHandle()));
    f.Pages->SetEnabled(false);
    EXPECT_EQ(spy.Count(CM_VISIBLECHANGED), 1);
    EXPECT_EQ(spy.Count(CM_ENABLEDCHANGED), 1);
    EXPECT_EQ(CM_ENABLEDCHANGED, 0xB00Cu);
}

} // namespace
} // namespace veyra
