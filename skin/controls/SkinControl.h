#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/Messages.h"
#include "skin/form/SkinWindow.h"
#include "skin/imaging/Colour.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

class TSkinData;
class TSkinDefinition;
class TWinControl;
class TWinSkinForm;
struct TSkinColours;

// The mouse over a control and a button or the Space key held on it.
enum TMouseFlag : std::uint8_t { mfHover = 1, mfDown = 2 };

// How a control that PaintSkin draws whole answers WM_ERASEBKGND.
enum class TEraseAnswer : std::uint8_t {
    PassOn, // goes on like any other message
    Skip    // answered as erased: the paint covers every pixel
};

// How a control that PaintSkin draws whole answers WM_PRINT.
enum class TPrintAnswer : std::uint8_t {
    PassOn, // goes on like any other message
    Paint   // drawn by PaintSkin into the DC the message brings
};

// Where a control skinning object is in its life. The numbers are those
// other modules read.
enum class TControlLife : std::int32_t {
    Created = 0,
    Attached = 1,
    Restored = 2, // colour-only skins gave their colours back
    Destroyed = 6 // the window is gone; the object draws nothing and waits to be freed
};

// The base of every control skinning object. One object skins one control,
// attached either in front of a framework control's message hook
// (AttachControl, the control is the owner) or in a bare window's subclass
// chain (AttachHandle). Every message then runs in this order:
//
//   SKINMSG_ENABLE          answered here, never passed on;
//   skinning switched off   straight to the previous handler;
//   BeforeMessage           false: answered here, nothing else runs;
//   previous handler, then AfterMessage.
//
// A derived class overrides BeforeMessage for what it must see first or keep
// from the control (paint, erase, button-down), AfterMessage for what it only
// has to show, and PaintSkin to draw the whole window from the skin into one
// off-screen buffer (Buffer) that is copied to the screen in one block. It
// calls the base versions for every message it does not take, so that
// WM_NCDESTROY, SKINMSG_ISSKINNED and the repaint triggers keep working.
//
// The object detaches itself when its window is destroyed (WM_NCDESTROY),
// before the control's destructor frees anything the hook points at, and
// follows a framework control to its new window when the control recreates
// it (CM_RECREATEWND).
class TSkinControl : public TComponent, public TSkinWindow {
    VEYRA_CLASS()
public:
    // owner: the control skinned (framework attach) or whatever frees the
    // object with it (the form object, for a bare window).
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    // Attaches to the owner, a framework windowed control: hooks its
    // WindowProc, registers with form and, with keepColor, gives the control
    // the scheme's face colour and switches its ParentBackground off while
    // skinned. A second call does nothing.
    virtual void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor);
    // Attaches to a bare window through its subclass chain and registers
    // with form. A second call does nothing.
    virtual void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form);
    // Attaches to control, a control without a window that its parent
    // paints (a speed button): hooks its WindowProc and registers with form.
    // Handle stays null; Repaint invalidates the control. The object lets go
    // of the control when it performs CM_RELEASE on its way out. A second
    // call does nothing.
    void AttachGraphic(TControl& control, TWinSkinForm* form, TSkinData* skinData);
    // Gives back what the attach changed on the control (colour and
    // ParentBackground); the hooks stay until Detach or destruction.
    virtual void RestoreControl();
    // The skin was changed or reloaded: new colours, then a repaint.
    virtual void SkinChanged();
    // Gives the control back exactly as the attach found it: restores it
    // when its window still lives, leaves the hooks and the form's list.
    void Detach();

    // Repaints at once (invalidate and update).
    void Repaint();
    // Sends CM_MOUSELEAVE to the window, as the form does when the mouse
    // left a control that could not tell for itself.
    void NotifyMouseLeave();

    // The framework control skinned, or null when attached by handle.
    TWinControl* Control() const { return Control_; }
    // The windowless control painted, or null.
    TControl* GraphicControl() const { return GraphicControl_; }
    TSkinData* SkinData() const { return SkinData_; }
    TWinSkinForm* SkinForm() const { return SkinForm_; }
    TControlLife LifeState() const { return LifeState_; }
    bool Attached() const { return Attached_; }
    // Skinning of this control is on (SKINMSG_ENABLE switches it).
    bool SkinEnabled() const { return SkinEnabled_; }
    // As last refreshed by a paint: the window is enabled, has the focus.
    bool Enabled() const { return Enabled_; }
    bool Focused() const { return Focused_; }
    std::uint8_t MouseFlags() const { return MouseFlags_; }
    bool KeepColor() const { return KeepColor_; }
    // A variant number each class defines (the tab skin: 2 for a tab control
    // that is not a page control); the base sets 1 when it switched the
    // control's ParentBackground off.
    int Mode() const { return Mode_; }
    void SetMode(int mode) { Mode_ = mode; }
    // The caption as last read.
    const std::wstring& Text() const { return Text_; }

    // The skin in force for this control, or null.
    const TSkinDefinition* Skin() const;
    // The colour scheme of the skin in force, or the default scheme.
    const TSkinColours& SkinColours() const;
    // A scheme colour of the skin in force (the default scheme without one),
    // resolved to RGB.
    COLORREF SchemeColour(Colour TSkinColours::*member) const;
    // The parent's published Color (resolved), else fallback.
    COLORREF ParentColorOr(COLORREF fallback) const;
    // Whether the control reads right to left.
    bool RightToLeft() const;

protected:
    // true: the message goes on to the previous handler, then AfterMessage;
    // false: it was answered here (message.Result).
    virtual bool BeforeMessage(TMessage& message);
    // After the previous handler: repaints on focus, enable and text
    // changes, and draws the skin over the control's own WM_PAINT.
    virtual void AfterMessage(TMessage& message);
    // Paints the whole window, frame included, into dc or the window's DC.
    virtual void PaintWindow(HDC dc);
    // SKINMSG_ENABLE switched skinning of the control on or off, after the
    // window was drawn again; windows of the object's own follow here.
    virtual void SkinEnabledChanged() {}
    // Draws the control; rect is the whole window at origin 0,0.
    virtual void PaintSkin(HDC dc, const RECT& rect);

    // Hands the message to the previous handler, once.
    void CallOldProc(TMessage& message);
    // WM_PAINT drawn entirely by PaintSkin (the DC in wParam, else BeginPaint).
    void PaintByBeginPaint(TMessage& message);
    // The paint messages of a control that PaintSkin draws whole: WM_PAINT
    // through PaintByBeginPaint and, as erase and print say, WM_ERASEBKGND
    // and WM_PRINT. Answers whether it answered message; BeforeMessage then
    // returns false.
    bool AnswerPaintMessage(TMessage& message, TEraseAnswer erase,
                            TPrintAnswer print = TPrintAnswer::PassOn);
    // WM_ERASEBKGND answered with the parent's background.
    void EraseWithParent(TMessage& message);
    // WM_ERASEBKGND answered with the scheme's face colour over the client.
    void EraseWithFace(TMessage& message);
    // A left-button-down kept from the control still raises its MouseDown.
    void ForwardMouseDown(const TMessage& message);
    // Marks the mouse over the control and asks for WM_MOUSELEAVE; answers
    // whether the hover state changed.
    bool EnterHover();
    // Clears the hover state; answers whether it changed.
    bool LeaveHover();
    void SetMouseFlag(TMouseFlag flag, bool on);

    // Refreshes Enabled and Focused from the window.
    void RefreshState();
    // The object's one off-screen buffer, at least width x height, reused
    // from paint to paint; null when GDI cannot make one.
    DibSurface* Buffer(int width, int height);
    // Copies the buffer's top-left width x height to dc at (x, y).
    void CopyBuffer(HDC dc, int x, int y, int width, int height);

    void FillFace(HDC dc, const RECT& rect) const;
    // Paints the control's windowless children (speed buttons, labels) that
    // meet clip onto dc, in client coordinates, over a picture the skin
    // drew in the control's place.
    void PaintGraphicChildren(HDC dc, const RECT& clip) const;
    void FillParentColor(HDC dc, const RECT& rect) const;
    // A focus rectangle around Text as flags would place it in rect, kept
    // inside rect.
    void DrawFocusAroundText(HDC dc, const RECT& rect, UINT flags) const;
    // DT_RTLREADING added for a right-to-left control.
    UINT AddRtlFlag(UINT flags) const { return RightToLeft() ? flags | DT_RTLREADING : flags; }

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HookProc(TMessage& message) override;

    std::wstring Text_;
    bool Enabled_ = true;
    bool Focused_ = false;
    RECT WindowRect_{};

private:
    // The one route every message takes, from either attach.
    void Route(TMessage& message);
    void SetSkinEnabled(bool on);
    void OnNcDestroy(TMessage& message);
    void OnRecreateWnd(TMessage& message);
    // A windowless control is going: the hook goes first.
    void OnGraphicRelease(TMessage& message);
    // Leaves the hooks and the form's list.
    void Release();
    void SwitchParentBackground(bool on);
    void Unregister();

    TWinControl* Control_ = nullptr;
    TControl* GraphicControl_ = nullptr;
    TSkinData* SkinData_ = nullptr;
    TWinSkinForm* SkinForm_ = nullptr;
    TControlLife LifeState_ = TControlLife::Created;
    std::uint8_t MouseFlags_ = 0;
    bool SkinEnabled_ = true;
    bool EnabledBeforeDestroy_ = true;
    bool Attached_ = false;
    bool KeepColor_ = false;
    bool ParentBackgroundWasOn_ = false;
    int Mode_ = 0;
    std::int32_t SavedColor_ = 0;
    std::unique_ptr<DibSurface> Buffer_;
};

} // namespace veyra
