#include "MenuItemPainter.h"

#include <algorithm>
#include <cstdint>

#include "WinSkinPopMenu.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "skin/data/MenuBarLayout.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/SliceGeometry.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/imaging/TextWin32.h"
#include "skin/manager/SkinManage.h"

namespace veyra {

namespace {

constexpr const char* kMenuItemElement = "MenuItem";
constexpr int kItemFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;
constexpr int kGlyphSize = 16;
constexpr int kShortCutGap = 16;

const TDataSkinObject* ItemElement(const TSkinDefinition* skin) {
    const TDataSkinObject* element = skin ? skin->Find(kMenuItemElement) : nullptr;
    return element && !element->Image.IsEmpty() ? element : nullptr;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    const BrushHandle brush(CreateSolidBrush(colour));
    if (brush)
        FillRect(dc, &r, brush.Get());
}

RECT ToRECT(const Rect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

// The skin's separator: frame 2 of the element, its left and right margins
// kept and its middle stretched, centred in the item, the key colour clear.
void DrawSkinSeparator(Bitmap& target, const TDataSkinObject& element) {
    const Rect frame = FrameRect(element.Image.Width(), element.Image.Height(), kItemFrames,
                                 kSeparatorFrame, FrameLayout::Horizontal);
    const int height = std::min(target.Height(), frame.Height());
    const int top = (target.Height() - height) / 2;
    DrawThreeSliceTiled(target, {0, top, target.Width(), top + height}, element.Image,
                        FrameLayout::Horizontal, Transparency::KeyColour, kItemFrames,
                        kSeparatorFrame, element.GetMargins());
}

// The plain painter's separator: an etched line 4 pixels below the top.
void DrawPlainSeparator(HDC dc, int width, Colour shadow, Colour light) {
    Fill(dc, {2, 4, width - 2, 5}, ResolveColour(shadow));
    Fill(dc, {2, 5, width - 2, 6}, ResolveColour(light));
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
    const PenHandle pen(CreatePen(PS_SOLID, 1, colour));
    if (!pen)
        return;
    const SelectObjectScope select(dc, pen.Get());
    const int x = box.left + (box.right - box.left - kGlyphSize) / 2;
    const int y = box.top + (box.bottom - box.top - kGlyphSize) / 2;
    for (int dy = 0; dy < 2; ++dy) {
        const POINT tick[3] = {{x + 4, y + 7 + dy}, {x + 7, y + 10 + dy}, {x + 13, y + 4 + dy}};
        Polyline(dc, tick, 3);
    }
}

// The HBMMENU_* values stand for pictures the platform draws itself; only
// a real bitmap handle is drawn here.
bool IsRealBitmap(HBITMAP bitmap) {
    const auto value = reinterpret_cast<INT_PTR>(bitmap);
    return value > reinterpret_cast<INT_PTR>(HBMMENU_POPUP_MINIMIZE) || value < -1;
}

// Whether a 32-bit DIB section uses its alpha bytes; one that leaves them
// all zero is opaque.
bool HasAlpha(const BITMAP& info) {
    if (info.bmBitsPixel != 32 || !info.bmBits)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(info.bmBits);
    const std::size_t size = static_cast<std::size_t>(info.bmWidthBytes) * info.bmHeight;
    for (std::size_t i = 3; i < size; i += 4)
        if (bytes[i] != 0)
            return true;
    return false;
}

// An item's own bitmap centred in box: blended by its alpha when it has
// one, else copied; a disabled item's embossed.
void DrawItemBitmap(HDC dc, const RECT& box, HBITMAP bitmap, bool enabled) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    const int x = box.left + (box.right - box.left - info.bmWidth) / 2;
    const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2;
    if (!enabled) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y, info.bmWidth,
                   info.bmHeight, DST_BITMAP | DSS_DISABLED);
        return;
    }
    MemoryDc source;
    if (!source)
        return;
    const SelectObjectScope select(source.Get(), bitmap);
    if (HasAlpha(info)) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth,
                      info.bmHeight, blend);
    } else {
        BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }
}

void DrawGlyph(HDC dc, const RECT& box, const TMenuItemLook& look, COLORREF textColour) {
    const bool hasImage = look.Images && look.ImageIndex >= 0 &&
                          look.ImageIndex < ImageList_GetImageCount(look.Images);
    if (hasImage) {
        if (look.Checked) {
            // A checked item with an image shows it pressed on a checker board.
            const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            const BitmapHandle bits(CreateBitmap(8, 8, 1, 1, pattern));
            const BrushHandle checker(bits ? CreatePatternBrush(bits.Get()) : nullptr);
            const TextColourScope face(dc, GetSysColor(COLOR_BTNFACE));
            SetBkColor(dc, GetSysColor(COLOR_BTNHILIGHT));
            if (checker)
                FillRect(dc, &box, checker.Get());
            RECT edge = box;
            DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        }
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(look.Images, &cx, &cy);
        const int x = box.left + (box.right - box.left - cx) / 2;
        const int y = box.top + (box.bottom - box.top - cy) / 2;
        ImageList_DrawEx(look.Images, look.ImageIndex, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                         look.Enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    } else if (IsRealBitmap(look.Bitmap)) {
        DrawItemBitmap(dc, box, look.Bitmap, look.Enabled);
    } else if (look.Checked) {
        DrawCheckMark(dc, box, textColour);
    }
}

COLORREF TextColour(const TMenuItemLook& look, const TSkinColours& colours) {
    if (!look.Enabled) {
        // A shadow the same as the text would hide the difference.
        return colours.ButtonShadow == colours.MenuText ? GetSysColor(COLOR_BTNSHADOW)
                                                        : ResolveColour(colours.ButtonShadow);
    }
    return ResolveColour(look.Selected ? colours.HilightText : colours.MenuText);
}

void DrawContent(HDC dc, int width, int height, const TMenuItemLook& look, int leftWidth,
                 const TSkinColours& colours) {
    int glyph = kGlyphSize;
    if (look.Images) {
        int cx = 0;
        int cy = 0;
        if (ImageList_GetIconSize(look.Images, &cx, &cy) && cx > 0)
            glyph = cx;
    }
    const TMenuItemParts parts = LayoutMenuItem({0, 0, width, height}, leftWidth, glyph,
                                                look.Checked, look.Separator, look.RightToLeft);
    const COLORREF colour = TextColour(look, colours);
    if (!parts.GlyphBox.IsEmpty()) {
        // The box is as high as the item allows, centred.
        RECT box = ToRECT(parts.GlyphBox);
        const int side = box.bottom - box.top;
        box.top = std::max(0, (height - side) / 2);
        box.bottom = box.top + side;
        DrawGlyph(dc, box, look, colour);
    }
    const FontHandle font = CreateMenuFont(look.Default);
    const SelectObjectScope selectFont(dc, font ? static_cast<HGDIOBJ>(font.Get())
                                                : GetStockObject(DEFAULT_GUI_FONT));
    const BkModeScope transparent(dc, TRANSPARENT);
    const TextColourScope text(dc, colour);
    const UINT direction = look.RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    RECT textRect = ToRECT(parts.TextRect);
    DrawUtf16Text(dc, look.Caption, textRect,
                  direction | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    if (!look.ShortCut.empty()) {
        RECT shortCut = ToRECT(parts.ShortCutEnd);
        DrawUtf16Text(dc, look.ShortCut, shortCut,
                      (look.RightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT) | DT_VCENTER |
                          DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace

FontHandle CreateMenuFont(bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return {};
    if (bold)
        metrics.lfMenuFont.lfWeight = FW_BOLD;
    return FontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

void SplitItemText(const std::wstring& text, std::wstring& caption, std::wstring& shortCut) {
    const std::size_t tab = text.find(L'\t');
    caption = text.substr(0, tab);
    shortCut = tab == std::wstring::npos ? std::wstring() : text.substr(tab + 1);
}

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, const TSkinDefinition* skin,
                   const TMenuItemBackdrop& backdrop) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!dc || width <= 0 || height <= 0)
        return;
    const TSkinColours colours = skin ? skin->Colours : TSkinColours{};
    const TDataSkinObject* element = ItemElement(skin);
    DibSurface surface(width, height);
    Bitmap& pixels = surface.Pixels();
    if (!element) {
        pixels.Fill(PixelOf(
            ResolveColour(look.Selected && !look.Separator ? colours.Hilight : colours.Menu)));
        if (look.Separator)
            DrawPlainSeparator(surface.Dc(), width, colours.ButtonShadow, colours.ButtonHilight);
    } else {
        if (backdrop.Image && !backdrop.Image->IsEmpty())
            DrawBitmap(pixels, -(rect.left + backdrop.Offset.x), -(rect.top + backdrop.Offset.y),
                       *backdrop.Image);
        else
            pixels.Fill(PixelOf(ResolveColour(colours.Menu)));
        if (look.Separator) {
            DrawSkinSeparator(pixels, *element);
        } else {
            DrawSlicedFrame(pixels, {0, 0, width, height}, element->Image, FrameLayout::Horizontal,
                            element->Tile == 1 ? MiddleFill::Tile : MiddleFill::Stretch,
                            element->Trans ? Transparency::KeyColour : Transparency::Opaque,
                            kItemFrames, look.Selected ? kSelectedFrame : kNormalFrame,
                            element->GetMargins());
        }
    }
    if (!look.Separator)
        DrawContent(surface.Dc(), width, height, look, element ? element->LeftWidth : 0, colours);
    DrawBitmapToDc(dc, rect.left, rect.top, surface.Pixels());
}

SIZE MeasureMenuItem(const TMenuItemLook& look, const TSkinDefinition* skin) {
    const TDataSkinObject* element = ItemElement(skin);
    const int leftWidth = element ? element->LeftWidth : 0;
    if (look.Separator) {
        const TMenuItemSize size = NativeMenuItemSize(0, 0, false, leftWidth);
        return {size.Width, size.Height};
    }
    MemoryDc dc;
    const FontHandle font = CreateMenuFont(look.Default);
    int textWidth = 0;
    int textHeight = 0;
    if (dc) {
        const SelectObjectScope select(dc.Get(), font ? static_cast<HGDIOBJ>(font.Get())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        // An empty caption, or a lone "&", still takes a line.
        std::wstring caption = look.Caption;
        if (caption.empty() || caption == L"&")
            caption += L' ';
        RECT measured{};
        DrawUtf16Text(dc.Get(), caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        textWidth = measured.right - measured.left;
        textHeight = measured.bottom - measured.top;
        if (!look.ShortCut.empty()) {
            RECT shortCut{};
            DrawUtf16Text(dc.Get(), look.ShortCut, shortCut,
                          DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            textWidth += kShortCutGap + (shortCut.right - shortCut.left);
        }
    }
    const TMenuItemSize size = NativeMenuItemSize(textWidth, textHeight, true, leftWidth);
    return {size.Width, std::max(size.Height, kGlyphSize + 2)};
}

} // namespace veyra

namespace veyra {

TMenuItemBackdrop BackdropFor(HDC dc, HMENU menu) {
    TSkinManage* manager = TSkinManage::Instance();
    if (!manager)
        return {};
    TWinSkinPopMenu* popup = dc ? manager->FindPopupWindow(WindowFromDC(dc)) : nullptr;
    if (!popup)
        popup = manager->FindPopup(menu);
    if (!popup)
        return {};
    return {&popup->FrameImage(), popup->ClientOrigin()};
}

namespace {

TMenuItemLook LookOf(const TMenuItem& item, HIMAGELIST images, bool rightToLeft) {
    TMenuItemLook look;
    std::wstring shortCut;
    SplitItemText(item.Caption(), look.Caption, shortCut);
    look.ShortCut = item.ShortCutText().empty() ? shortCut : item.ShortCutText();
    look.Separator = item.IsLine();
    look.Enabled = item.Enabled();
    look.Checked = item.Checked();
    look.Default = item.Default();
    look.Images = images;
    look.ImageIndex = item.ImageIndex();
    look.RightToLeft = rightToLeft;
    return look;
}

// What the skin gives an item, as types of their own: skinning again
// refreshes them and switching off takes away only these, never an
// application's own handlers.
struct TSkinnedItemPainter {
    TSkinnedMenu Menu;
    void operator()(TObject* sender, HDC dc, const RECT& rect, bool selected) const {
        const auto* self = static_cast<TMenuItem*>(sender);
        TMenuItemLook look = LookOf(*self, Menu.Images ? Menu.Images() : nullptr, Menu.RightToLeft);
        look.Selected = selected;
        const HMENU parent = self->Parent() ? self->Parent()->Handle() : nullptr;
        PaintMenuItem(dc, rect, look, Menu.Skin(), BackdropFor(dc, parent));
    }
};

struct TSkinnedItemMeasurer {
    TSkinnedMenu Menu;
    void operator()(TObject* sender, HDC, int& width, int& height) const {
        const auto* self = static_cast<TMenuItem*>(sender);
        const SIZE size = MeasureMenuItem(
            LookOf(*self, Menu.Images ? Menu.Images() : nullptr, Menu.RightToLeft), Menu.Skin());
        width = size.cx;
        height = size.cy;
    }
};

bool IsOurs(const TMenuItem& item) {
    return item.OnDrawItem.target<TSkinnedItemPainter>() != nullptr;
}

void SkinItems(TMenuItem& parent, const TSkinnedMenu& menu, int depth) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (depth >= menu.FirstDepth && (!item->OnDrawItem || IsOurs(*item))) {
            item->OnDrawItem = TSkinnedItemPainter{menu};
            if (!item->OnMeasureItem || item->OnMeasureItem.target<TSkinnedItemMeasurer>())
                item->OnMeasureItem = TSkinnedItemMeasurer{menu};
        }
        SkinItems(*item, menu, depth + 1);
    }
}

void UnskinItems(TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (IsOurs(*item))
            item->OnDrawItem = nullptr;
        if (item->OnMeasureItem.target<TSkinnedItemMeasurer>())
            item->OnMeasureItem = nullptr;
        UnskinItems(*item);
    }
}

} // namespace

void SkinMenuItems(TMenuItem& root, const TSkinnedMenu& menu) {
    if (menu.Skin)
        SkinItems(root, menu, 1);
}

void UnskinMenuItems(TMenuItem& root) {
    UnskinItems(root);
}

} // namespace veyra
