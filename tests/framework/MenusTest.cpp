#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/CustomForm.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/GdiObject.h"
#include "framework/MainMenu.h"
#include "framework/MenuItem.h"
#include "framework/MenuPainter.h"
#include "framework/PopupMenu.h"
#include "framework/ToolBar.h"

namespace veyra {
namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::wstring& caption) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// Replaces how menus are tracked for one scope: records each call and answers
// what Choose gives.
struct TTrackRecorder {
    struct TCall {
        HMENU Menu;
        UINT Flags;
        POINT At;
        HWND Owner;
    };
    TTrackRecorder() {
        Previous =
            TPopupMenu::SetTrackFunction([this](HMENU menu, UINT flags, int x, int y, HWND owner) {
                Calls.push_back({menu, flags, {x, y}, owner});
                return Choose ? Choose(menu) : 0u;
            });
    }
    ~TTrackRecorder() { TPopupMenu::SetTrackFunction(std::move(Previous)); }
    std::function<UINT(HMENU)> Choose;
    std::vector<TCall> Calls;
    TPopupMenu::TTrackFunction Previous;
};

MENUITEMINFOW ReadItem(HMENU menu, int position, std::wstring* text = nullptr) {
    static wchar_t buffer[128];
    buffer[0] = 0;
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 128;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    if (text)
        *text = buffer;
    return info;
}

// A 32-bit top-down DIB section in a memory DC, for reading back painted pixels.
class TPixelCanvas {
public:
    TPixelCanvas(int width, int height) : Width_(width), Height_(height) {
        BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
        void* bits = nullptr;
        Bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        Bits_ = static_cast<std::uint32_t*>(bits);
        Select_.emplace(Dc_.Get(), Bitmap_.Get());
    }
    HDC Dc() const { return Dc_.Get(); }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = Bits_[y * Width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // How many pixels of rect have colour.
    int Count(const RECT& rect, COLORREF colour) const {
        int n = 0;
        for (int y = std::max(0, int(rect.top)); y < std::min(Height_, int(rect.bottom)); ++y)
            for (int x = std::max(0, int(rect.left)); x < std::min(Width_, int(rect.right)); ++x)
                n += Pixel(x, y) == colour;
        return n;
    }

private:
    int Width_, Height_;
    MemoryDc Dc_;
    BitmapHandle Bitmap_;
    std::optional<SelectObjectScope> Select_;
    std::uint32_t* Bits_ = nullptr;
};

LRESULT SendDraw(HDC dc, ULONG_PTR itemData, const RECT& rect, UINT state) {
    DRAWITEMSTRUCT request{
        ODT_MENU, 0,       static_cast<UINT>(itemData), ODA_DRAWENTIRE, state, nullptr, dc,
        rect,     itemData};
    return SendMessageW(PopupListWindow(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
}

// The answer to a measure request proposing 7 x 9; result receives the window's answer.
MEASUREITEMSTRUCT SendMeasure(ULONG_PTR itemData, LRESULT* result = nullptr) {
    MEASUREITEMSTRUCT request{ODT_MENU, 0, static_cast<UINT>(itemData), 7, 9, itemData};
    const LRESULT answer =
        SendMessageW(PopupListWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
    if (result)
        *result = answer;
    return request;
}

TEST(MenusItems, TreeOperationsKeepParentsCommandsAndOwnersConsistent) {
    TMenuItem root(nullptr);
    TMenuItem* a = AddItem(&root, L"A");
    TMenuItem* c = AddItem(&root, L"C");
    auto* b = new TMenuItem(nullptr);
    root.Insert(1, b);
    ASSERT_EQ(root.Count(), 3);
    EXPECT_EQ(root.Items(1), b);
    EXPECT_NE(a->Command(), 0u);
    EXPECT_NE(a->Command(), b->Command());
    EXPECT_LE(c->Command(), TMenuItem::MaxCommand);

    TMenuItem* deep = AddItem(c, L"Deep");
    EXPECT_EQ(root.Find(deep->Command()), deep);
    EXPECT_EQ(a->Find(deep->Command()), nullptr);
    EXPECT_THROW(deep->Add(&root), EMenuError) << "an item inside itself";
    EXPECT_THROW(root.Insert(9, new TMenuItem(&root)), EMenuError);
    EXPECT_THROW(root.Items(3), EMenuError);

    // Moving an item takes it from its old parent.
    a->Add(deep);
    EXPECT_EQ(c->Count(), 0);
    EXPECT_EQ(deep->Parent(), a);

    // Freeing an item removes it from its parent and retires its command.
    const UINT deepCommand = deep->Command();
    delete a;
    EXPECT_EQ(root.Count(), 2);
    EXPECT_EQ(TMenuItem::FromCommand(deepCommand), nullptr) << "children go with their parent";

    const UINT bCommand = b->Command();
    root.Clear();
    EXPECT_EQ(TMenuItem::FromCommand(bCommand), nullptr);

    // Items owned by a form and shown in its popup are freed by whichever goes
    // first: the popup (made after them) or the form (items made after the popup).
    TForm form(nullptr);
    const int before = form.ComponentCount();
    auto* early = new TMenuItem(&form);
    auto* popup = new TPopupMenu(&form);
    popup->Items()->Add(early);
    delete popup;
    EXPECT_EQ(form.ComponentCount(), before) << "freeing the popup freed its items";
    popup = new TPopupMenu(&form);
    popup->Items()->Add(new TMenuItem(&form));
}

TEST(MenusHandle, PlatformMenuShowsTheItemsTextsStatesAndSubmenus) {
    TPopupMenu popup(nullptr);
    TMenuItem* open = AddItem(popup.Items(), L"&Open");
    open->SetShortCutText(L"Ctrl+O");
    AddItem(popup.Items(), L"-");
    AddItem(popup.Items(), L"Off")->SetEnabled(false);
    AddItem(popup.Items(), L"On")->SetChecked(true);
    TMenuItem* more = AddItem(popup.Items(), L"More");
    TMenuItem* inner = AddItem(more, L"Inner");

    HMENU menu = popup.Handle();
    ASSERT_TRUE(IsMenu(menu));
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    std::wstring text;
    MENUITEMINFOW info = ReadItem(menu, 0, &text);
    EXPECT_EQ(text, L"&Open\tCtrl+O");
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(info.wID, open->Command());
    EXPECT_EQ(TMenuItem::FromCommand(static_cast<UINT>(ReadItem(menu, 0).dwItemData)), open);
    EXPECT_TRUE(ReadItem(menu, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(ReadItem(menu, 2).fState & (MFS_DISABLED | MFS_GRAYED),
              static_cast<UINT>(MFS_DISABLED | MFS_GRAYED));
    EXPECT_EQ(ReadItem(menu, 3).fState & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(ReadItem(menu, 3).fState & MFS_GRAYED, 0u);
    const HMENU subMenu = ReadItem(menu, 4).hSubMenu;
    ASSERT_TRUE(IsMenu(subMenu));
    ASSERT_EQ(GetMenuItemCount(subMenu), 1);
    EXPECT_EQ(ReadItem(subMenu, 0).wID, inner->Command());
    EXPECT_EQ(popup.Handle(), menu) << "nothing changed, nothing rebuilt";

    // Owner-drawn: every item, separators included, and the old menu is destroyed.
    popup.SetOwnerDraw(true);
    const HMENU drawn = popup.Handle();
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsMenu(subMenu));
    for (int i = 0; i < GetMenuItemCount(drawn); ++i)
        EXPECT_TRUE(ReadItem(drawn, i).fType & MFT_OWNERDRAW) << i;
    EXPECT_TRUE(ReadItem(drawn, 1).fType & MFT_SEPARATOR);
    EXPECT_TRUE(ReadItem(ReadItem(drawn, 4).hSubMenu, 0).fType & MFT_OWNERDRAW);

    // A change to an item deep down rebuilds the menu.
    inner->SetEnabled(false);
    const HMENU rebuilt = popup.Handle();
    EXPECT_FALSE(IsMenu(drawn));
    EXPECT_TRUE(ReadItem(ReadItem(rebuilt, 4).hSubMenu, 0).fState & MFS_GRAYED);
}

TEST(MenusPopup, ChosenItemRunsItsClickAfterOnPopupAndNothingElse) {
    TTrackRecorder track;
    TPopupMenu popup(nullptr);
    std::vector<std::string> log;
    popup.OnPopup = [&](TObject* sender) {
        log.push_back(sender == &popup ? "popup" : "popup from elsewhere");
        // Items added now are in the menu that shows.
        AddItem(popup.Items(), L"Late")->OnClick = [&](TObject*) { log.push_back("late"); };
    };
    TMenuItem* first = AddItem(popup.Items(), L"First");
    TMenuItem* sub = AddItem(AddItem(popup.Items(), L"More"), L"Sub");
    first->OnClick = [&](TObject* sender) {
        log.push_back(sender == first ? "first" : "first from elsewhere");
    };
    sub->OnClick = [&](TObject*) { log.push_back("sub"); };
    track.Choose = [&](HMENU menu) {
        log.push_back("shown with " + std::to_string(GetMenuItemCount(menu)) + " items");
        return sub->Command();
    };

    popup.Popup(120, 80);
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "shown with 3 items", "sub"}));
    ASSERT_EQ(track.Calls.size(), 1u);
    EXPECT_EQ(track.Calls[0].Flags,
              static_cast<UINT>(TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN));
    EXPECT_EQ(track.Calls[0].At.x, 120);
    EXPECT_EQ(track.Calls[0].At.y, 80);
    EXPECT_EQ(track.Calls[0].Owner, PopupListWindow());
    EXPECT_TRUE(IsWindow(PopupListWindow()));
    EXPECT_EQ(track.Calls[0].Menu, popup.Handle());

    // Nothing chosen, a disabled item, or another menu's item: no click.
    TPopupMenu other(nullptr);
    TMenuItem* foreign = AddItem(other.Items(), L"Foreign");
    foreign->OnClick = [&](TObject*) { log.push_back("foreign"); };
    popup.OnPopup = nullptr;
    first->SetEnabled(false);
    for (UINT chosen : {0u, first->Command(), foreign->Command(), 0xFFFFu}) {
        log.clear();
        track.Choose = [chosen](HMENU) { return chosen; };
        popup.Popup(0, 0);
        EXPECT_TRUE(log.empty()) << "chosen " << chosen;
    }
}

TEST(MenusPopup, ItemsOrThePopupFreedWhileTheMenuIsOpenAreNeverReached) {
    TTrackRecorder track;
    auto* popup = new TPopupMenu(nullptr);
    TMenuItem* doomed = AddItem(popup->Items(), L"Doomed");
    bool clicked = false;
    doomed->OnClick = [&](TObject*) { clicked = true; };
    UINT doomedCommand = 0;
    track.Choose = [&](HMENU) {
        doomedCommand = doomed->Command();
        delete doomed;
        return doomedCommand;
    };
    popup->Popup(0, 0);
    EXPECT_FALSE(clicked);
    // The open menu still names the freed item; its draw requests are ignored.
    TPixelCanvas canvas(40, 20);
    EXPECT_EQ(SendDraw(canvas.Dc(), doomedCommand, {0, 0, 40, 20}, 0), 0);

    TMenuItem* kept = AddItem(popup->Items(), L"Kept");
    kept->OnClick = [&](TObject*) { clicked = true; };
    HMENU shown = nullptr;
    track.Choose = [&](HMENU menu) {
        shown = menu;
        const UINT command = kept->Command();
        delete popup;
        return command;
    };
    popup->Popup(0, 0);
    EXPECT_FALSE(clicked);
    EXPECT_FALSE(IsMenu(shown)) << "the menu of the freed popup is destroyed once it has closed";
}

// A control's popup menu shows where the context menu was asked for (under
// the control's corner when asked from the keyboard), a drop-down tool
// button's menu under the button; a freed menu is forgotten.
TEST(MenusPopup, ControlsShowTheirOwnMenusWhereAsked) {
    TTrackRecorder recorder;
    TForm form(nullptr);
    form.SetBounds(50, 50, 400, 200);
    auto* bar = new TToolBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 380, 30);
    auto* button = new TToolButton(&form);
    button->SetCaption(L"Go");
    button->SetStyle(tbsDropDown);
    bar->AddButton(button);
    TPopupMenu context(nullptr);
    TPopupMenu dropDown(nullptr);
    context.Items()->Add(new TMenuItem(&context));
    dropDown.Items()->Add(new TMenuItem(&dropDown));
    bar->SetPopupMenu(&context);
    button->SetDropdownMenu(&dropDown);
    form.HandleNeeded();
    const HWND window = bar->Handle();

    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    RECT place{};
    SendMessageW(window, TB_GETRECT, static_cast<WPARAM>(button->Command()),
                 reinterpret_cast<LPARAM>(&place));
    POINT below{place.left, place.bottom};
    ClientToScreen(window, &below);
    NMTOOLBARW drop{};
    drop.hdr = {window, 0, static_cast<UINT>(TBN_DROPDOWN)};
    drop.iItem = button->Command();
    const struct {
        const char* Name;
        std::function<void()> Ask;
        const TPopupMenu* Menu;
        POINT At;
    } cases[] = {
        {"mouse",
         [&] { SendMessageW(window, WM_CONTEXTMENU, 0, MAKELPARAM(300, 120)); },
         &context,
         {300, 120}},
        {"keyboard", [&] { SendMessageW(window, WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1)); }, &context,
         corner},
        {"drop-down",
         [&] { SendMessageW(form.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&drop)); },
         &dropDown, below},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        recorder.Calls.clear();
        c.Ask();
        ASSERT_EQ(recorder.Calls.size(), 1u);
        // The menu shown is built afresh: it is known by its item.
        EXPECT_EQ(GetMenuItemID(recorder.Calls[0].Menu, 0), c.Menu->Items()->Items(0)->Command());
        EXPECT_EQ(recorder.Calls[0].At.x, c.At.x);
        EXPECT_EQ(recorder.Calls[0].At.y, c.At.y);
    }
    {
        TPopupMenu gone(nullptr);
        bar->SetPopupMenu(&gone);
    }
    EXPECT_EQ(bar->PopupMenu(), nullptr);
}

TEST(MenusOwnerDraw, PopupListWindowPassesRequestsToTheItemsHandlers) {
    TPopupMenu popup(nullptr);
    popup.SetOwnerDraw(true);
    TMenuItem* item = AddItem(popup.Items(), L"Handled");
    TObject* measuredSender = nullptr;
    item->OnMeasureItem = [&](TObject* sender, HDC dc, int& width, int& height) {
        measuredSender = sender;
        EXPECT_NE(dc, nullptr);
        EXPECT_EQ(width, 7) << "the platform's proposal comes in";
        width = 123;
        height = 45;
    };
    RECT drawnRect{};
    bool drawnSelected = false;
    int draws = 0;
    item->OnDrawItem = [&](TObject* sender, HDC, const RECT& rect, bool selected) {
        EXPECT_EQ(sender, item);
        drawnRect = rect;
        drawnSelected = selected;
        ++draws;
    };
    LRESULT answer = 0;
    const MEASUREITEMSTRUCT measured = SendMeasure(item->Command(), &answer);
    EXPECT_EQ(answer, TRUE);
    EXPECT_EQ(measuredSender, item);
    EXPECT_EQ(measured.itemWidth, 123u);
    EXPECT_EQ(measured.itemHeight, 45u);

    TPixelCanvas canvas(100, 30);
    EXPECT_EQ(SendDraw(canvas.Dc(), item->Command(), {2, 3, 90, 25}, ODS_SELECTED), TRUE);
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(drawnSelected);
    EXPECT_EQ(drawnRect.left, 2);
    EXPECT_EQ(drawnRect.bottom, 25);

    // Unknown item data (never a command, a retired one, a pointer-like value) is ignored.
    auto* gone = new TMenuItem(nullptr);
    const UINT goneCommand = gone->Command();
    delete gone;
    for (ULONG_PTR data : {ULONG_PTR(0), ULONG_PTR(goneCommand), ULONG_PTR(0x7FFE1234)}) {
        const MEASUREITEMSTRUCT untouched = SendMeasure(data, &answer);
        EXPECT_EQ(answer, 0) << data;
        EXPECT_EQ(untouched.itemWidth, 7u);
        EXPECT_EQ(SendDraw(canvas.Dc(), data, {0, 0, 10, 10}, 0), 0) << data;
    }
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(SendMessageW(PopupListWindow(), WM_MEASUREITEM, 0, 0), 0) << "no request at all";
}

TEST(MenusOwnerDraw, RealTrackedMenuAsksTheItemsToMeasureThemselves) {
    // The default tracking really shows the menu; a timer closes it.
    struct TCloser {
        static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }
    };
    TPopupMenu popup(nullptr);
    popup.SetOwnerDraw(true);
    TMenuItem* item = AddItem(popup.Items(), L"Real");
    int measures = 0;
    item->OnMeasureItem = [&](TObject*, HDC, int& width, int& height) {
        ++measures;
        width = 80;
        height = 20;
    };
    bool clicked = false;
    item->OnClick = [&](TObject*) { clicked = true; };
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, &TCloser::Close);
    popup.Popup(100, 100);
    KillTimer(nullptr, timer);
    EXPECT_GE(measures, 1);
    EXPECT_FALSE(clicked) << "closed without a choice";
}

TEST(MenusPainter, PlainPainterMeasuresAndPaintsInTheMenuColours) {
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
    ASSERT_NE(images, nullptr);
    const std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, decltype(&ImageList_Destroy)>
        ownImages(images, &ImageList_Destroy);
    const COLORREF red = RGB(255, 0, 0);
    {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        TGdiObject<HBITMAP> glyph(
            CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(glyph);
        std::fill_n(static_cast<std::uint32_t*>(bits), 16 * 16, 0x00FF0000u);
        ASSERT_EQ(ImageList_Add(images, glyph.Get(), nullptr), 0);
    }
    TPopupMenu popup(nullptr);
    popup.SetImages(images);
    TMenuItem* close = AddItem(popup.Items(), L"Hill");
    close->SetShortCutText(L"ALT+F4");
    TMenuItem* line = AddItem(popup.Items(), L"-");

    // Measured: gutter, caption, gap, shortcut and margins; a line is 8 high.
    const MEASUREITEMSTRUCT withShortCut = SendMeasure(close->Command());
    close->SetShortCutText(L"");
    const MEASUREITEMSTRUCT without = SendMeasure(close->Command());
    close->SetShortCutText(L"ALT+F4");
    EXPECT_GT(without.itemWidth,
              static_cast<UINT>(TMenuItemLayout::GutterWidth + TMenuItemLayout::RightMargin));
    EXPECT_GT(withShortCut.itemWidth, without.itemWidth + TMenuItemLayout::ShortCutGap);
    EXPECT_GE(without.itemHeight, 20u);
    EXPECT_EQ(SendMeasure(line->Command()).itemHeight, 8u);

    const int w = 160, h = 24;
    const RECT rect{0, 0, w, h};
    const RECT glyphBox = TMenuItemLayout::GlyphRect(rect);
    const RECT textBox = TMenuItemLayout::TextRect(rect);
    const RECT shortCutEnd{textBox.right - 12, 0, textBox.right, h};
    const RECT rightMargin{textBox.right, 0, w, h};
    const COLORREF menu = GetSysColor(COLOR_MENU), menuText = GetSysColor(COLOR_MENUTEXT);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT),
                   highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

    TPixelCanvas plain(w, h);
    ASSERT_EQ(SendDraw(plain.Dc(), close->Command(), rect, 0), TRUE);
    EXPECT_EQ(plain.Pixel(w - 2, h / 2), menu);
    EXPECT_GT(plain.Count(textBox, menuText), 0) << "caption";
    EXPECT_GT(plain.Count(shortCutEnd, menuText), 0) << "shortcut right-aligned";
    EXPECT_EQ(plain.Count(rightMargin, menuText), 0);
    EXPECT_EQ(plain.Count(glyphBox, menuText), 0) << "no image, no check";

    TPixelCanvas selected(w, h);
    SendDraw(selected.Dc(), close->Command(), rect, ODS_SELECTED);
    EXPECT_EQ(selected.Pixel(w - 2, h / 2), highlight);
    EXPECT_EQ(selected.Pixel(1, 1), highlight);
    EXPECT_GT(selected.Count(textBox, highlightText), 0);

    TPixelCanvas separator(w, TMenuItemLayout::SeparatorHeight);
    const RECT lineRect{0, 0, w, TMenuItemLayout::SeparatorHeight};
    SendDraw(separator.Dc(), line->Command(), lineRect, ODS_SELECTED);
    const int y = TMenuItemLayout::SeparatorY(lineRect);
    EXPECT_EQ(separator.Pixel(w / 2, y), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(separator.Pixel(w / 2, y + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(separator.Pixel(w / 2, 0), menu) << "a line is never highlighted";

    close->SetImageIndex(0);
    TPixelCanvas image(w, h);
    SendDraw(image.Dc(), close->Command(), rect, 0);
    EXPECT_EQ(image.Count(glyphBox, red), 16 * 16) << "the image fills the gutter's box";

    close->SetEnabled(false);
    TPixelCanvas faded(w, h);
    SendDraw(faded.Dc(), close->Command(), rect, 0);
    EXPECT_LT(faded.Count(glyphBox, red), 16 * 16) << "a disabled image is faded";
    EXPECT_LT(faded.Count(glyphBox, menu), 16 * 16) << "but still drawn";
    EXPECT_GT(faded.Count(textBox, GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(faded.Count(textBox, menuText), 0);

    close->SetEnabled(true);
    close->SetImageIndex(5); // beyond the list: no image, the check mark instead
    close->SetChecked(true);
    TPixelCanvas checked(w, h);
    SendDraw(checked.Dc(), close->Command(), rect, 0);
    EXPECT_EQ(checked.Count(glyphBox, red), 0);
    EXPECT_GT(checked.Count(glyphBox, menuText), 4) << "check mark";
}

TEST(MenusRegistry, StoredDescriptionSetsMenuProperties) {
    RegisterComponentClass(TPopupMenu::StaticClass());
    RegisterComponentClass(TMenuItem::StaticClass());
    TForm form(nullptr);
    TFormReader::Read(form, "object MenuForm: TForm\n"
                            "  object SystemMenu: TPopupMenu\n"
                            "    Tag = 33333\n"
                            "    OwnerDraw = True\n"
                            "  end\n"
                            "  object CloseItem: TMenuItem\n"
                            "    Caption = ' Close '\n"
                            "    Enabled = False\n"
                            "    Checked = True\n"
                            "    ImageIndex = 3\n"
                            "  end\n"
                            "end\n");
    auto* popup = As<TPopupMenu>(form.FindComponent("SystemMenu"));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Tag(), 33333);
    EXPECT_TRUE(popup->OwnerDraw());
    auto* item = As<TMenuItem>(form.FindComponent("CloseItem"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Caption(), L" Close ");
    EXPECT_FALSE(item->Enabled());
    EXPECT_TRUE(item->Checked());
    EXPECT_EQ(item->ImageIndex(), 3);
    ASSERT_NE(TMenuItem::StaticClass().FindProperty("OnClick"), nullptr);
    EXPECT_EQ(TMenuItem::StaticClass().FindProperty("OnClick")->Kind, TTypeKind::tkMethod);
}

} // namespace
} // namespace veyra

namespace veyra {
namespace {

// A stored main menu becomes the form's menu bar: nested items land in
// their parents, hidden items stay out, the default item is marked, a
// chosen item's OnClick runs from the form's WM_COMMAND, and the form lets
// go of a menu that is freed. A tool bar takes its nested buttons the same way.
TEST(MenusMainMenu, AStoredMainMenuIsTheFormsBarAndRunsItsItems) {
    RegisterFrameworkClasses();
    TForm form(nullptr);
    TFormReader::Read(form, "object MenuForm: TForm\n"
                            "  Menu = Bar\n"
                            "  object Bar: TMainMenu\n"
                            "    object FileItem: TMenuItem\n"
                            "      Caption = '&File'\n"
                            "      object OpenItem: TMenuItem\n"
                            "        Caption = '&Open'\n"
                            "        Default = True\n"
                            "      end\n"
                            "      object HiddenItem: TMenuItem\n"
                            "        Caption = 'Hidden'\n"
                            "        Visible = False\n"
                            "      end\n"
                            "      object QuitItem: TMenuItem\n"
                            "        Caption = '&Quit'\n"
                            "      end\n"
                            "    end\n"
                            "    object HelpItem: TMenuItem\n"
                            "      Caption = '&Help'\n"
                            "    end\n"
                            "  end\n"
                            "  object Tools: TToolBar\n"
                            "    object ToolOne: TToolButton\n"
                            "      Caption = 'One'\n"
                            "    end\n"
                            "  end\n"
                            "end\n");
    auto* bar = As<TMainMenu>(form.FindComponent("Bar"));
    auto* file = As<TMenuItem>(form.FindComponent("FileItem"));
    auto* open = As<TMenuItem>(form.FindComponent("OpenItem"));
    auto* tools = As<TToolBar>(form.FindComponent("Tools"));
    ASSERT_TRUE(bar && file && open && tools);
    EXPECT_EQ(form.Menu(), bar);
    EXPECT_EQ(bar->Items()->Count(), 2);
    EXPECT_EQ(file->Count(), 3);
    ASSERT_EQ(tools->Buttons().size(), 1u);
    EXPECT_EQ(tools->Buttons()[0]->Caption(), L"One");

    form.HandleNeeded();
    const HWND window = form.Handle();
    const HMENU menu = GetMenu(window);
    ASSERT_EQ(menu, bar->Handle());
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    const HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(popup), 2) << "the hidden item is left out";
    EXPECT_EQ(bar->FindItemByHandle(popup), file);
    EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), open->Command());

    int clicks = 0;
    open->OnClick = [&clicks](TObject*) { ++clicks; };
    SendMessageW(window, WM_COMMAND, open->Command(), 0);
    EXPECT_EQ(clicks, 1);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(open->Command(), 1), 0);
    EXPECT_EQ(clicks, 2) << "an accelerator's command is the item's too";
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(open->Command(), EN_CHANGE),
                 reinterpret_cast<LPARAM>(tools->WindowHandle()));
    EXPECT_EQ(clicks, 2) << "a control's notification is no menu command";

    // A changed tree gives the window a new bar once asked.
    auto* extra = new TMenuItem(bar);
    extra->SetCaption(L"&Extra");
    bar->Items()->Add(extra);
    form.RefreshMenu();
    EXPECT_EQ(GetMenuItemCount(GetMenu(window)), 3);

    delete bar;
    EXPECT_EQ(form.Menu(), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
}

} // namespace
} // namespace veyra
