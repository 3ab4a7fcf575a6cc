#include "ToolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "ClassInfo.h"
#include "ImageList.h"
#include "Messages.h"
#include "PopupMenu.h"

namespace veyra {

const TClassInfo& TToolBar::StaticClass() {
    static const TClassInfo info(
        "TToolBar", &TWinControl::StaticClass(),
        TPropertyList<TToolBar>()
            .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
            .Object<TImageList>("Images", &TToolBar::Images, &TToolBar::SetImages)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TToolBar(owner); });
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, 29);
}

TToolBar::~TToolBar() {
    for (TToolButton* button : Buttons_)
        button->ToolBar_ = nullptr;
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images_)
        Images_ = nullptr;
}

bool TToolBar::InsertChildComponent(TComponent* component) {
    auto* button = As<TToolButton>(component);
    if (!button)
        return false;
    AddButton(button);
    return true;
}

void TToolBar::SetFlat(bool flat) {
    if (flat == Flat_)
        return;
    Flat_ = flat;
    if (!HandleAllocated())
        return;
    const LONG_PTR style = GetWindowLongPtrW(WindowHandle(), GWL_STYLE);
    SetWindowLongPtrW(WindowHandle(), GWL_STYLE,
                      flat ? style | TBSTYLE_FLAT : style & ~static_cast<LONG_PTR>(TBSTYLE_FLAT));
    InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TToolBar::SetImages(TImageList* images) {
    if (Images_)
        RemoveFreeNotification(Images_);
    Images_ = images;
    if (Images_)
        FreeNotification(Images_);
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_ ? Images_->Handle() : nullptr));
}

void TToolBar::AddButton(TToolButton* button) {
    if (!button || button->ToolBar_ == this)
        return;
    if (button->ToolBar_)
        button->ToolBar_->RemoveButton(button);
    button->ToolBar_ = this;
    Buttons_.push_back(button);
    WriteButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
    const auto it = std::find(Buttons_.begin(), Buttons_.end(), button);
    if (it == Buttons_.end())
        return;
    Buttons_.erase(it);
    button->ToolBar_ = nullptr;
    WriteButtons();
}

TToolButton* TToolBar::ButtonByCommand(int command) const {
    for (TToolButton* button : Buttons_)
        if (button->Command() == command)
            return button;
    return nullptr;
}

void TToolBar::ButtonChanged(TToolButton*) {
    WriteButtons();
}

void TToolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = TOOLBARCLASSNAMEW;
    // The framework places the bar; the platform only lays out its buttons.
    // Custom erase lets OnCustomDraw paint the background.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_LIST |
                    TBSTYLE_CUSTOMERASE | (Flat_ ? TBSTYLE_FLAT : 0);
}

void TToolBar::WindowCreated() {
    SendMessageW(WindowHandle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(WindowHandle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    if (Images_)
        SendMessageW(WindowHandle(), TB_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_->Handle()));
    WriteButtons();
}

namespace {

BYTE StyleOf(const TToolButton& button) {
    switch (button.Style()) {
    case tbsSeparator:
        return BTNS_SEP;
    case tbsCheck:
        return BTNS_CHECK | BTNS_AUTOSIZE;
    case tbsDropDown:
        return BTNS_DROPDOWN | BTNS_AUTOSIZE;
    default:
        return BTNS_BUTTON | BTNS_AUTOSIZE;
    }
}

} // namespace

void TToolBar::DropDown(TToolButton& button) {
    TPopupMenu* menu = button.DropdownMenu();
    RECT place{};
    if (!menu || !SendMessageW(WindowHandle(), TB_GETRECT, static_cast<WPARAM>(button.Command()),
                               reinterpret_cast<LPARAM>(&place)))
        return;
    POINT below{place.left, place.bottom};
    ClientToScreen(WindowHandle(), &below);
    menu->Popup(below.x, below.y);
}

void TToolBar::WriteButtons() {
    if (!HandleAllocated())
        return;
    const HWND window = WindowHandle();
    while (SendMessageW(window, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(window, TB_DELETEBUTTON, 0, 0);
    for (TToolButton* button : Buttons_) {
        TBBUTTON entry{};
        entry.idCommand = button->Command();
        entry.iBitmap = button->Style() == tbsSeparator ? 6 : button->ImageIndex();
        entry.fsStyle = static_cast<BYTE>(StyleOf(*button));
        entry.fsState = static_cast<BYTE>((button->Enabled() ? TBSTATE_ENABLED : 0) |
                                          (button->Down() ? TBSTATE_CHECKED : 0));
        entry.iString =
            button->Caption().empty() ? -1 : reinterpret_cast<INT_PTR>(button->Caption().c_str());
        SendMessageW(window, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&entry));
    }
    SendMessageW(window, TB_AUTOSIZE, 0, 0);
}

LRESULT TToolBar::CustomDraw(NMCUSTOMDRAW& draw) {
    switch (draw.dwDrawStage) {
    case CDDS_PREERASE: {
        bool defaultDraw = true;
        if (OnCustomDraw) {
            RECT client{};
            GetClientRect(WindowHandle(), &client);
            OnCustomDraw(this, client, draw.hdc, defaultDraw);
        }
        return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    case CDDS_PREPAINT:
        return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
        TToolButton* button = ButtonByCommand(static_cast<int>(draw.dwItemSpec));
        if (!OnCustomDrawButton || !button)
            return CDRF_DODEFAULT;
        auto& toolDraw = reinterpret_cast<NMTBCUSTOMDRAW&>(draw);
        TToolButtonDraw info;
        info.Dc = draw.hdc;
        info.Rect = draw.rc;
        info.State = draw.uItemState;
        info.TextColour = toolDraw.clrText;
        OnCustomDrawButton(this, button, info);
        toolDraw.clrText = info.TextColour;
        if (!info.DefaultDraw)
            return CDRF_SKIPDEFAULT;
        return info.DrawFace ? CDRF_DODEFAULT
                             : TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

void TToolBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(header));
            return;
        }
        if (header && header->code == static_cast<UINT>(TBN_DROPDOWN)) {
            if (TToolButton* button = ButtonByCommand(reinterpret_cast<NMTOOLBARW*>(header)->iItem))
                DropDown(*button);
            message.Result = TBDDRET_DEFAULT;
            return;
        }
        TWinControl::WndProc(message);
        return;
    }
    case CN_COMMAND:
        if (TToolButton* button = ButtonByCommand(LOWORD(message.WParam))) {
            if (button->Style() == tbsCheck)
                button->Down_ = SendMessageW(WindowHandle(), TB_ISBUTTONCHECKED,
                                             static_cast<WPARAM>(button->Command()), 0) != 0;
            button->Click();
            message.Result = 0;
            return;
        }
        TWinControl::WndProc(message);
        return;
    default:
        TWinControl::WndProc(message);
    }
}

} // namespace veyra
