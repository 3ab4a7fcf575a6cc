#pragma once

#include <windows.h>

#include <string>

#include "Component.h"

namespace veyra {

class TPopupMenu;
class TToolBar;

// What a tool button is: a push button, a button that stays down when
// clicked, a gap between groups, or a push button with an arrow beside it
// that drops its DropdownMenu down.
enum TToolButtonStyle : int { tbsButton, tbsCheck, tbsSeparator, tbsDropDown };

// One button of a tool bar: its caption, image and state, and the command
// the platform's tool bar reports when it is clicked. Owned by its owner;
// the tool bar it is added to only lists it.
class TToolButton : public TComponent {
    VEYRA_CLASS()
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    const std::wstring& Caption() const { return Caption_; }
    void SetCaption(const std::wstring& caption);
    // The image of the tool bar's image list; -1 for none.
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int index);
    TToolButtonStyle Style() const { return Style_; }
    void SetStyle(TToolButtonStyle style);
    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled);
    // Whether a check button is down.
    bool Down() const { return Down_; }
    void SetDown(bool down);
    // The identifier the platform's tool bar knows the button by.
    int Command() const { return Command_; }
    // The tool bar that lists the button, or nullptr.
    TToolBar* ToolBar() const { return ToolBar_; }
    // The menu a tbsDropDown button's arrow drops down, or nullptr; not
    // owned (forgotten when it is freed).
    TPopupMenu* DropdownMenu() const { return DropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);

    void Notification(TComponent* component, TOperation operation) override;

    // Runs OnClick when the button is enabled.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TToolBar;
    void Changed();

    std::wstring Caption_;
    int ImageIndex_ = -1;
    TToolButtonStyle Style_ = tbsButton;
    bool Enabled_ = true;
    bool Down_ = false;
    int Command_ = 0;
    TToolBar* ToolBar_ = nullptr;
    TPopupMenu* DropdownMenu_ = nullptr;
};

} // namespace veyra
