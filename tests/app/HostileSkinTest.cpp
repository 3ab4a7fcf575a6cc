#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FormMain.h"
#include "framework/EngineTestSupport.h"
#include "framework/PageControl.h"
#include "skin/component/SkinData.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

// The viewer's main form against the damaged skins of tests/data/hostile
// (its README says what each tries): loaded at start-up and switched in at
// run time, the viewer lives, keeps a title bar the user can drag, and shows
// the skin where it can be used and the platform's look where not.
namespace veyra {
namespace {

namespace fs = std::filesystem;

// How the viewer looks: frame and controls skinned, only the controls
// skinned (the platform's frame stays), or the platform's look.
enum class TLook { Skinned, ControlsOnly, Platform };

const char* NameOf(TLook look) {
    switch (look) {
    case TLook::Skinned:
        return "skinned";
    case TLook::ControlsOnly:
        return "controls only";
    case TLook::Platform:
        return "platform";
    }
    return "?";
}

fs::path HostileDir() {
    std::string dir = VEYRA_HOSTILE_SKINS_DIR;
    if (!dir.empty() && dir[0] == '/')
        dir = "Z:" + dir; // under Wine the Unix root is drive Z:
    return dir;
}

fs::path ProductSkin(const char* name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path().parent_path() / "skins" / (std::string(name) + ".skn");
}

// Puts a copy of a skin file where the viewer looks for it, for the scope.
class TSkinBesideViewer {
public:
    explicit TSkinBesideViewer(const fs::path& source)
        : Path_(fs::path(ExecutableDirectory()) / "skin" / "skin.skn") {
        fs::create_directories(Path_.parent_path());
        fs::copy_file(source, Path_, fs::copy_options::overwrite_existing);
    }
    ~TSkinBesideViewer() {
        std::error_code ignored;
        fs::remove_all(Path_.parent_path(), ignored);
    }
    TSkinBesideViewer(const TSkinBesideViewer&) = delete;
    TSkinBesideViewer& operator=(const TSkinBesideViewer&) = delete;

private:
    fs::path Path_;
};

TWinSkinForm* SkinObjectOf(HWND window) {
    TSkinManage* manager = TSkinManage::Instance();
    return manager ? manager->Find(window) : nullptr;
}

TLook LookOf(HWND window) {
    const TWinSkinForm* object = SkinObjectOf(window);
    if (!object || !object->InitDone())
        return TLook::Platform;
    return object->SkinFrame() ? TLook::Skinned : TLook::ControlsOnly;
}

// The viewer as the program makes it, the skin component's messages
// recorded instead of shown.
struct TViewer {
    test::TRecordingWebViews Views;
    std::vector<std::string> Said;
    std::unique_ptr<TFormMain> Form;

    TViewer() {
        Form = std::make_unique<TFormMain>(nullptr);
        Form->SkinData->SetMessageSink([this](std::string_view text) { Said.emplace_back(text); });
        Form->AfterConstruction();
        Form->Show();
    }
    HWND Window() const { return Form->WindowHandle(); }
    // Waits for the look, or a while when the platform's is expected.
    TLook Settle(TLook expected) const {
        test::PumpUntil([&] { return expected != TLook::Platform && LookOf(Window()) == expected; },
                        expected == TLook::Platform ? 400 : 2000);
        return LookOf(Window());
    }
};

// What a user does to the window: every page, resize, maximize and back,
// lose and regain activation, every part repainted.
void UseTheWindow(TFormMain& form) {
    const HWND window = form.WindowHandle();
    for (int page = 0; page < 4; ++page)
        form.PageControl1->SetActivePageIndex(page);
    for (const SIZE size : {SIZE{1200, 850}, SIZE{160, 90}, SIZE{1000, 715}})
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_MAXIMIZE);
    ShowWindow(window, SW_RESTORE);
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::PumpUntil([] { return false; }, 50);
}

// The non-client hit test's first answer of code along the window's top
// strip (the middle column, or every column from the right for buttons).
bool TopStripAnswers(HWND window, LRESULT code) {
    RECT r{};
    GetWindowRect(window, &r);
    const int columns[] = {(r.left + r.right) / 2};
    for (int y = r.top; y < r.top + 64 && y < r.bottom; ++y) {
        if (code == HTCAPTION) {
            for (const int x : columns)
                if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code)
                    return true;
            continue;
        }
        for (int x = r.right - 1; x > r.right - 120 && x > r.left; --x)
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code)
                return true;
    }
    return false;
}

// The user can always drag the window and close it: a skinned title bar of
// a usable height, or the platform's caption with its close button.
void ExpectMovableAndClosable(HWND window, const std::string& what) {
    ASSERT_TRUE(IsWindow(window)) << what;
    EXPECT_TRUE(TopStripAnswers(window, HTCAPTION)) << what << ": no caption to drag";
    const TWinSkinForm* object = SkinObjectOf(window);
    if (object && object->SkinFrame()) {
        EXPECT_GE(object->Metrics().TitleHeight, kMinTitleBarHeight) << what;
    } else {
        // The platform's frame, caption and buttons, at the platform's metrics.
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
        EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION)) << what;
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, style, GetMenu(window) != nullptr,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        RECT outer{};
        GetWindowRect(window, &outer);
        POINT client{0, 0};
        ClientToScreen(window, &client);
        EXPECT_EQ(client.y - outer.top, -frame.top) << what << ": not the platform's title height";
        EXPECT_TRUE(TopStripAnswers(window, HTCLOSE)) << what << ": no close button";
        if (object && object->Skin()->Find("Tabs")) {
            EXPECT_FALSE(object->ControlObjects().empty()) << what << ": controls not skinned";
        }
    }
}

struct THostileCase {
    const char* File;
    TLook Look;     // how the viewer comes up with it
    bool Loads;     // whether the skin component takes it
    bool Announced; // whether the older-file message is shown
};

constexpr THostileCase kCorpus[] = {
    // The decoder fills the missing half with what its tables make of
    // nothing; the skin is nameless but whole enough to dress controls.
    {"truncated.skn", TLook::ControlsOnly, true, false},
    {"lying-body-size.skn", TLook::Platform, false, false},
    {"lying-member-size.skn", TLook::Platform, false, false},
    {"wrong-tag.skn", TLook::Platform, false, true},
    {"huge-margins.skn", TLook::Skinned, true, false},
    {"frames-zero.skn", TLook::Skinned, true, false},
    {"frames-million.skn", TLook::ControlsOnly, true, false},
    {"images-1x1.skn", TLook::ControlsOnly, true, false},
    {"images-30000x1.skn", TLook::ControlsOnly, true, false},
    {"no-frame-sections.skn", TLook::ControlsOnly, true, false},
    {"missing-sections.skn", TLook::ControlsOnly, true, false},
    {"missing-images.skn", TLook::ControlsOnly, true, false},
    // The Top frame count is among the nonsense: no usable title bar.
    {"nonsense-values.skn", TLook::ControlsOnly, true, false},
};

class HostileSkin : public testing::Test {
protected:
    void SetUp() override { TSkinManage::Shutdown(); }
    void TearDown() override { TSkinManage::Shutdown(); }
};

TEST_F(HostileSkin, AtStartUpTheViewerComesUpSkinnedOrInThePlatformLook) {
    for (const THostileCase& c : kCorpus) {
        SCOPED_TRACE(c.File);
        const TSkinBesideViewer file(HostileDir() / c.File);
        TViewer viewer;
        EXPECT_EQ(viewer.Form->SkinData->HasSkin(), c.Loads);
        EXPECT_EQ(viewer.Said.size(), c.Announced ? 1u : 0u);
        EXPECT_STREQ(NameOf(viewer.Settle(c.Look)), NameOf(c.Look));
        UseTheWindow(*viewer.Form);
        EXPECT_STREQ(NameOf(LookOf(viewer.Window())), NameOf(c.Look)) << "after use";
        ExpectMovableAndClosable(viewer.Window(), c.File);
    }
}

TEST_F(HostileSkin, SwitchedInAtRunTimeItIsTakenOrTheSkinInForceStays) {
    for (const THostileCase& c : kCorpus) {
        SCOPED_TRACE(c.File);
        const TSkinBesideViewer file(ProductSkin("dark"));
        TViewer viewer;
        ASSERT_STREQ(NameOf(viewer.Settle(TLook::Skinned)), NameOf(TLook::Skinned));
        const TSkinDefinition* inForce = &viewer.Form->SkinData->Skin();

        AssignSkinFile(*viewer.Form->SkinData, (HostileDir() / c.File).wstring());
        const TLook expected = c.Loads ? c.Look : TLook::Skinned;
        EXPECT_STREQ(NameOf(viewer.Settle(expected)), NameOf(expected));
        UseTheWindow(*viewer.Form);
        EXPECT_STREQ(NameOf(LookOf(viewer.Window())), NameOf(expected)) << "after use";
        if (!c.Loads) {
            const TWinSkinForm* object = SkinObjectOf(viewer.Window());
            ASSERT_NE(object, nullptr);
            EXPECT_EQ(object->Skin(), inForce);
            EXPECT_EQ(object->Skin()->SkinName, "Veyra Dark") << "the elements in force stay";
        }
        ExpectMovableAndClosable(viewer.Window(), c.File);

        // And back: a good skin after a hostile one dresses the frame again.
        AssignSkinFile(*viewer.Form->SkinData, ProductSkin("default").wstring());
        EXPECT_STREQ(NameOf(viewer.Settle(TLook::Skinned)), NameOf(TLook::Skinned)) << "back";
        ExpectMovableAndClosable(viewer.Window(), std::string(c.File) + ", back");
    }
}

} // namespace
} // namespace veyra
