#pragma once

#include <stdexcept>

#include "WinControl.h"

namespace veyra {

class TMainMenu;

// An operation that the object's state does not allow (making a visible
// form modal).
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a form opens.
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

// A top-level window of the program, created from its stored description.
class TCustomForm : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Runs the creation handler; called once the form is fully constructed.
    virtual void AfterConstruction();
    // Makes the form visible (running its show handler) and brings it to the front.
    void Show();
    // Hides the form.
    void Hide() { SetVisible(false); }
    // Closes the form: a modal form ends its ShowModal with mrCancel, the
    // main form ends the program, any other form hides.
    void Close();
    // Shows the form and handles messages until its ModalResult is set (a
    // button's ModalResult, Close, or the program ending), with every other
    // window of the thread disabled meanwhile; then hides the form and
    // answers the result. Throws EInvalidOperation for a form already
    // visible or already modal.
    int ShowModal();
    // The answer a modal form gives; setting it non-zero ends ShowModal.
    int ModalResult() const { return ModalResult_; }
    void SetModalResult(int result) { ModalResult_ = result; }
    bool Modal() const { return ModalState_ != nullptr; }
    // Destroys the form once the messages now waiting have been handled (CM_RELEASE).
    void Release();

    void SetVisible(bool visible) override;

    TPosition Position() const { return Position_; }
    void SetPosition(TPosition position) { Position_ = position; }
    // The client size the stored layout was made for (before the window
    // exists), or the client size of the window.
    int ClientWidth() const { return ClientSize().cx; }
    int ClientHeight() const { return ClientSize().cy; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    SIZE ClientSize() const override;

    // The form's menu bar, or nullptr; not owned. The window gets it when it
    // is made; a change while it exists tells the window (CM_MENUCHANGED).
    TMainMenu* Menu() const { return Menu_; }
    void SetMenu(TMainMenu* menu);
    // Gives the window the menu's new platform menu after its items changed.
    void RefreshMenu();

    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;
    // Reads the form's stored description from the executable's resource name.
    void ReadDescription(const wchar_t* resourceName);
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();

private:
    void WmClose(TMessage& message);
    // An arrow key while a radio button has the focus: the focus and the
    // check move to the next (or previous) control of its group, as in a
    // dialog. False when the key is not the group's to take.
    bool MoveInRadioGroup(WPARAM key);
    // Tab (Shift+Tab backwards) moves the focus along the tab order; Ctrl+Tab
    // is left to the page controls. False when the key is not the form's.
    bool MoveByTab(WPARAM key);
    void WmCommand(TMessage& message);
    void WmMenuChanged(TMessage& message);
    bool WmMenuItem(TMessage& message);
    void ApplyMenu();
    void PlaceOnScreen(TCreateParams& params) const;

    // Runs the modal loop; the state outlives the form should the form be
    // freed while the loop runs.
    struct TModalState;
    int RunModalLoop(TModalState& state);

    int ModalResult_ = 0;
    TModalState* ModalState_ = nullptr;
    TPosition Position_ = poDesigned;
    SIZE DesignClientSize_{-1, -1};
    bool Created_ = false;
    TMainMenu* Menu_ = nullptr;
    // The menu's items changed while its platform menu was on screen.
    bool MenuChangeWaiting_ = false;
};

// A form of the program's own.
class TForm : public TCustomForm {
    VEYRA_CLASS()
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

} // namespace veyra
