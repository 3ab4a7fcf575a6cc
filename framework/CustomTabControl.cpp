#include "CustomTabControl.h"

#include <commctrl.h>

#include <algorithm>

#include "ImageList.h"

namespace veyra {
namespace {

// The display rectangle's estimate before the window exists: the frame
// and one row of tabs of the usual font.
constexpr int kEstimatedFrame = 4;
constexpr int kEstimatedTabRow = 20;

} // namespace

const TClassInfo& TCustomTabControl::StaticClass() {
    static const TClassInfo info(
        "TCustomTabControl", &TWinControl::StaticClass(),
        TPropertyList<TCustomTabControl>()
            .Object<TImageList>("Images", &TCustomTabControl::Images, &TCustomTabControl::SetImages)
            .Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
            .Event("OnChange", &TCustomTabControl::OnChange)
            .Enum("Style", {"tsTabs", "tsButtons", "tsFlatButtons"}, &TCustomTabControl::Style,
                  &TCustomTabControl::SetStyle)
            .Enum("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                  &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition)
            .Take());
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {}

TCustomTabControl::~TCustomTabControl() = default;

DWORD TCustomTabControl::TabStyleBits(TTabPosition position, TTabStyle style, bool multiLine) {
    DWORD bits = multiLine ? TCS_MULTILINE : 0;
    switch (position) {
    case tpTop:
        break;
    case tpBottom:
        bits |= TCS_BOTTOM;
        break;
    case tpLeft:
        bits |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case tpRight:
        bits |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    }
    if (style == tsButtons)
        bits |= TCS_BUTTONS;
    else if (style == tsFlatButtons)
        bits |= TCS_BUTTONS | TCS_FLATBUTTONS;
    return bits;
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
    if (position == TabPosition_)
        return;
    TabPosition_ = position;
    StyleChanged();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
    if (style == Style_)
        return;
    Style_ = style;
    StyleChanged();
}

void TCustomTabControl::SetMultiLine(bool multiLine) {
    if (multiLine == MultiLine_)
        return;
    MultiLine_ = multiLine;
    StyleChanged();
}

void TCustomTabControl::StyleChanged() {
    if (HandleAllocated())
        RecreateWnd();
    // Recreated, this places the children a second time; waiting, it places
    // them in the old window until the new one comes.
    LayoutDisplay();
}

void TCustomTabControl::SetImages(TImageList* images) {
    if (!ReplaceFreeNotification(Images_, images))
        return;
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_ ? Images_->Handle() : nullptr));
        // Images change the tabs' size, and the display rectangle with it.
        LayoutDisplay();
        Invalidate();
    }
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images_) {
        Images_ = nullptr;
        if (HandleAllocated())
            SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0, 0);
    }
}

RECT TCustomTabControl::DisplayRect() const {
    RECT r{0, 0, Width(), Height()};
    if (WindowHandle()) {
        GetClientRect(WindowHandle(), &r);
        SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    } else {
        InflateRect(&r, -kEstimatedFrame, -kEstimatedFrame);
        switch (TabPosition_) {
        case tpTop:
            r.top += kEstimatedTabRow;
            break;
        case tpBottom:
            r.bottom -= kEstimatedTabRow;
            break;
        case tpLeft:
            r.left += kEstimatedTabRow;
            break;
        case tpRight:
            r.right -= kEstimatedTabRow;
            break;
        }
    }
    // A control too small for its tabs has an empty display area, not an inverted one.
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int TCustomTabControl::CurrentTabIndex() const {
    if (!WindowHandle())
        return -1;
    return static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SelectTab(int index) {
    // The platform moves the focused tab along with the selection, so a
    // painter that lights the focused tab lights this one.
    if (WindowHandle())
        SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::WriteTabs() {
    if (const HWND window = WindowHandle()) {
        SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
        const std::vector<TTabItem> items = TabItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            std::wstring text = items[i].Caption;
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_IMAGE;
            item.pszText = text.data();
            item.iImage = items[i].ImageIndex;
            SendMessageW(window, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
        }
        SelectTab(WantedTabIndex());
    }
    LayoutDisplay();
}

void TCustomTabControl::WriteTab(int index, const TTabItem& tab) {
    if (!WindowHandle() || index < 0)
        return;
    std::wstring text = tab.Caption;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = tab.ImageIndex;
    SendMessageW(WindowHandle(), TCM_SETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    // A longer caption may wrap the tabs into another row.
    LayoutDisplay();
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = WC_TABCONTROLW;
    params.Style |= WS_TABSTOP | TabStyleBits(TabPosition_, Style_, MultiLine_);
}

void TCustomTabControl::WindowCreated() {
    if (Images_)
        SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_->Handle()));
    WriteTabs();
}

void TCustomTabControl::CreateChildHandles() {
    TWinControl::CreateChildHandles();
    LayoutDisplay();
}

void TCustomTabControl::FontChanged() {
    TWinControl::FontChanged();
    // The tabs' size follows the font, and the display rectangle with it.
    LayoutDisplay();
}

void TCustomTabControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_NOTIFY:
        CnNotify(message);
        return;
    case WM_SIZE:
        TWinControl::WndProc(message);
        LayoutDisplay();
        return;
    default:
        TWinControl::WndProc(message);
    }
}

void TCustomTabControl::CnNotify(TMessage& message) {
    message.Result = 0;
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (!header)
        return;
    if (header->code == static_cast<UINT>(TCN_SELCHANGING))
        message.Result = CanChange() ? FALSE : TRUE;
    else if (header->code == static_cast<UINT>(TCN_SELCHANGE))
        Change();
}

} // namespace veyra
