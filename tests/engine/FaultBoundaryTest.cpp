#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <tuple>

#include "MgrTestSupport.h"
#include "framework/Button.h"
#include "framework/EngineTestSupport.h"
#include "skin/form/GuardedEntry.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/FaultSeamWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"

// Whatever the code around the engine throws, and whatever platform call
// fails under it, no exception leaves a window procedure, no message reaches
// the window's own handling twice, the window stays usable, and switching
// the skin off gives it back exactly as it was.
namespace veyra {
namespace {

namespace fs = std::filesystem;
using faults::TPlatformCall;

// What skinning may change about a window and must give back.
struct TWindowShape {
    LONG_PTR Style = 0, ExStyle = 0, Proc = 0;
    RECT Outer{}, Client{};
    bool HasRegion = false;

    explicit TWindowShape(HWND window)
        : Style(GetWindowLongPtrW(window, GWL_STYLE)),
          ExStyle(GetWindowLongPtrW(window, GWL_EXSTYLE)),
          Proc(GetWindowLongPtrW(window, GWLP_WNDPROC)) {
        GetWindowRect(window, &Outer);
        GetClientRect(window, &Client);
        const RegionHandle region(CreateRectRgn(0, 0, 0, 0));
        HasRegion = GetWindowRgn(window, region.Get()) != ERROR;
    }
    auto Tie() const {
        return std::tuple(Style, ExStyle, Proc, Outer.left, Outer.top, Outer.right, Outer.bottom,
                          Client.right, Client.bottom, HasRegion);
    }
    bool operator==(const TWindowShape& other) const { return Tie() == other.Tie(); }
};

std::ostream& operator<<(std::ostream& out, const TWindowShape& s) {
    return out << std::hex << "style " << s.Style << " ex " << s.ExStyle << " proc " << s.Proc
               << std::dec << " outer " << s.Outer.left << "," << s.Outer.top << ","
               << s.Outer.right << "," << s.Outer.bottom << " client " << s.Client.right << "x"
               << s.Client.bottom << " region " << s.HasRegion;
}

// A control's own handling, hooked in before the engine comes: it counts
// the messages it is given and, when asked, throws once it has handled one,
// so the engine meets the throw coming back from the previous handler.
class TOwnHandler {
public:
    explicit TOwnHandler(TControl& control) : Control_(control), Saved_(control.WindowProc()) {
        control.SetWindowProc(TWndMethod::Of<&TOwnHandler::Run>(this));
    }
    ~TOwnHandler() { Control_.SetWindowProc(Saved_); }
    TOwnHandler(const TOwnHandler&) = delete;
    TOwnHandler& operator=(const TOwnHandler&) = delete;

    std::map<UINT, int> Seen;
    int Thrown = 0;
    std::function<bool(UINT)> ThrowsOn = [](UINT) { return false; };
    TWndMethod Installed() { return TWndMethod::Of<&TOwnHandler::Run>(this); }

private:
    void Run(TMessage& message) {
        ++Seen[message.Msg];
        Saved_(message);
        if (ThrowsOn(message.Msg)) {
            ++Thrown;
            throw std::runtime_error("the control's own handler failed");
        }
    }
    TControl& Control_;
    TWndMethod Saved_;
};

// A shown form with a button, each with its own handler, and a switched-off
// skin component holding the product's default skin.
struct TRig {
    test::TMessageBoxRecorder Boxes; // what reaches the framework is reported, not shown
    TComponent Holder{nullptr};
    std::unique_ptr<TForm> Form = test::MgrTestForm(false);
    TButton* Button = new TButton(Form.get());
    TOwnHandler FormOwn{*Form};
    std::unique_ptr<TOwnHandler> ButtonOwn;
    TSkinData* Skin = new TSkinData(&Holder);

    TRig() {
        Button->SetParent(Form.get());
        Button->SetCaption(L"Button");
        Button->SetBounds(20, 20, 100, 30);
        Button->HandleNeeded();
        ButtonOwn = std::make_unique<TOwnHandler>(*Button);
        Skin->SetMessageSink([](std::string_view) {});
        Skin->SetSkinFormtype(sfMainform);
        Skin->Loaded();
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        Skin->SetSkinFile(
            (fs::path(self).parent_path().parent_path() / "skins" / "default.skn").wstring());
        Form->Show();
    }
    HWND Window() const { return Form->WindowHandle(); }
    TWinSkinForm* Object() const {
        TSkinManage* manager = TSkinManage::Instance();
        return manager ? manager->Find(Window()) : nullptr;
    }
    bool Skinned() const { return Object() && Object()->InitDone(); }
};

// What a user does to the window: resize (and back, so that switching off
// can be compared with the start), repaint everything, switch away and back.
void UseTheWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    for (const SIZE size : {SIZE{420, 260}, SIZE{r.right - r.left, r.bottom - r.top}})
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::PumpUntil([] { return false; }, 30);
}

bool CaptionAnswersHtCaption(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = r.top; y < r.top + 40; ++y)
        if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM((r.left + r.right) / 2, y)) ==
            HTCAPTION)
            return true;
    return false;
}

struct TFaultCase {
    const char* Name;
    // Sets the fault up before the skin is switched on.
    std::function<void(TRig&)> Arm;
    // The platform call made to fail, if any.
    std::optional<TPlatformCall> Fails;
    // Whether the form is skinned with the fault in place.
    bool Skinned = true;
};

// Outside code may throw anything, not only standard exceptions.
void Throw() {
    throw 42;
}

const TFaultCase kCases[] = {
    {"OnSkinControl", [](TRig& r) { r.Skin->OnSkinControl = [](auto&&...) { Throw(); }; },
     std::nullopt, true},
    {"OnBeforeSkinForm", [](TRig& r) { r.Skin->OnBeforeSkinForm = [](auto&&...) { Throw(); }; },
     std::nullopt, false},
    {"OnAfterSkinForm", [](TRig& r) { r.Skin->OnAfterSkinForm = [](auto&&...) { Throw(); }; },
     std::nullopt, true},
    {"the form's own handler",
     [](TRig& r) {
         r.FormOwn.ThrowsOn = [](UINT msg) {
             return msg == WM_SIZE || msg == WM_SETTEXT || msg == WM_NCACTIVATE ||
                    msg == WM_WINDOWPOSCHANGED || msg == WM_ERASEBKGND;
         };
     },
     std::nullopt, true},
    {"the button's WindowProc",
     [](TRig& r) {
         r.ButtonOwn->ThrowsOn = [](UINT msg) {
             return msg == WM_PAINT || msg == WM_SETTEXT || msg == WM_ERASEBKGND ||
                    msg == WM_MOUSEMOVE;
         };
     },
     std::nullopt, true},
    {"CreateDIBSection", [](TRig&) {}, TPlatformCall::CreateDIBSection, true},
    {"ExtCreateRegion", [](TRig&) {}, TPlatformCall::ExtCreateRegion, true},
    {"SetWindowRgn", [](TRig&) {}, TPlatformCall::SetWindowRgn, true},
};

class FaultBoundary : public test::MgrTest {};

TEST_F(FaultBoundary, NoThrowOrFailedCallEscapesDoublesAMessageOrLeavesTheWindowChanged) {
    constexpr int kFailures = 1000;
    for (const TFaultCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        TSkinManage::Shutdown(); // each case starts without a manager
        TRig rig;
        const TWindowShape before(rig.Window());
        const TWindowShape buttonBefore(rig.Button->WindowHandle());
        const TWndMethod formHook = rig.Form->WindowProc();
        const TWndMethod buttonHook = rig.Button->WindowProc();
        const long stoppedBefore = StoppedExceptions();
        c.Arm(rig);
        if (c.Fails)
            faults::FailNext(*c.Fails, kFailures);

        rig.Skin->SetActive(true);
        test::PumpUntil([&] { return rig.Skinned(); }, c.Skinned ? 2000 : 400);
        ASSERT_EQ(rig.Skinned(), c.Skinned);
        UseTheWindow(rig.Window());
        if (c.Fails) {
            EXPECT_LT(faults::Pending(*c.Fails), kFailures) << "the failing call was never made";
        }

        // One message in, one message below: a failure on the way back must
        // not hand it down again, nor lose one the engine passes on.
        const struct {
            HWND Window;
            TOwnHandler& Own;
            UINT Msg;
            WPARAM WParam;
            LPARAM LParam;
            int Below; // how often the window's own handling sees it
        } probes[] = {
            {rig.Window(), rig.FormOwn, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Renamed"), 1},
            {rig.Window(), rig.FormOwn, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), 1},
            {rig.Button->WindowHandle(), *rig.ButtonOwn, WM_SETTEXT, 0,
             reinterpret_cast<LPARAM>(L"Pressed"), 1},
        };
        for (const auto& p : probes) {
            p.Own.Seen.clear();
            SendMessageW(p.Window, p.Msg, p.WParam, p.LParam);
            EXPECT_EQ(p.Own.Seen[p.Msg], p.Below) << "message " << p.Msg;
        }
        if (!c.Fails) {
            EXPECT_GT(StoppedExceptions(), stoppedBefore) << "no throw met an engine boundary";
        }

        // Usable once the platform recovers: it paints, and the caption drags.
        if (c.Fails)
            faults::FailNext(*c.Fails, 0);
        UseTheWindow(rig.Window());
        EXPECT_TRUE(CaptionAnswersHtCaption(rig.Window()));
        if (c.Skinned) {
            EXPECT_EQ(rig.Object()->LifeState(), TLifeState::Running);
            EXPECT_TRUE(rig.Object()->SkinFrame());
        }

        rig.Skin->SetActive(false);
        test::PumpUntil([&] { return rig.Object() == nullptr; });
        ASSERT_EQ(rig.Object(), nullptr);
        EXPECT_TRUE(TWindowShape(rig.Window()) == before)
            << "the form is not as it was: " << TWindowShape(rig.Window()) << " against " << before;
        EXPECT_TRUE(TWindowShape(rig.Button->WindowHandle()) == buttonBefore)
            << "the button is not as it was";
        EXPECT_TRUE(rig.Form->WindowProc() == formHook);
        EXPECT_TRUE(rig.Button->WindowProc() == buttonHook);
    }
}

} // namespace
} // namespace veyra
