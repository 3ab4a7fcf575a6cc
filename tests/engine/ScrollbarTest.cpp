#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/ListBox.h"
#include "framework/ListView.h"
#include "framework/Memo.h"
#include "framework/ScrollBar.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

// Every frame of the test skin's strips is one colour of its own, so a
// pixel names the frame drawn there.
Colour ArrowColour(int frame) {
    return Rgb(200, 8 * frame, 40);
}
Colour TrackColour(int frame) {
    return Rgb(30, 60 * frame, 220);
}
Colour ThumbColour(int frame) {
    return Rgb(90 + 50 * frame, 20, 120);
}
constexpr Colour kFace = Rgb(10, 200, 30);
constexpr Colour kShadow = Rgb(70, 70, 90);

using test::Strip;

std::unique_ptr<TSkinDefinition> MakeScrollSkin() {
    auto skin = test::MakeTestSkin();
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    auto put = [&skin](const char* name, Bitmap image, int frames) {
        auto element = std::make_unique<TDataSkinObject>(name);
        element->Image = std::move(image);
        element->Frame = frames;
        skin->Put(std::move(element));
    };
    put("Scrollbar", Strip(23, a, a, &ArrowColour), 23);
    put("HorzScroll", Strip(4, 8, a, &TrackColour), 4);
    put("VertScroll", Strip(4, a, 8, &TrackColour), 4);
    put("HorzScrollThumb", Strip(3, 8, a, &ThumbColour), 3);
    put("VertScrollThumb", Strip(3, a, 8, &ThumbColour), 3);
    skin->Colours.ButtonFace = kFace;
    skin->Colours.ButtonShadow = kShadow;
    return skin;
}

using test::Ref;

// What a window (or its whole frame) shows now, read back from its DC;
// written to a file named after what was checked when a check fails.
class TShot {
public:
    TShot(HWND window, bool wholeWindow) : Window_(window) {
        RECT r{};
        wholeWindow ? GetWindowRect(window, &r) : GetClientRect(window, &r);
        Surface_ = std::make_unique<DibSurface>(std::max(1L, r.right - r.left),
                                                std::max(1L, r.bottom - r.top));
        const WindowDcScope dc(window, wholeWindow);
        BitBlt(Surface_->Dc(), 0, 0, Surface_->Width(), Surface_->Height(), dc.Get(), 0, 0,
               SRCCOPY);
    }
    COLORREF At(int x, int y) {
        const Pixel p = Surface_->Pixels().At(x, y);
        return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
    }
    // Checks one pixel; a miss leaves the picture in name.png.
    void Expect(int x, int y, Colour expected, const std::string& name) {
        const COLORREF seen = At(x, y);
        EXPECT_EQ(seen, Ref(expected)) << name << " at " << x << "," << y;
        if (seen != Ref(expected)) {
            const std::vector<std::uint8_t> png = WritePng(Surface_->Pixels());
            std::ofstream(name + ".png", std::ios::binary)
                .write(reinterpret_cast<const char*>(png.data()),
                       static_cast<std::streamsize>(png.size()));
        }
    }

private:
    HWND Window_;
    std::unique_ptr<DibSurface> Surface_;
};

// Real input: the pointer to a screen point, the left button down there,
// moved to another point and (unless held) up, all queued in one call.
void SendMouse(POINT down, POINT to, bool release = true) {
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    auto add = [&](POINT p, DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = p.x * 65535 / w;
        in.mi.dy = p.y * 65535 / h;
        in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        inputs.push_back(in);
    };
    add(down, 0);
    add(down, MOUSEEVENTF_LEFTDOWN);
    if (to.x != down.x || to.y != down.y) {
        add({(down.x + to.x) / 2, (down.y + to.y) / 2}, 0);
        add(to, 0);
    }
    if (release)
        add(to, MOUSEEVENTF_LEFTUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ReleaseButton() {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

// A stuck scroll loop fails the test instead of hanging it: after the
// time is up the button is let go from another thread.
class TWatchdog {
public:
    explicit TWatchdog(DWORD ms) : Done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        Thread_ = std::thread([this, ms] {
            if (WaitForSingleObject(Done_, ms) == WAIT_TIMEOUT) {
                Fired = true;
                ReleaseButton();
            }
        });
    }
    ~TWatchdog() {
        SetEvent(Done_);
        Thread_.join();
        CloseHandle(Done_);
    }
    std::atomic<bool> Fired{false};

private:
    HANDLE Done_;
    std::thread Thread_;
};

// Runs the thread's messages for a while: the scroll loops run in here.
void Settle(DWORD ms = 250) {
    test::PumpUntil([] { return false; }, ms);
}

std::function<void()>& PendingAction() {
    static std::function<void()> pending;
    return pending;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto run = std::move(PendingAction());
    PendingAction() = nullptr;
    if (run)
        run();
}

// A timer that runs once, from inside whatever loop handles the messages.
void After(UINT ms, std::function<void()> action) {
    PendingAction() = std::move(action);
    SetTimer(nullptr, 0, ms, &RunPendingAction);
}

int TopIndex(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
}

SCROLLBARINFO BarInfo(HWND window, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, object, &info);
    return info;
}

std::vector<std::wstring> Numbered(const wchar_t* prefix, int count) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(prefix + std::to_wstring(i) + L" a line long enough to need the side bar");
    return lines;
}

// Counts the overlays on a parent window.
int OverlaysOn(HWND parent, bool visibleOnly = false) {
    int count = 0;
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (std::wstring(name) == L"TWScrollbar" && (!visibleOnly || IsWindowVisible(child)))
            ++count;
    }
    return count;
}

// A shown form with a skinned form object over a skin whose scroll-bar
// frames are all told apart by colour.
class ScrollbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Skin = MakeScrollSkin();
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 640, 460);
        Form->HandleNeeded();
        ShowWindow(Form->Handle(), SW_SHOWNA);
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
        SkinForm->SetSkinDefinition(Skin.get());
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
    }
    TListBox* AddList(int left, int count = 100) {
        auto* list = new TListBox(Form);
        list->SetParent(Form);
        list->SetBounds(left, 10, 140, 200);
        list->SetItems(Numbered(L"item ", count));
        return list;
    }
    TScrollBar* AddBar(int left, int top, TScrollBarKind kind) {
        auto* bar = new TScrollBar(Form);
        bar->SetParent(Form);
        bar->SetKind(kind);
        if (kind == sbHorizontal)
            bar->SetBounds(left, top, 240, 17);
        else
            bar->SetBounds(left, top, 17, 200);
        bar->SetParams(0, 0, 100);
        bar->SetPageSize(10);
        bar->SetSmallChange(1);
        bar->SetLargeChange(10);
        return bar;
    }
    template <class T> T* Skinned(TWinControl* control) {
        auto* object = new T(control);
        object->AttachControl(SkinForm.get(), nullptr, false);
        return object;
    }

    std::unique_ptr<TSkinDefinition> Skin;
    TForm* Form = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
};

// The mechanism everything rests on: real input on a skinned bar moves the
// control exactly as the same input on an unskinned twin, for an arrow, a
// page and a thumb drag, on a built-in bar and on a scroll-bar control.
TEST_F(ScrollbarTest, RealInputScrollsAsOnTheUnskinnedControl) {
    TListBox* plainList = AddList(10);
    TListBox* skinnedList = AddList(160);
    TScrollBar* plainBar = AddBar(320, 10, sbHorizontal);
    TScrollBar* skinnedBar = AddBar(320, 40, sbHorizontal);
    Skinned<TSkinScrollbar>(skinnedList);
    Skinned<TSkinScControl>(skinnedBar);
    Settle(100);
    ASSERT_EQ(OverlaysOn(Form->Handle(), true), 2);

    struct TTwin {
        const char* Name;
        TWinControl* Plain;
        TWinControl* Skinned;
        std::function<int(TWinControl*)> Position;
        std::function<void(TWinControl*)> Reset;
        std::function<RECT(TWinControl*, TThumbSpan&)> Bar;
        bool Horizontal;
    };
    auto listPosition = [](TWinControl* c) { return TopIndex(c->Handle()); };
    auto listReset = [](TWinControl* c) { SendMessageW(c->Handle(), LB_SETTOPINDEX, 0, 0); };
    auto listBar = [](TWinControl* c, TThumbSpan& thumb) {
        const SCROLLBARINFO info = BarInfo(c->Handle(), OBJID_VSCROLL);
        thumb = {info.xyThumbTop, info.xyThumbBottom};
        return info.rcScrollBar;
    };
    auto barPosition = [](TWinControl* c) { return static_cast<TScrollBar*>(c)->Position(); };
    auto barReset = [](TWinControl* c) { static_cast<TScrollBar*>(c)->SetPosition(0); };
    auto barBar = [](TWinControl* c, TThumbSpan& thumb) {
        const SCROLLBARINFO info = BarInfo(c->Handle(), OBJID_CLIENT);
        thumb = {info.xyThumbTop, info.xyThumbBottom};
        RECT r{};
        GetWindowRect(c->Handle(), &r);
        return r;
    };
    const TTwin twins[] = {
        {"list box", plainList, skinnedList, listPosition, listReset, listBar, false},
        {"scroll bar", plainBar, skinnedBar, barPosition, barReset, barBar, true},
    };
    enum TAction { Arrow, Page, Thumb };
    for (const TTwin& twin : twins) {
        for (TAction action : {Arrow, Page, Thumb}) {
            int positions[2] = {};
            for (int i = 0; i < 2; ++i) {
                TWinControl* control = i == 0 ? twin.Plain : twin.Skinned;
                twin.Reset(control);
                Settle(50);
                TThumbSpan thumb;
                const RECT bar = twin.Bar(control, thumb);
                const int start = twin.Horizontal ? bar.left : bar.top;
                const int end = twin.Horizontal ? bar.right : bar.bottom;
                const int across =
                    twin.Horizontal ? (bar.top + bar.bottom) / 2 : (bar.left + bar.right) / 2;
                int at = end - 5;
                int to = at;
                if (action == Page)
                    at = to = end - GetSystemMetrics(SM_CXHSCROLL) - 6;
                else if (action == Thumb)
                    to = (at = start + (thumb.Start + thumb.End) / 2) + 40;
                auto point = [&](int v) {
                    return twin.Horizontal ? POINT{v, across} : POINT{across, v};
                };
                TWatchdog watchdog(5000);
                SendMouse(point(at), point(to));
                Settle();
                EXPECT_FALSE(watchdog.Fired) << twin.Name << " action " << action;
                positions[i] = twin.Position(control);
            }
            EXPECT_GT(positions[0], 0) << twin.Name << " action " << action;
            EXPECT_EQ(positions[1], positions[0]) << twin.Name << " action " << action;
        }
    }
}

// Frames in the pixels: normal, hot under the pointer, pressed while the
// platform's loop runs (arrow and thumb), the thumb mirrored during the
// drag, nothing hot after the loop, and a disabled bar's track.
TEST_F(ScrollbarTest, HotPressedAndDisabledFramesShowInThePixels) {
    TListBox* list = AddList(160);
    Skinned<TSkinScrollbar>(list);
    Settle(100);
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    TSkinScrollbar* skin = nullptr;
    for (TSkinControl* object : SkinForm->ControlObjects())
        skin = dynamic_cast<TSkinScrollbar*>(object) ? static_cast<TSkinScrollbar*>(object) : skin;
    ASSERT_TRUE(skin);
    TWScrollbar* overlay = skin->Overlays().Vert();
    ASSERT_TRUE(overlay && overlay->Shown());
    const HWND window = overlay->Handle();
    RECT client{};
    GetClientRect(window, &client);
    const int mid = client.right / 2;
    const int downArrow = client.bottom - a / 2;
    {
        TShot shot(window, false);
        shot.Expect(mid, a / 2, ArrowColour(9), "scroll-normal-up");
        shot.Expect(mid, downArrow, ArrowColour(13), "scroll-normal-down");
        shot.Expect(mid, client.bottom - a - 3, TrackColour(1), "scroll-normal-track");
        shot.Expect(mid, BarInfo(list->Handle(), OBJID_VSCROLL).xyThumbTop + 2, ThumbColour(1),
                    "scroll-normal-thumb");
    }
    POINT over{mid, downArrow};
    ClientToScreen(window, &over);
    SetCursorPos(over.x, over.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(mid, downArrow));
    TShot(window, false).Expect(mid, downArrow, ArrowColour(16), "scroll-hot-down");

    // Pressed, seen from inside the platform's loop.
    COLORREF pressedArrow = 0;
    After(150, [&] {
        pressedArrow = TShot(window, false).At(mid, downArrow);
        ReleaseButton();
    });
    {
        TWatchdog watchdog(5000);
        SendMouse(over, over, false);
        Settle(600);
        EXPECT_FALSE(watchdog.Fired);
    }
    EXPECT_EQ(pressedArrow, Ref(ArrowColour(14)));

    SendMessageW(list->Handle(), LB_SETTOPINDEX, 0, 0);
    Settle(50);
    const SCROLLBARINFO info = BarInfo(list->Handle(), OBJID_VSCROLL);
    POINT thumb{mid, (info.xyThumbTop + info.xyThumbBottom) / 2};
    ClientToScreen(window, &thumb);
    COLORREF pressedThumb = 0;
    COLORREF oldPlace = 0;
    int thumbAt = thumb.y + 30 - info.rcScrollBar.top; // in the overlay
    After(200, [&] {
        TShot shot(window, false);
        pressedThumb = shot.At(mid, thumbAt);
        oldPlace = shot.At(mid, info.xyThumbTop + 1);
        ReleaseButton();
    });
    {
        TWatchdog watchdog(5000);
        SendMouse(thumb, {thumb.x, thumb.y + 30}, false);
        Settle(700);
        EXPECT_FALSE(watchdog.Fired);
    }
    EXPECT_EQ(pressedThumb, Ref(ArrowColour(21)))
        << "the dragged thumb's grip, pressed, follows the pointer";
    EXPECT_EQ(oldPlace, Ref(TrackColour(1))) << "and has left its old place";
    EXPECT_FALSE(overlay->Pressed());

    list->SetEnabled(false);
    Settle(50);
    TShot disabled(window, false);
    disabled.Expect(mid, client.bottom - a - 3, TrackColour(3), "scroll-disabled-track");
    disabled.Expect(mid, BarInfo(list->Handle(), OBJID_VSCROLL).xyThumbTop + 2, TrackColour(3),
                    "scroll-disabled-no-thumb");
    disabled.Expect(mid, downArrow, ArrowColour(13), "scroll-disabled-arrow");
}

// The border, the corner box between two bars placed from where the bars
// really are (framework and bare windows, borders of 0, 1 and 2 pixels),
// overlays hidden with their window, and a new window covered again.
TEST_F(ScrollbarTest, BorderCornerVisibilityAndRecreation) {
    auto* memo = new TMemo(Form);
    memo->SetParent(Form);
    memo->SetBounds(10, 10, 200, 150);
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    memo->SetLines(Numbered(L"line ", 60));
    TSkinScrollbar* skin = Skinned<TSkinScrollbar>(memo);
    Settle(100);
    ASSERT_TRUE(skin->Overlays().Horz()->Shown() && skin->Overlays().Vert()->Shown());
    {
        TShot frame(memo->Handle(), true);
        const RECT corner = skin->Overlays().Corner();
        frame.Expect((corner.left + corner.right) / 2, (corner.top + corner.bottom) / 2, kFace,
                     "scroll-memo-corner");
        frame.Expect(0, 40, kShadow, "scroll-memo-border-outer");
        frame.Expect(1, 40, kFace, "scroll-memo-border-inner");
    }
    EXPECT_EQ(SendMessageW(memo->Handle(), SKINMSG_PAINTFRAME, 0, kSkinSignature), kSkinSignature);

    // Bare windows: the list box's own class, borders of 0, 1 and 2 pixels.
    for (const auto& [exStyle, style] :
         {std::pair<DWORD, DWORD>{0, 0}, {0, WS_BORDER}, {WS_EX_CLIENTEDGE, 0}}) {
        const HWND bare = CreateWindowExW(
            exStyle, L"LISTBOX", L"",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | style, 240,
            220, 150, 120, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < 50; ++i)
            SendMessageW(bare, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        SendMessageW(bare, LB_SETHORIZONTALEXTENT, 600, 0);
        auto* bareSkin = new TSkinScrollbarH(SkinForm.get());
        bareSkin->AttachHandle(bare, nullptr, SkinForm.get());
        RedrawWindow(bare, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Settle(50);
        const SCROLLBARINFO v = BarInfo(bare, OBJID_VSCROLL);
        const SCROLLBARINFO h = BarInfo(bare, OBJID_HSCROLL);
        RECT outer{};
        GetWindowRect(bare, &outer);
        TShot(bare, true)
            .Expect((v.rcScrollBar.left + v.rcScrollBar.right) / 2 - outer.left,
                    (h.rcScrollBar.top + h.rcScrollBar.bottom) / 2 - outer.top, kFace,
                    "scroll-bare-corner-" + std::to_string(exStyle + style));
        bareSkin->Detach();
        delete bareSkin;
        EXPECT_EQ(GetWindowLongPtrW(bare, GWL_STYLE) & WS_CLIPSIBLINGS, 0);
        DestroyWindow(bare);
    }

    memo->SetVisible(false);
    Settle(50);
    EXPECT_EQ(OverlaysOn(Form->Handle(), true), 0) << "hidden with their window";
    memo->SetVisible(true);
    Settle(50);
    EXPECT_EQ(OverlaysOn(Form->Handle(), true), 2);

    // A style change makes a new window; the overlays cover its bars.
    memo->SetScrollBars(ssVertical);
    Settle(100);
    ASSERT_FALSE(skin->Overlays().Horz()->Shown());
    ASSERT_TRUE(skin->Overlays().Vert()->Shown());
    RECT overlay{};
    GetWindowRect(skin->Overlays().Vert()->Handle(), &overlay);
    const RECT bar = BarInfo(memo->Handle(), OBJID_VSCROLL).rcScrollBar;
    EXPECT_TRUE(EqualRect(&overlay, &bar));
    EXPECT_EQ(GetWindow(memo->Handle(), GW_HWNDPREV), skin->Overlays().Vert()->Handle())
        << "just above its control";
    EXPECT_EQ(OverlaysOn(Form->Handle()), 2) << "the old window's overlays were freed";
}

// Switching the skin off gives the platform's bars back and on again
// covers them; a list view gets the overlays too; the program and the
// wheel move the drawn thumb without a scroll message.
TEST_F(ScrollbarTest, SkinOffAndOnKeysWheelAndListView) {
    TListBox* list = AddList(160);
    TSkinScrollbar* skin = Skinned<TSkinScrollbar>(list);
    Settle(50);
    SendMessageW(list->Handle(), SKINMSG_ENABLE, 0, 0);
    EXPECT_EQ(OverlaysOn(Form->Handle(), true), 0);
    SendMessageW(list->Handle(), SKINMSG_ENABLE, 1, 0);
    EXPECT_EQ(OverlaysOn(Form->Handle(), true), 1);

    const HWND overlay = skin->Overlays().Vert()->Handle();
    const int mid = GetSystemMetrics(SM_CXHSCROLL) / 2;
    const int before = BarInfo(list->Handle(), OBJID_VSCROLL).xyThumbTop;
    // The program moves the list without a scroll message.
    SendMessageW(list->Handle(), LB_SETTOPINDEX, 60, 0);
    const int after = BarInfo(list->Handle(), OBJID_VSCROLL).xyThumbTop;
    ASSERT_GT(after, before + 4);
    TShot(overlay, false).Expect(mid, after + 1, ThumbColour(1), "scroll-after-program");
    SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 3), 0);
    Settle(50);
    const int wheeled = BarInfo(list->Handle(), OBJID_VSCROLL).xyThumbTop;
    ASSERT_LT(wheeled, after);
    TShot(overlay, false).Expect(mid, wheeled + 1, ThumbColour(1), "scroll-after-wheel");

    skin->Detach();
    delete skin;
    EXPECT_EQ(OverlaysOn(Form->Handle()), 0) << "detached: the overlays are gone";

    auto* view = new TListView(Form);
    view->SetParent(Form);
    view->SetBounds(320, 10, 200, 150);
    view->SetViewStyle(vsReport);
    view->SetColumns({L"Code=120", L"Name=160", L"Price=90"});
    std::vector<std::wstring> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(L"60" + std::to_wstring(i) + L";Stock;12.5");
    view->SetItems(rows);
    TSkinListView* viewSkin = Skinned<TSkinListView>(view);
    Settle(100);
    EXPECT_TRUE(viewSkin->Overlays().Horz()->Shown());
    EXPECT_TRUE(viewSkin->Overlays().Vert()->Shown());
    EXPECT_NE(viewSkin->Header(), nullptr);
}

// The control is destroyed while its overlay hands a thumb drag to the
// platform's loop: the loop ends, nothing is touched afterwards, and the
// overlays go with the skin object.
TEST_F(ScrollbarTest, TheControlDestroyedWhileItsOverlayTracks) {
    TListBox* list = AddList(160);
    Skinned<TSkinScrollbar>(list);
    TScrollBar* bar = AddBar(320, 10, sbVertical);
    Skinned<TSkinScControl>(bar);
    Settle(100);
    ASSERT_EQ(OverlaysOn(Form->Handle(), true), 2);
    for (TWinControl* control : {static_cast<TWinControl*>(list), static_cast<TWinControl*>(bar)}) {
        const bool builtIn = control == list;
        const SCROLLBARINFO info =
            BarInfo(control->Handle(), builtIn ? OBJID_VSCROLL : OBJID_CLIENT);
        RECT r = info.rcScrollBar;
        if (!builtIn)
            GetWindowRect(control->Handle(), &r);
        const POINT thumb{(r.left + r.right) / 2,
                          r.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
        After(150, [control] { delete control; });
        TWatchdog watchdog(5000);
        SendMouse(thumb, {thumb.x, thumb.y + 20}, false);
        Settle(400);
        ReleaseButton();
        Settle(100);
        EXPECT_FALSE(watchdog.Fired) << (builtIn ? "built-in bar" : "scroll-bar control");
    }
    EXPECT_EQ(OverlaysOn(Form->Handle()), 0);
    EXPECT_TRUE(IsWindow(Form->Handle()));
}

// The map's rows reach the classes built here by framework ancestry.
TEST_F(ScrollbarTest, TheMapChoosesTheScrollBarClassesByAncestry) {
    TMapSettings settings;
    settings.SkinControls = Bit(xcScrollbar);
    TMemo memo(nullptr);
    TListBox list(nullptr);
    TListView view(nullptr);
    TScrollBar bar(nullptr);
    const std::pair<TControl*, TSkinClass> expected[] = {{&memo, TSkinClass::Scrollbar},
                                                         {&list, TSkinClass::Scrollbar},
                                                         {&view, TSkinClass::ListView},
                                                         {&bar, TSkinClass::ScControl}};
    for (const auto& [control, skinClass] : expected) {
        EXPECT_EQ(TControlMap::PlanControl(*control, settings).Attach.Class, skinClass)
            << control->ClassName();
        EXPECT_NE(TControlMap::Factory(skinClass), nullptr) << control->ClassName();
    }
}

} // namespace
} // namespace veyra
