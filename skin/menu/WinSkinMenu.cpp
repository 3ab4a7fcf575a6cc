#include "WinSkinMenu.h"

#include "MenuItemPainter.h"

#include <algorithm>
#include <string>

#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/SliceGeometry.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

// The section that holds the menu-bar element: two frames, active and inactive.
constexpr const char* kMenuBarElement = "Personality";
constexpr int kMenuBarFrames = 2;

// The text of the item at position, however long: asked for its length first.
std::wstring ItemText(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) || info.cch == 0)
        return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
        return {};
    text.resize(std::min<std::size_t>(info.cch, text.size()));
    return text;
}

const TDataSkinObject* MenuBarElement(const TSkinDefinition* skin) {
    const TDataSkinObject* element = skin ? skin->Find(kMenuBarElement) : nullptr;
    return element && !element->Image.IsEmpty() ? element : nullptr;
}

} // namespace

TWinSkinMenu::TWinSkinMenu(HWND window, TNCHotSlot& hot)
    : Window_(window), Hot_(hot), Font_(CreateMenuFont()) {
    Canvas_.Window = window;
    Canvas_.BarImage = &BarImage_;
    Canvas_.Font = Font_.Get();
}

void TWinSkinMenu::BuildFromMenu(HMENU menu) {
    Items_.clear();
    CaptionWidths_.clear();
    MenuHandle_ = menu && IsMenu(menu) ? menu : nullptr;
    if (!MenuHandle_)
        return;
    const int count = GetMenuItemCount(MenuHandle_);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(MenuHandle_, static_cast<UINT>(position), TRUE, &info))
            continue;
        auto item = std::make_unique<TMenuBtn>(Hot_, Canvas_);
        item->Index = static_cast<int>(Items_.size());
        item->Visible = true;
        item->ItemEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        item->Enabled = item->ItemEnabled;
        item->SubMenu = info.hSubMenu;
        // An item with a submenu carries the submenu's handle as its
        // identifier; that is never a command.
        item->Command = info.hSubMenu ? 0 : info.wID;
        if (!(info.fType & (MFT_BITMAP | MFT_SEPARATOR)))
            item->Caption = ItemText(MenuHandle_, position);
        Items_.push_back(std::move(item));
    }
}

void TWinSkinMenu::SetLook(const TSkinDefinition* skin, bool active, bool rightToLeft) {
    Skin_ = skin;
    Active_ = active;
    const TSkinColours colours = skin ? skin->Colours : TSkinColours{};
    Canvas_.Text = colours.MenuBarText;
    Canvas_.DisabledText = colours.ButtonShadow;
    Canvas_.Light = colours.ButtonHilight;
    Canvas_.Dark = colours.ButtonShadow;
    Canvas_.RightToLeft = rightToLeft;
}

int TWinSkinMenu::StartOffset(int barWidth) const {
    const TDataSkinObject* element = MenuBarElement(Skin_);
    return MenuBarStartOffset(element != nullptr, element ? element->LeftWidth : 0,
                              element ? element->RightWidth : 0, Canvas_.RightToLeft, barWidth);
}

std::vector<TMenuBarItemInput> TWinSkinMenu::LayoutInputs() const {
    std::vector<TMenuBarItemInput> inputs;
    for (std::size_t i = 0; i < Items_.size(); ++i) {
        const TMenuBtn& item = *Items_[i];
        TMenuBarItemInput input;
        input.CaptionWidth = i < CaptionWidths_.size() ? CaptionWidths_[i] : 0;
        input.Visible = item.Visible;
        input.HasCaption = !item.Caption.empty();
        input.Enabled = item.ItemEnabled;
        input.HasPopup = item.SubMenu != nullptr;
        inputs.push_back(input);
    }
    return inputs;
}

void TWinSkinMenu::LayoutBar(const Rect& bar) {
    Canvas_.BarRect = bar;
    if (bar.IsEmpty())
        return;
    CaptionWidths_.assign(Items_.size(), 0);
    MemoryDc dc;
    if (dc) {
        const SelectObjectScope font(dc.Get(), Font_ ? static_cast<HGDIOBJ>(Font_.Get())
                                                     : GetStockObject(DEFAULT_GUI_FONT));
        for (std::size_t i = 0; i < Items_.size(); ++i) {
            RECT measured{};
            DrawUtf16Text(dc.Get(), Items_[i]->Caption, measured,
                          DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_EXPANDTABS);
            CaptionWidths_[i] = measured.right - measured.left;
        }
    }
    const std::vector<Rect> rects =
        LayoutMenuBar(bar, StartOffset(bar.Width()), LayoutInputs(), Canvas_.RightToLeft);
    for (std::size_t i = 0; i < Items_.size() && i < rects.size(); ++i)
        Items_[i]->BoundsRect = rects[i];
}

void TWinSkinMenu::PaintBackground(Bitmap& target, int width, int height) const {
    const Rect whole{0, 0, width, height};
    if (const TDataSkinObject* element = MenuBarElement(Skin_)) {
        const int frame = Active_ ? 1 : 2;
        if (element->Tile == 1)
            Tile(target, whole, element->Image,
                 FrameRect(element->Image.Width(), element->Image.Height(), kMenuBarFrames, frame,
                           FrameLayout::Horizontal));
        else
            DrawFrameStretched(target, whole, element->Image, Transparency::Opaque, kMenuBarFrames,
                               frame);
        return;
    }
    const TSkinColours colours = Skin_ ? Skin_->Colours : TSkinColours{};
    target.Fill(PixelOf(ResolveColour(colours.Menubar)));
}

void TWinSkinMenu::PaintBar(HDC dc, const Rect& bar) {
    LayoutBar(bar);
    if (bar.IsEmpty() || !dc)
        return;
    DibSurface surface(bar.Width(), bar.Height());
    PaintBackground(surface.Pixels(), bar.Width(), bar.Height());
    BarImage_ = surface.Pixels();
    for (const auto& item : Items_)
        if (item->Visible && !item->BoundsRect.IsEmpty())
            item->PaintInto(surface.Dc());
    DrawBitmapToDc(dc, bar.Left, bar.Top, surface.Pixels());
}

TMenuBtn* TWinSkinMenu::ItemAtPoint(POINT point) const {
    std::vector<Rect> rects;
    for (const auto& item : Items_)
        rects.push_back(item->BoundsRect);
    const int index = MenuBarItemAt(rects, LayoutInputs(), point.x, point.y);
    return index >= 0 ? Items_[static_cast<std::size_t>(index)].get() : nullptr;
}

TMenuBtn* TWinSkinMenu::ItemByAccessKey(wchar_t key) const {
    if (key == 0)
        return nullptr;
    const auto upper = static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(
        CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(key)))));
    for (const auto& item : Items_)
        if (item->Visible && item->ItemEnabled && item->AccessKey() == upper)
            return item.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::Neighbour(int index, bool forward, bool popupsOnly) const {
    const int next = MenuBarNeighbour(LayoutInputs(), index, forward, popupsOnly);
    return next >= 0 ? Items_[static_cast<std::size_t>(next)].get() : nullptr;
}

} // namespace veyra
