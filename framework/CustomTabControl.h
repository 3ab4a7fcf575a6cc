#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "WinControl.h"

namespace veyra {

class TImageList;

// Where the tabs sit.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
// How the tabs look: tabs, buttons, or buttons without a frame.
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// What one tab shows.
struct TTabItem {
    std::wstring Caption;
    int ImageIndex = -1;
};

// The platform's tab control under the framework: where the tabs sit, how
// they look, their images, and the display rectangle inside tabs and frame
// where the control's children go. TPageControl (a tab per page) and
// TTabControl (a tab per text) build on it; they say what the tabs are
// (TabItems, WantedTabIndex) and follow the user's choice (Change).
//
// TabPosition, Style and MultiLine are window styles, which the platform's
// tab control takes only when its window is made: changing one on a control
// with a window recreates it (RecreateWnd), after which the tabs are written
// again and the children placed in the new display rectangle.
class TCustomTabControl : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomTabControl(TComponent* owner);
    ~TCustomTabControl() override;

    TTabPosition TabPosition() const { return TabPosition_; }
    void SetTabPosition(TTabPosition position);
    TTabStyle Style() const { return Style_; }
    void SetStyle(TTabStyle style);
    // Whether the tabs wrap into more rows instead of scrolling. Tabs on the
    // left or right always wrap, whatever this says: the platform draws
    // vertical tabs only in several rows.
    bool MultiLine() const { return MultiLine_; }
    void SetMultiLine(bool multiLine);
    // The images the tabs show, or nullptr. Not owned: the list's owner
    // frees it, and the control forgets it then.
    TImageList* Images() const { return Images_; }
    void SetImages(TImageList* images);

    // The TCS_* window style bits of a tab control with these properties.
    static DWORD TabStyleBits(TTabPosition position, TTabStyle style, bool multiLine);

    // The area inside tabs and frame, in client coordinates; an estimate of
    // one row of tabs before the window exists.
    RECT DisplayRect() const;
    // The children are aligned in the display rectangle.
    RECT AlignRect() const override { return DisplayRect(); }

    void Notification(TComponent* component, TOperation operation) override;

    // Raised after the user picked another tab.
    TNotifyEvent OnChange;

protected:
    // The tabs the window is to show, in order.
    virtual std::vector<TTabItem> TabItems() const = 0;
    // The tab to select when the tabs are written, or -1.
    virtual int WantedTabIndex() const = 0;
    // The user picked the tab at CurrentTabIndex(): a derived class follows
    // and calls this, which raises OnChange.
    virtual void Change();
    // Whether the user may leave the selected tab; true here.
    virtual bool CanChange() { return true; }
    // Places the children in the display rectangle.
    virtual void LayoutDisplay() { AlignControls(); }

    // The tab selected in the window; -1 when none or without a window.
    int CurrentTabIndex() const;
    // Selects tab index in the window (-1: none), without a notification.
    void SelectTab(int index);
    // Writes every tab and the selection to the window (when there is one),
    // then lays out.
    void WriteTabs();
    // Writes one tab to the window.
    void WriteTab(int index, const TTabItem& item);

    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void CreateChildHandles() override;
    void FontChanged() override;
    void WndProc(TMessage& message) override;

private:
    void CnNotify(TMessage& message);
    // A window style changed: a new window, or a new estimate without one.
    void StyleChanged();

    TTabPosition TabPosition_ = tpTop;
    TTabStyle Style_ = tsTabs;
    bool MultiLine_ = false;
    TImageList* Images_ = nullptr;
};

} // namespace veyra
