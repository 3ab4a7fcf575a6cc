#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "skin/form/NCObject.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/Colour.h"

namespace veyra {

class TMenuItem;

// What a bar item's immediate repaint draws on: the window, the bar's
// background as last painted (before any caption) and where it lies.
struct TMenuBarCanvas {
    HWND Window = nullptr;
    const Bitmap* BarImage = nullptr; // the bar's size, its top-left at BarRect's
    Rect BarRect;                     // window coordinates
    HFONT Font = nullptr;             // the platform's menu font
    Colour Text = 0;                  // enabled captions
    Colour DisabledText = 0;          // disabled captions
    Colour Light = 0;                 // the outlines' light and dark edges
    Colour Dark = 0;
    bool RightToLeft = false;
    // Whether the window paints its frame now.
    std::function<bool()> CanPaint;
};

// One top-level item of a skinned menu bar: its caption, command and popup,
// and its rectangle as the bar laid it out. Hot items have a raised outline,
// pressed ones (their popup is open) a sunken one.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TNCHotSlot& hot, const TMenuBarCanvas& canvas) : TNCObject(hot), Canvas_(canvas) {}

    // The framework item, when the bar has one; the form object clears it
    // the moment the item is freed.
    TMenuItem* MenuItem = nullptr;
    int Index = 0;
    std::wstring Caption;
    bool ItemEnabled = true;
    HMENU SubMenu = nullptr; // none for an item without children
    UINT Command = 0;

    // The access key of the caption ('&' before it), upper-cased; 0 for none.
    wchar_t AccessKey() const;
    // Draws the item at once into the window's bar in its state.
    void Paint() override;
    // Draws the item in its state into dc, whose origin is the bar's top-left.
    void PaintInto(HDC dc) const;

private:
    const TMenuBarCanvas& Canvas_;
};

} // namespace veyra
