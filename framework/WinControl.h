#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Control.h"

namespace veyra {

// What a windowed control asks the platform for when its window is made.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    // The window class, named after the framework class.
    std::wstring WinClassName;
    // The system class this one superclasses, or empty for a plain window.
    std::wstring SysClassName;
    UINT ClassStyle = CS_DBLCLKS;
};

// A control with a window of its own. Its window class is named after its
// framework class, and the window carries the object under the ControlOfs atom.
class TWinControl : public TControl {
    VEYRA_CLASS()
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created (with its parents) if it does not exist yet.
    HWND Handle();
    // The window if it exists, else nullptr; never creates one.
    HWND WindowHandle() const { return Handle_; }
    bool HandleAllocated() const { return Handle_ != nullptr; }
    // Creates the window (and the windows of its parents) if it does not exist.
    void HandleNeeded();
    // Destroys the window; the control keeps its state and can make a new one.
    void DestroyHandle();
    // Gives the control a new window, for a change the platform takes only
    // at creation (a style): performs CM_RECREATEWND through WindowProc when
    // the control has a window. Called while a window procedure of the
    // control or of a control inside it runs, it waits until none runs (see
    // TWindowDispatch), because the platform's procedure may still be using
    // the window that would go.
    void RecreateWnd();

    // The controls whose parent this is, in insertion order.
    const std::vector<TControl*>& Controls() const { return Controls_; }
    int ControlCount() const { return static_cast<int>(Controls_.size()); }
    // Adds control to the children (called by TControl::SetParent).
    void InsertControl(TControl* control);
    // Removes control from the children (called by TControl::SetParent).
    void RemoveControl(TControl* control);

    int TabOrder() const;
    void SetTabOrder(int order);
    // The windowed controls below this one, all levels, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Gives the focus to the control after current (before it when forward
    // is false) in the tab order below this one that can take it: shown,
    // enabled and a tab stop, and of a radio group only the checked button.
    // Wraps round; from nowhere when current is null. Answers whether a
    // control took the focus.
    bool SelectNext(TWinControl* current, bool forward);

    SIZE ClientSize() const override;
    // The client rectangle the children are aligned in.
    virtual RECT AlignRect() const;
    // Places the aligned and anchored children in the client area.
    void AlignControls();

    void Invalidate() override;

    // The framework control of a window (through the ControlOfs atom), or nullptr.
    static TWinControl* FromHandle(HWND window);
    // The nearest framework control of window or of one of its parents, or nullptr.
    static TWinControl* FindOwningControl(HWND window);
    // The form this control is on (the top-most parent), or nullptr.
    TWinControl* ParentForm();
    // Whether the mouse is over the control (between CM_MOUSEENTER and CM_MOUSELEAVE).
    bool MouseInControl() const { return MouseInControl_; }

protected:
    // Whether the window is being made again by CM_RECREATEWND.
    bool Recreating() const { return Recreating_; }
    virtual void CreateParams(TCreateParams& params);
    // Makes the window and the windows of the child controls.
    virtual void CreateWnd();
    // Called after the window exists, before the children get theirs.
    virtual void WindowCreated() {}
    // Makes the windows of the child controls that have none.
    virtual void CreateChildHandles();
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void BoundsChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void VisibleChanged() override;
    void BiDiModeChanged() override;

    // Handlers of the common messages; each may set the result.
    virtual void WmEraseBkgnd(TMessage& message);
    void WmSize(TMessage& message);
    void WmWindowPosChanged(TMessage& message);
    bool ReflectToChild(TMessage& message);
    void WmMouseMove(TMessage& message);
    void WmMouseLeave(TMessage& message);
    void WmSetFocus(TMessage& message);
    void WmPaint(TMessage& message);
    // Mouse messages over a graphic child (or while one holds the button)
    // go to it; answers whether one took the message.
    bool RouteMouseToGraphic(TMessage& message);
    // CM_MOUSELEAVE and CM_MOUSEENTER for the graphic children the mouse
    // leaves and enters.
    void TrackGraphicHover(const TMessage& message);
    // The mouse is over the control: CM_MOUSEENTER once, and the platform
    // asked to tell when it leaves.
    void EnterMouse();
    // WM_PAINT of the window itself, without its graphic children.
    void PaintSelf(TMessage& message);
    // Performs message on every child control; with stopAtAnswer, until one
    // answers non-zero (that answer is the result).
    void Broadcast(TMessage& message, bool stopAtAnswer);
    // Destroys the window and its children's and makes them again; the
    // place among the siblings and the keyboard focus are kept.
    void CmRecreateWnd(TMessage& message);

private:
    static LRESULT CALLBACK InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static void RegisterWindowClass(const TCreateParams& params, WNDPROC& defaultProc);
    void ReadBoundsFromWindow();
    void FinishDestroy();
    // The control inside this one (or this one) that has the keyboard focus, or nullptr.
    TWinControl* FocusedControlInside();

    HWND Handle_ = nullptr;
    WNDPROC DefWndProc_ = nullptr;
    std::vector<TControl*> Controls_;
    std::vector<TWinControl*> TabList_;
    bool Aligning_ = false;
    bool ApplyingBounds_ = false;
    bool MouseInControl_ = false;
    bool Recreating_ = false;
    // The graphic child under the mouse, and the one that got a button down.
    TControl* HoverGraphic_ = nullptr;
    TControl* CaptureGraphic_ = nullptr;
};

} // namespace veyra
