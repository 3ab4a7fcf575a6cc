#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "skin/component/SkinData.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTabSheet.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/TabGeometry.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {
namespace {

// A product skin, packed by the build beside the tests; loaded once.
const TSkinDefinition& ProductSkin(const std::string& name) {
    static auto* loaded = new std::map<std::string, std::unique_ptr<TSkinData>>;
    auto& data = (*loaded)[name];
    if (!data) {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        data = std::make_unique<TSkinData>(nullptr);
        data->SetMessageSink([](std::string_view) {});
        data->SetSkinFile(
            (std::filesystem::path(self).parent_path().parent_path() / "skins" / (name + ".skn"))
                .wstring());
    }
    return data->Skin();
}

const TDataSkinBorder& Element(const TSkinDefinition& skin, const char* name) {
    static const TDataSkinBorder missing;
    const auto* element = dynamic_cast<const TDataSkinBorder*>(skin.Find(name));
    return element ? *element : missing;
}

COLORREF Resolved(Colour colour) {
    return ResolveColour(colour) & 0x00FFFFFFu;
}

// What the window shows in its client area, read back from its DC.
Bitmap Capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    DibSurface shot(client.right, client.bottom);
    const WindowDcScope dc(window, false);
    BitBlt(shot.Dc(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    return Bitmap(shot.Pixels());
}

COLORREF PixelAt(const Bitmap& shot, int x, int y) {
    return x >= 0 && y >= 0 && x < shot.Width() && y < shot.Height() ? ColourOf(shot.At(x, y))
                                                                     : CLR_INVALID;
}

// Writes a picture that a failed check was about; answers where it went.
std::string Saved(const Bitmap& shot, const std::string& what) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto path = std::filesystem::temp_directory_path() /
                      (std::string(info ? info->name() : "shot") + "-" + what + ".png");
    // GDI leaves the alpha of what it draws at 0; the screen ignores it.
    Bitmap opaque = shot;
    opaque.SetFormat(PixelFormat::Rgb24);
    const auto png = WritePng(opaque);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return " (picture: " + path.string() + ")";
}

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

RECT ItemRect(HWND tab, int index) {
    RECT r{};
    SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

class SkinTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                           ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
        GetCursorPos(&Cursor);
        Form = new TForm(nullptr);
        Form->SetBounds(20, 20, 720, 520);
        ShowWindow(Form->Handle(), SW_SHOWNA);
        UpdateWindow(Form->Handle());
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
        SkinForm->SetSkinDefinition(&ProductSkin("default"));
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
        // The pointer is shared with every later test on this display.
        test::SettlePointer(Cursor);
    }

    // A tab window of the platform on the form, with count tabs.
    HWND BareTab(DWORD style, int x, int width, int height, int count) {
        const HWND tab =
            CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, x, 10, width,
                            height, Form->Handle(), nullptr, nullptr, nullptr);
        for (int i = 0; i < count; ++i) {
            std::wstring text = L"Tab " + std::to_wstring(i);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
        }
        return tab;
    }
    // A skinning object on a bare window, owned by the form object as the
    // control map makes one.
    template <class T> T* SkinBare(HWND window) {
        auto* object = new T(SkinForm.get());
        object->AttachHandle(window, nullptr, SkinForm.get());
        return object;
    }
    TPageControl* MakePages(TTabStyle style, TTabPosition position, std::int64_t tag) {
        auto* pages = new TPageControl(Form);
        pages->SetParent(Form);
        pages->SetBounds(10, 10, 400, 250);
        pages->SetStyle(style);
        pages->SetTabPosition(position);
        pages->SetTag(tag);
        for (int i = 0; i < 3; ++i) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetCaption(L"Page " + std::to_wstring(i));
            sheet->SetPageControl(pages);
        }
        pages->SetActivePageIndex(0);
        return pages;
    }

    TForm* Form = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
    POINT Cursor{};
};

// Each tab shows the fill of its frame 3 pixels into it along the strip
// (clear of the caption): frame 2 for the focused tab, 1 for the others. The
// focused frame's accent band lies on the tab's outer half, so the frames
// are turned the right way; the pane's far edge and inside come from the
// pane image. A control without tabs paints its pane all the same.
TEST_F(SkinTabTest, EverySideShowsTheTabFramesWhereTheControlPutsItsTabs) {
    const struct {
        const char* Skin;
        DWORD Style;
        int Count;
    } cases[] = {
        {"default", 0, 3},
        {"default", TCS_BOTTOM, 3},
        {"default", TCS_VERTICAL, 3},
        {"default", TCS_VERTICAL | TCS_RIGHT, 3},
        {"dark", 0, 3},
        {"dark", TCS_BOTTOM, 3},
        {"dark", TCS_VERTICAL, 3},
        {"dark", TCS_VERTICAL | TCS_RIGHT, 3},
        {"default", 0, 0},
    };
    for (const auto& c : cases) {
        const std::string name =
            std::string(c.Skin) + "-" + std::to_string(c.Style) + "-" + std::to_string(c.Count);
        const TSkinDefinition& skin = ProductSkin(c.Skin);
        SkinForm->SetSkinDefinition(&skin);
        const TDataSkinBorder& tabs = Element(skin, "Tabs");
        ASSERT_FALSE(tabs.Image.IsEmpty()) << name;
        const int fw = tabs.Image.Width() / tabs.Frame;
        const HWND tab = BareTab(c.Style, 10, 300, 200, c.Count);
        auto* skinned = SkinBare<TSkinTab>(tab);
        SendMessageW(tab, TCM_SETCURFOCUS, 1, 0);
        Redraw(tab);
        const Bitmap shot = Capture(tab);
        const bool vertical = (c.Style & TCS_VERTICAL) != 0;
        const bool farSide = (c.Style & TCS_BOTTOM) != 0; // bottom or right
        const int focus = static_cast<int>(SendMessageW(tab, TCM_GETCURFOCUS, 0, 0));
        for (int i = 0; i < c.Count; ++i) {
            const RECT r = ItemRect(tab, i);
            const int frame = i == focus ? 2 : 1;
            const int x = vertical ? (r.left + r.right) / 2 : r.left + 3;
            const int y = vertical ? r.top + 3 : (r.top + r.bottom) / 2;
            EXPECT_EQ(PixelAt(shot, x, y),
                      ColourOf(tabs.Image.At(fw * (frame - 1) + 3, tabs.Image.Height() / 2)))
                << name << " tab " << i << Saved(shot, name);
            if (frame != 2)
                continue;
            const COLORREF accent = ColourOf(tabs.Image.At(fw + fw / 2, 0));
            const int depth = vertical ? r.right - r.left : r.bottom - r.top;
            int outer = 0;
            int inner = 0;
            for (int d = 0; d < depth; ++d) {
                const int across = farSide ? (vertical ? r.right : r.bottom) - 1 - d
                                           : (vertical ? r.left : r.top) + d;
                if ((vertical ? PixelAt(shot, across, y) : PixelAt(shot, x, across)) == accent)
                    ++(d < depth / 2 ? outer : inner);
            }
            EXPECT_GT(outer, 0) << name << Saved(shot, name);
            EXPECT_EQ(inner, 0) << name << Saved(shot, name);
        }
        RECT display{0, 0, 300, 200};
        SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        // The pane is the display rectangle grown by 4; its edge away from the tabs.
        POINT edge{};
        POINT inside{};
        if (!vertical) {
            edge = {150, farSide ? display.top - 4 : display.bottom + 3};
            inside = {150, farSide ? edge.y + 2 : edge.y - 2};
        } else {
            edge = {farSide ? display.left - 4 : display.right + 3, 100};
            inside = {farSide ? edge.x + 2 : edge.x - 2, 100};
        }
        const Bitmap& pane = tabs.Image2;
        EXPECT_EQ(PixelAt(shot, edge.x, edge.y),
                  ColourOf(pane.At(pane.Width() / 2, pane.Height() - 1)))
            << name << Saved(shot, name);
        EXPECT_EQ(PixelAt(shot, inside.x, inside.y),
                  ColourOf(pane.At(pane.Width() / 2, pane.Height() / 2)))
            << name << Saved(shot, name);
        delete skinned;
        DestroyWindow(tab);
    }
}

// A page hides all but a thin ring of the pane: only the ring is drawn and
// kept. Once no page shows, the whole pane is drawn again.
TEST_F(SkinTabTest, ThePaneKeepsOnlyWhatThePageLeavesVisible) {
    TPageControl* pages = MakePages(tsTabs, tpTop, 0);
    const HWND tab = pages->Handle();
    auto* skin = new TSkinTab(pages);
    skin->AttachControl(SkinForm.get(), nullptr, false);
    Redraw(tab);
    RECT client{};
    GetClientRect(tab, &client);
    RECT display = client;
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const Rect pane =
        LayoutTabStrip(client.right, client.bottom,
                       {display.left, display.top, display.right, display.bottom}, TTabSide::Top)
            .Pane;
    const std::int64_t paneArea = std::int64_t{pane.Width()} * pane.Height();
    EXPECT_GT(skin->KeptPanePixels(), 0);
    EXPECT_LT(skin->KeptPanePixels(), paneArea / 4);
    const Bitmap& paneImage = Element(*SkinForm->Skin(), "Tabs").Image2;
    const POINT edge{(display.left + display.right) / 2, display.bottom + 3};
    const Bitmap covered = Capture(tab);
    EXPECT_EQ(PixelAt(covered, edge.x, edge.y),
              ColourOf(paneImage.At(paneImage.Width() / 2, paneImage.Height() - 1)))
        << Saved(covered, "covered");

    pages->ActivePage()->SetVisible(false);
    Redraw(tab);
    EXPECT_EQ(skin->KeptPanePixels(), paneArea);
    const Bitmap bare = Capture(tab);
    EXPECT_EQ(PixelAt(bare, (display.left + display.right) / 2, (display.top + display.bottom) / 2),
              ColourOf(paneImage.At(paneImage.Width() / 2, paneImage.Height() / 2)))
        << Saved(bare, "bare");
}

// Switched off, the control and its scroll arrows paint exactly as an
// unskinned twin; switched on, the skin is back at once.
TEST_F(SkinTabTest, SwitchedOffItPaintsAsWithoutSkinAndOnAgainSkinned) {
    test::SettlePointer({1, 1}); // a tab under the mouse is drawn hot by the platform
    const HWND tab = BareTab(0, 10, 160, 100, 8);
    const HWND twin = BareTab(0, 300, 160, 100, 8);
    auto* skinned = SkinBare<TSkinTab>(tab);
    Redraw(tab);
    ASSERT_NE(skinned->UpDownSkin(), nullptr) << "eight tabs overflow: the arrows show";
    const COLORREF skinnedTab =
        ColourOf(Element(*SkinForm->Skin(), "Tabs").Image.At(3, 12)); // frame 1's fill
    const RECT first = ItemRect(tab, 1);
    const int x = first.left + 3;
    const int y = (first.top + first.bottom) / 2;
    EXPECT_EQ(PixelAt(Capture(tab), x, y), skinnedTab);

    SendMessageW(tab, SKINMSG_ENABLE, 0, 0);
    EXPECT_EQ(SendMessageW(tab, SKINMSG_ISSKINNED, 0, 0), 0);
    Redraw(twin);
    const Bitmap off = Capture(tab);
    const Bitmap plain = Capture(twin);
    EXPECT_TRUE(off == plain) << Saved(off, "off") << Saved(plain, "twin");

    SendMessageW(tab, SKINMSG_ENABLE, 1, 0);
    const Bitmap on = Capture(tab);
    EXPECT_EQ(PixelAt(on, x, y), skinnedTab) << Saved(on, "on");
    EXPECT_FALSE(on == plain) << "the arrows are skinned again";
}

// A paint that finds nothing changed copies the strip it composed before:
// after each change, what the control shows must be what a fresh
// composition shows.
TEST_F(SkinTabTest, EveryChangeBetweenPaintsShowsInTheNextPaint) {
    test::SettlePointer({1, 1});
    TPageControl* pages = MakePages(tsTabs, tpTop, 0);
    const HWND tab = pages->Handle();
    auto* skin = new TSkinTab(pages);
    skin->AttachControl(SkinForm.get(), nullptr, false);
    const FontHandle bold(
        CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    struct TStep {
        const char* Name;
        std::function<void()> Change;
    };
    const TStep steps[] = {
        {"another tab selected", [&] { SendMessageW(tab, TCM_SETCURSEL, 2, 0); }},
        {"a caption changed", [&] { pages->Pages(1)->SetCaption(L"A much longer caption"); }},
        {"a page added",
         [&] {
             auto* sheet = new TTabSheet(Form);
             sheet->SetCaption(L"Added");
             sheet->SetPageControl(pages);
         }},
        {"a page freed", [&] { pages->FreePage(0); }},
        {"disabled", [&] { EnableWindow(tab, FALSE); }},
        {"enabled", [&] { EnableWindow(tab, TRUE); }},
        {"another font",
         [&] { SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(bold.Get()), TRUE); }},
        {"the parent's colour", [&] { Form->SetColor(static_cast<TColor>(RGB(30, 90, 160))); }},
    };
    Redraw(tab);
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        const Bitmap before = Capture(tab);
        step.Change();
        Redraw(tab);
        const Bitmap cached = Capture(tab);
        // Switching the skin off and on makes the next paint compose anew.
        SendMessageW(tab, SKINMSG_ENABLE, 0, 0);
        SendMessageW(tab, SKINMSG_ENABLE, 1, 0);
        Redraw(tab);
        const Bitmap fresh = Capture(tab);
        EXPECT_FALSE(before == fresh) << "the change shows" << Saved(before, "before");
        EXPECT_TRUE(cached == fresh) << Saved(cached, "cached") << Saved(fresh, "fresh");
    }
}

struct TCloseHandler {
    enum TReply { Keep, Close, FreePageThenClose, FreeControlThenClose } Reply = Keep;
    TPageControl* Pages = nullptr;
    int Asked = 0;
    WPARAM Tab = 0;
    LPARAM Index = -1;

    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
        if (msg != SKINMSG_TABCLOSE)
            return DefSubclassProc(window, msg, wParam, lParam);
        auto& h = *reinterpret_cast<TCloseHandler*>(data);
        ++h.Asked;
        h.Tab = wParam;
        h.Index = lParam;
        if (h.Reply == FreePageThenClose)
            h.Pages->FreePage(static_cast<int>(lParam));
        if (h.Reply == FreeControlThenClose)
            delete std::exchange(h.Pages, nullptr);
        return h.Reply == Keep ? 1 : 0;
    }
};

// A click on a close box asks the form; only a zero answer frees the page,
// once, whatever the form did meanwhile, and the click never selects the tab.
TEST_F(SkinTabTest, CloseBoxAsksTheFormAndOnlyAZeroAnswerFreesThePage) {
    using R = TCloseHandler;
    const struct {
        R::TReply Reply;
        int PagesAfter;
    } cases[] = {
        {R::Keep, 3}, {R::Close, 2}, {R::FreePageThenClose, 2}, {R::FreeControlThenClose, 0}};
    for (const auto& c : cases) {
        TCloseHandler handler{c.Reply, MakePages(tsTabs, tpTop, TSkinTab::kCloseBoxTag)};
        TPageControl* pages = handler.Pages;
        const HWND tab = pages->Handle();
        auto* skinned = new TSkinTab(pages);
        skinned->AttachControl(SkinForm.get(), nullptr, false);
        Redraw(tab);
        ASSERT_EQ(skinned->CloseBoxRects().size(), 3u);
        const Rect box = skinned->CloseBoxRects()[1];
        const RECT item = ItemRect(tab, 1);
        EXPECT_TRUE(box.Left > (item.left + item.right) / 2 && box.Right <= item.right &&
                    box.Top > item.top && box.Bottom < item.bottom)
            << "near the tab's top-right corner";
        const Bitmap shot = Capture(tab);
        // In the caption colour of an ordinary tab, so that it shows on any skin.
        EXPECT_EQ(PixelAt(shot, box.Left + 3, box.Top + 3),
                  Resolved(Element(*SkinForm->Skin(), "Tabs").NormalColour2))
            << "the cross" << Saved(shot, "box");

        SetWindowSubclass(Form->Handle(), &TCloseHandler::Proc, 1,
                          reinterpret_cast<DWORD_PTR>(&handler));
        SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.Left + 2, box.Top + 2));
        RemoveWindowSubclass(Form->Handle(), &TCloseHandler::Proc, 1);
        EXPECT_EQ(handler.Asked, 1);
        EXPECT_EQ(handler.Tab, reinterpret_cast<WPARAM>(tab));
        EXPECT_EQ(handler.Index, 1);
        if (!handler.Pages) {
            EXPECT_TRUE(SkinForm->ControlObjects().empty()) << "freed with its control";
            continue;
        }
        EXPECT_EQ(pages->PageCount(), c.PagesAfter) << int(c.Reply);
        EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0) << "the click selects nothing";
        // A click beside the boxes is the control's own.
        SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 4, item.bottom - 4));
        EXPECT_EQ(handler.Asked, 1);
        delete pages;
    }
    // Tabs along the bottom get no boxes.
    TPageControl* bottom = MakePages(tsTabs, tpBottom, TSkinTab::kCloseBoxTag);
    auto* skinned = new TSkinTab(bottom);
    skinned->AttachControl(SkinForm.get(), nullptr, false);
    Redraw(bottom->Handle());
    EXPECT_FALSE(skinned->CloseBoxes());
    for (const Rect& box : skinned->CloseBoxRects())
        EXPECT_TRUE(box.IsEmpty());
}

// A tab window destroyed while skinned, with its arrows skinned too, leaves
// two passive objects that the form frees; a page control freed while
// skinned takes its objects with it.
TEST_F(SkinTabTest, AControlDestroyedWhileSkinnedLeavesNothingBehind) {
    const HWND tab = BareTab(0, 10, 160, 100, 8);
    auto* skinned = SkinBare<TSkinTab>(tab);
    Redraw(tab);
    TSkinUpDown* arrows = skinned->UpDownSkin();
    ASSERT_NE(arrows, nullptr);
    DestroyWindow(tab);
    EXPECT_EQ(skinned->LifeState(), TControlLife::Destroyed);
    EXPECT_EQ(arrows->LifeState(), TControlLife::Destroyed);
    // The form frees both when it goes.
    SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
    SkinForm->SetSkinDefinition(&ProductSkin("default"));

    TPageControl* pages = MakePages(tsTabs, tpTop, 0);
    auto* pageSkin = new TSkinTab(pages);
    pageSkin->AttachControl(SkinForm.get(), nullptr, false);
    for (int i = 0; i < pages->PageCount(); ++i)
        (new TSkinTabSheet(pages->Pages(i)))->AttachControl(SkinForm.get(), nullptr, false);
    Redraw(pages->Handle());
    // The arrows of the tabs' first, narrower layout may be there, hidden.
    EXPECT_EQ(SkinForm->ControlObjects().size(), pageSkin->UpDownSkin() ? 5u : 4u);
    delete pages;
    EXPECT_TRUE(SkinForm->ControlObjects().empty());
}

// Button tabs show the Buttons element's frames (the focused one pressed,
// told apart by the frame's left edge) and pages the skin's face colour.
TEST_F(SkinTabTest, ButtonTabsAndPagesTakeTheButtonsElementAndTheFaceColour) {
    TPageControl* pages = MakePages(tsButtons, tpTop, 0);
    (new TSkinTabBtn(pages))->AttachControl(SkinForm.get(), nullptr, false);
    for (int i = 0; i < pages->PageCount(); ++i)
        (new TSkinTabSheet(pages->Pages(i)))->AttachControl(SkinForm.get(), nullptr, false);
    SendMessageW(pages->Handle(), TCM_SETCURFOCUS, 2, 0);
    Redraw(pages->Handle());
    const TDataSkinButton& buttons = SkinForm->Skin()->Buttons;
    const int fw = buttons.Image.Width() / buttons.Frame;
    const int focus = static_cast<int>(SendMessageW(pages->Handle(), TCM_GETCURFOCUS, 0, 0));
    const Bitmap shot = Capture(pages->Handle());
    for (int i = 0; i < 3; ++i) {
        const RECT r = ItemRect(pages->Handle(), i);
        const int frame = i == focus ? 2 : 1;
        EXPECT_EQ(PixelAt(shot, r.left, (r.top + r.bottom) / 2),
                  ColourOf(buttons.Image.At(fw * (frame - 1), buttons.Image.Height() / 2)))
            << "tab " << i << Saved(shot, "buttons");
    }
    const Bitmap sheet = Capture(pages->ActivePage()->Handle());
    EXPECT_EQ(PixelAt(sheet, sheet.Width() / 2, sheet.Height() / 2),
              Resolved(SkinForm->Skin()->Colours.ButtonFace))
        << Saved(sheet, "page");
    // A page printed into a DC of ours is the same skinned face.
    DibSurface printed(sheet.Width(), sheet.Height());
    SendMessageW(pages->ActivePage()->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Dc()),
                 PRF_CLIENT);
    GdiFlush();
    const Bitmap print(printed.Pixels());
    EXPECT_EQ(PixelAt(print, print.Width() / 2, print.Height() / 2),
              Resolved(SkinForm->Skin()->Colours.ButtonFace))
        << Saved(print, "page-printed");
}

// Which of the four frames from firstFrame of element's image the button at
// rect of shot shows: the one most of its pixels agree with, the glyph's
// place and the image's transparent pixels left out.
int ShownFrame(const Bitmap& shot, const Rect& button, const TDataSkinBorder& element,
               int firstFrame) {
    const Rect glyph =
        CentredRect(button, element.Image2.Width() / element.Frame, element.Image2.Height());
    int best = 0;
    int bestScore = -1;
    for (int frame = firstFrame; frame < firstFrame + 4; ++frame) {
        Bitmap candidate(button.Width(), button.Height());
        DrawFrameStretched(candidate, candidate.Bounds(), element.Image, Transparency::Opaque,
                           element.Frame, frame);
        int score = 0;
        for (int y = button.Top; y < button.Bottom; ++y)
            for (int x = button.Left; x < button.Right; ++x) {
                const Pixel p = candidate.At(x - button.Left, y - button.Top);
                if (!glyph.Contains(x, y) && !SameRgb(p, PixelOf(kKeyColour)))
                    score += SameRgb(p, shot.At(x, y)) ? 1 : 0;
            }
        if (score > bestScore)
            std::tie(best, bestScore) = std::pair{frame, score};
    }
    return best;
}

// The arrows at rest, hot under the mouse, pressed, let go when the capture
// is lost, and disabled, each in its own frame; vertical from the style and
// horizontal when forced.
TEST_F(SkinTabTest, UpDownShowsEachStateInItsFrame) {
    enum TStep { Rest, HoverFirst, PressSecond, LoseCapture, Disable };
    const struct {
        TStep Step;
        int First, Second;
    } steps[] = {{Rest, 1, 5},
                 {HoverFirst, 4, 5},
                 {PressSecond, 1, 6},
                 {LoseCapture, 1, 8},
                 {Disable, 3, 7}};
    for (const bool forced : {false, true}) {
        const HWND window =
            CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 40, 300, forced ? 48 : 20,
                            forced ? 20 : 44, Form->Handle(), nullptr, nullptr, nullptr);
        auto* skinned = SkinBare<TSkinUpDown>(window);
        skinned->SetForcedHorizontal(forced);
        const TUpDownOrientation orientation = skinned->Orientation();
        EXPECT_EQ(orientation,
                  forced ? TUpDownOrientation::Horizontal : TUpDownOrientation::Vertical);
        const TDataSkinBorder& element =
            Element(*SkinForm->Skin(), forced ? "UpDown.Horz" : "UpDown.Vert");
        RECT client{};
        GetClientRect(window, &client);
        const TUpDownRects buttons = UpDownButtonRects(client.right, client.bottom, orientation);
        const auto centre = [&](const Rect& r) {
            POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
            ClientToScreen(window, &p);
            test::SettlePointer(p);
            ScreenToClient(window, &p);
            return MAKELPARAM(p.x, p.y);
        };
        test::SettlePointer({1, 1});
        for (const auto& s : steps) {
            if (s.Step == HoverFirst)
                SendMessageW(window, WM_MOUSEMOVE, 0, centre(buttons.First));
            if (s.Step == PressSecond) {
                SendMessageW(window, WM_MOUSEMOVE, 0, centre(buttons.Second));
                SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre(buttons.Second));
            }
            if (s.Step == LoseCapture)
                ReleaseCapture();
            if (s.Step == Disable)
                EnableWindow(window, FALSE);
            if (s.Step == Rest)
                Redraw(window);
            const Bitmap shot = Capture(window);
            const std::string name =
                (forced ? "horizontal-" : "vertical-") + std::to_string(s.Step);
            EXPECT_EQ(ShownFrame(shot, buttons.First, element, 1), s.First)
                << name << Saved(shot, name);
            EXPECT_EQ(ShownFrame(shot, buttons.Second, element, 5), s.Second)
                << name << Saved(shot, name);
        }
        delete skinned;
        DestroyWindow(window);
    }
}

// Without an up-down element the arrows are drawn in the scheme's colours;
// inside an edit they keep clear of the edit's border.
TEST_F(SkinTabTest, UpDownWithoutElementsAndInsideAnEdit) {
    const auto plainSkin = test::MakeTestSkin();
    SkinForm->SetSkinDefinition(plainSkin.get());
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 40, 300,
                                      120, 30, Form->Handle(), nullptr, nullptr, nullptr);
    RECT editClient{};
    GetClientRect(edit, &editClient);
    const HWND window =
        CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, editClient.right - 18, 0, 18,
                        editClient.bottom, edit, nullptr, nullptr, nullptr);
    auto* skinned = SkinBare<TSkinUpDown>(window);
    skinned->SetInsideEdit(true);
    Redraw(window);
    Bitmap shot = Capture(window);
    const int face = 5; // a row inside the upper button, clear of its arrow
    EXPECT_EQ(PixelAt(shot, 3, 0), RGB(255, 255, 255)) << "the inset" << Saved(shot, "inset");
    EXPECT_EQ(PixelAt(shot, 3, face), Resolved(plainSkin->Colours.ButtonFace))
        << Saved(shot, "plain");
    skinned->SetInsideEdit(false);
    POINT below{9, shot.Height() - 4};
    ClientToScreen(window, &below);
    test::SettlePointer(below);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, shot.Height() - 4));
    shot = Capture(window);
    EXPECT_EQ(PixelAt(shot, 3, shot.Height() - 3), Resolved(plainSkin->Colours.ButtonShadow))
        << "pressed" << Saved(shot, "pressed");
    ReleaseCapture();
    delete skinned;
}

} // namespace
} // namespace veyra
