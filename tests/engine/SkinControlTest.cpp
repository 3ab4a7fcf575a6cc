#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/Messages.h"
#include "framework/PropAccess.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlDrawing.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/SystemColours.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {
namespace {

constexpr COLORREF kControlPaint = RGB(200, 30, 40); // what the control paints itself
constexpr COLORREF kSkinPaint = RGB(20, 180, 60);    // what the skin paints

// A windowed control that logs WM_APP, paints itself in one colour and
// publishes ParentBackground, as the containers that have one do.
class TProbeControl : public TWinControl {
    VEYRA_CLASS()
public:
    using TWinControl::TWinControl;
    std::vector<std::string>* Log = nullptr;
    bool ParentBackground = true;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_APP && Log)
            Log->push_back("control");
        if (message.Msg == WM_PAINT) {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(WindowHandle(), &paint);
            RECT client{};
            GetClientRect(WindowHandle(), &client);
            const HBRUSH brush = CreateSolidBrush(kControlPaint);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(WindowHandle(), &paint);
            return;
        }
        TWinControl::WndProc(message);
    }
};

const TClassInfo& TProbeControl::StaticClass() {
    static const TClassInfo info("TProbeControl", &TWinControl::StaticClass(),
                                 TPropertyList<TProbeControl>()
                                     .Bool(
                                         "ParentBackground",
                                         [](const TProbeControl& c) { return c.ParentBackground; },
                                         [](TProbeControl& c, bool v) { c.ParentBackground = v; })
                                     .Take());
    return info;
}

// A skinning object that logs the order it sees WM_APP in and paints the
// whole window in one colour through its buffer.
class TProbeSkin : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::vector<std::string>* Log = nullptr;
    using TSkinControl::DrawFocusAroundText;
    using TSkinControl::ForwardMouseDown;
    int SkinChanges = 0;

protected:
    bool BeforeMessage(TMessage& message) override {
        if (message.Msg == WM_APP && Log)
            Log->push_back("before");
        if (message.Msg == WM_PAINT) {
            PaintByBeginPaint(message);
            return false;
        }
        return TSkinControl::BeforeMessage(message);
    }
    void AfterMessage(TMessage& message) override {
        if (message.Msg == WM_APP && Log)
            Log->push_back("after");
        TSkinControl::AfterMessage(message);
    }
    void SkinChanged() override {
        ++SkinChanges;
        TSkinControl::SkinChanged();
    }
    void PaintSkin(HDC dc, const RECT& rect) override {
        DibSurface* buffer = Buffer(rect.right, rect.bottom);
        if (!buffer)
            return;
        FillSolid(buffer->Dc(), rect, kSkinPaint);
        CopyBuffer(dc, 0, 0, rect.right, rect.bottom);
    }
};

COLORREF CentrePixel(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, client.right / 2, client.bottom / 2);
    ReleaseDC(window, dc);
    return colour;
}

// A shown form with one probe control on it, and the form's skinning object.
class SkinControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 300, 200);
        Control = new TProbeControl(Form);
        Control->SetParent(Form);
        Control->SetBounds(10, 10, 120, 80);
        Control->Log = &Log;
        ShowWindow(Form->Handle(), SW_SHOWNA);
        UpdateWindow(Form->Handle());
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
    }
    TProbeSkin* Attach(bool keepColor = false, TSkinData* data = nullptr) {
        auto* skin = new TProbeSkin(Control);
        skin->Log = &Log;
        skin->AttachControl(SkinForm.get(), data, keepColor);
        return skin;
    }
    void Repaint() {
        RedrawWindow(Control->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    TForm* Form = nullptr;
    TProbeControl* Control = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
    std::vector<std::string> Log;
};

// What the control, the skin and the sender see for each kind of message
// while skinning is on, off and on again.
TEST_F(SkinControlTest, MessagesRunInTheFixedOrderAndTheSwitchIsNeverPassedOn) {
    TProbeSkin* skin = Attach();
    struct TStep {
        const char* Name;
        UINT Msg;
        WPARAM WParam;
        std::vector<std::string> Logged;
        LRESULT Answer;
        COLORREF Shown;
    };
    const TStep steps[] = {
        {"skinned", WM_APP, 0, {"before", "control", "after"}, 0, kSkinPaint},
        {"asked whether skinned", SKINMSG_ISSKINNED, 0, {}, 1, kSkinPaint},
        {"switched off", SKINMSG_ENABLE, 0, {}, 0, kControlPaint},
        {"unskinned", WM_APP, 0, {"control"}, 0, kControlPaint},
        {"asked while off", SKINMSG_ISSKINNED, 0, {}, 0, kControlPaint},
        {"switched off again (-1)", SKINMSG_ENABLE, static_cast<WPARAM>(-1), {}, 0, kControlPaint},
        {"switched on", SKINMSG_ENABLE, 1, {}, 0, kSkinPaint},
        {"skinned again", WM_APP, 0, {"before", "control", "after"}, 0, kSkinPaint},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        Log.clear();
        EXPECT_EQ(SendMessageW(Control->Handle(), step.Msg, step.WParam, 0), step.Answer);
        EXPECT_EQ(Log, step.Logged);
        Repaint();
        EXPECT_EQ(CentrePixel(Control->Handle()), step.Shown);
    }
    EXPECT_EQ(skin->LifeState(), TControlLife::Attached);
}

// The hook is taken once however often attach is called, and given back
// exactly; a bare window gets its very procedure back.
TEST_F(SkinControlTest, AttachingTwiceHooksOnceAndDetachingGivesEverythingBack) {
    const TWndMethod ownHook = Control->WindowProc();
    TProbeSkin* skin = Attach();
    skin->AttachControl(SkinForm.get(), nullptr, false);
    EXPECT_EQ(SkinForm->ControlObjects().size(), 1u);
    Log.clear();
    SendMessageW(Control->Handle(), WM_APP, 0, 0);
    EXPECT_EQ(Log, (std::vector<std::string>{"before", "control", "after"}));
    skin->Detach();
    EXPECT_TRUE(Control->WindowProc() == ownHook);
    EXPECT_TRUE(SkinForm->ControlObjects().empty());
    delete skin;

    test::TTestWindow bare(WS_CHILD | WS_VISIBLE, 0, Form->Handle(), 50, 30);
    const LONG_PTR procedure = GetWindowLongPtrW(bare.Handle(), GWLP_WNDPROC);
    auto* handleSkin = new TProbeSkin(SkinForm.get());
    handleSkin->AttachHandle(bare.Handle(), nullptr, SkinForm.get());
    handleSkin->AttachHandle(bare.Handle(), nullptr, SkinForm.get());
    EXPECT_EQ(SendMessageW(bare.Handle(), SKINMSG_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SkinForm->FindControlObject(bare.Handle()), handleSkin);
    handleSkin->Detach();
    EXPECT_EQ(GetWindowLongPtrW(bare.Handle(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(SendMessageW(bare.Handle(), SKINMSG_ISSKINNED, 0, 0), 0);
    delete handleSkin;
}

// KeepColor gives the control the face colour and switches its
// ParentBackground off while skinned; both come back when its window goes,
// and the option that keeps ParentBackground leaves it alone.
TEST_F(SkinControlTest, KeptColourAndParentBackgroundComeBackWhenTheWindowGoes) {
    struct TCase {
        const char* Name;
        bool KeepColor;
        bool OptionKeepsParentBackground;
        bool ParentBackgroundWhileSkinned;
        int Mode;
    };
    const TCase cases[] = {
        {"kept colour", true, false, false, 1},
        {"kept colour, option set", true, true, true, 0},
        {"colour not kept", false, false, true, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSkinData data(nullptr);
        data.SetOptions(c.OptionKeepsParentBackground ? Bit(xoParentBackGround) : 0);
        Control->SetColor(clWindow);
        Control->ParentBackground = true;
        TProbeSkin* skin = Attach(c.KeepColor, &data);
        EXPECT_EQ(Control->Color(), c.KeepColor ? static_cast<TColor>(clBtnFace) : clWindow);
        EXPECT_EQ(Control->ParentBackground, c.ParentBackgroundWhileSkinned);
        EXPECT_EQ(skin->Mode(), c.Mode);

        Control->DestroyHandle();
        EXPECT_EQ(skin->LifeState(), TControlLife::Destroyed);
        EXPECT_EQ(Control->Color(), clWindow);
        EXPECT_TRUE(Control->ParentBackground);
        EXPECT_TRUE(Control->WindowProc() == Control->DefaultWindowProc())
            << "the hook went with the window";
        EXPECT_EQ(SkinForm->FindControlObject(skin->Handle()), skin)
            << "a dead object stays listed until the next discovery";
        delete skin;
        Control->HandleNeeded();
    }
}

// A control that makes itself a new window keeps its skin, and a click the
// skin keeps from the control still raises the control's OnMouseDown, with
// the cursor's position on a control too wide for lParam.
TEST_F(SkinControlTest, TheSkinFollowsANewWindowAndKeptClicksStillReachTheControl) {
    TProbeSkin* skin = Attach();
    SendMessageW(Control->Handle(), SKINMSG_ENABLE, 0, 0);
    const HWND old = Control->Handle();
    Control->RecreateWnd();
    ASSERT_NE(Control->Handle(), old);
    EXPECT_EQ(skin->Handle(), Control->Handle());
    EXPECT_EQ(skin->LifeState(), TControlLife::Attached);
    EXPECT_FALSE(skin->SkinEnabled()) << "switched off before, still off";
    SendMessageW(Control->Handle(), SKINMSG_ENABLE, 1, 0);
    Repaint();
    EXPECT_EQ(CentrePixel(Control->Handle()), kSkinPaint);

    std::vector<POINT> downs;
    Control->OnMouseDown = [&downs](TObject*, TMouseButton, TShiftState, int x, int y) {
        downs.push_back({x, y});
    };
    skin->ForwardMouseDown(TMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7), 0});
    Control->SetBounds(10, 10, 40000, 80);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Control->Handle(), &cursor);
    skin->ForwardMouseDown(TMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4), 0});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].x, -5);
    EXPECT_EQ(downs[0].y, 7);
    EXPECT_EQ(downs[1].x, cursor.x);
    EXPECT_EQ(downs[1].y, cursor.y);
}

// The window object tells its controls of every skin change, and when it
// lets the window go it gives each control back as it found it and frees
// its object.
TEST_F(SkinControlTest, TheWindowObjectTellsItsControlsOfSkinChangesAndFreesThem) {
    const std::unique_ptr<TSkinDefinition> skin = test::MakeTestSkin();
    SkinForm->SetSkinDefinition(skin.get());
    SkinForm->InitSkin(nullptr);
    const TWndMethod ownHook = Control->WindowProc();
    TProbeSkin* probe = Attach(true);
    const TColor skinned = Control->Color();
    SkinForm->ReloadSkin();
    SkinForm->ReloadSkin();
    EXPECT_EQ(probe->SkinChanges, 2);

    Control->SetColor(clWindow); // the application's own change while skinned
    SkinForm->ReloadSkin();
    EXPECT_EQ(Control->Color(), skinned) << "the face colour again after a skin change";
    SkinForm->Unskin();
    EXPECT_TRUE(SkinForm->ControlObjects().empty());
    EXPECT_TRUE(Control->WindowProc() == ownHook);
    EXPECT_EQ(SendMessageW(Control->Handle(), SKINMSG_ISSKINNED, 0, 0), 0);
    EXPECT_TRUE(Control->Components().empty()) << "the object was freed";
}

// A control freed while skinned takes its skinning object along; the
// form's list forgets it and nothing is left hooked.
TEST_F(SkinControlTest, AControlFreedWhileSkinnedLeavesNothingBehind) {
    Attach();
    const HWND window = Control->Handle();
    delete Control;
    Control = nullptr;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(SkinForm->ControlObjects().empty());
    SkinForm.reset(); // frees nothing twice
}

// The shared toolkit draws nothing for a frame that does not exist, and
// reads a parent colour that names a system colour as that colour.
TEST(ControlDrawing, MissingFramesDrawNothingAndColoursAreResolved) {
    Bitmap strip(40, 10);
    strip.Fill(0xFF00FF00u);
    struct TCase {
        int Count;
        int Index;
        bool Drawn;
    };
    const TCase cases[] = {{4, 1, true},  {4, 4, true},  {0, 1, false}, {-2, 1, false},
                           {4, 0, false}, {4, 5, false}, {41, 1, false}};
    TDataSkinObject element;
    element.Image = strip;
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Count << " frames, frame " << c.Index);
        Bitmap target(20, 20);
        DrawStripFrame(target, Rect{0, 0, 20, 20}, c.Count, c.Index, strip);
        EXPECT_EQ(target.At(10, 10) == 0xFF00FF00u, c.Drawn);
        Bitmap sliced(20, 20);
        DrawElementState(sliced, Rect{0, 0, 20, 20}, c.Count, c.Index, element);
        EXPECT_EQ(sliced.At(10, 10) == 0xFF00FF00u, c.Drawn);
    }
}

TEST_F(SkinControlTest, ParentColourReferencesAreResolvedAndFocusStaysInside) {
    TProbeSkin* skin = Attach();
    RefreshSystemColours();
    Form->SetColor(clBtnFace);
    EXPECT_EQ(skin->ParentColorOr(RGB(1, 2, 3)), GetSysColor(COLOR_BTNFACE));

    SetWindowTextW(Control->Handle(), std::wstring(200, L'W').c_str());
    MemoryDc dc;
    const BitmapHandle bitmap(CreateBitmap(100, 40, 1, 32, nullptr));
    const SelectObjectScope select(dc.Get(), bitmap.Get());
    const RECT all{0, 0, 100, 40};
    FillSolid(dc.Get(), all, RGB(255, 255, 255));
    const RECT inner{20, 10, 80, 30};
    skin->DrawFocusAroundText(dc.Get(), inner, DT_CENTER | DT_SINGLELINE);
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool changed = GetPixel(dc.Get(), x, y) != RGB(255, 255, 255);
            const POINT p{x, y};
            (PtInRect(&inner, p) ? inside : outside) += changed ? 1 : 0;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 0);
}

} // namespace
} // namespace veyra
