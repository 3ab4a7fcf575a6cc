#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormStates.h"
#include "NCObject.h"
#include "SkinMdiClient.h"
#include "SkinWindow.h"
#include "TitleButtons.h"
#include "framework/Component.h"
#include "framework/WndMethod.h"
#include "skin/controls/BandColours.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/manager/EngineState.h"
#include "skin/menu/MenuBarTracker.h"
#include "skin/menu/MenuItemPainter.h"
#include "skin/menu/OwnerDrawMarks.h"
#include "skin/menu/SkinSystemMenu.h"
#include "skin/menu/WinSkinMenu.h"

namespace veyra {

struct TFramePaintInput;
struct TFramePaintScratch;

class TSkinData;
class TSkinDefinition;
class TCustomForm;
class TControl;
class TTimer;
class TSkinControl;
class TPopupMenu;
class TMainMenu;
class TToolBar;
class TCoolBar;

// The skinning object of one top-level window: a framework form, a framework
// message box, a system dialog, an MDI frame or child. It joins the window's
// subclass chain, keeps the frame metrics, state and style bits, answers the
// non-client messages, and gives everything back when it detaches.
//
// The skin manager uses exactly this part of it: construct, AttachToForm
// (framework form) or InitSkin (foreign window), post SKINMSG_INIT; later
// ReloadSkin, Unskin, and delete.
class TWinSkinForm : public TComponent, public TSkinWindow {
public:
    // owner: the framework form it skins (which then owns this object), or
    // null for a foreign window. engine: the manager's shared state, which
    // outlives this object. module: the module it is skinned for.
    TWinSkinForm(TComponent* owner, HWND window, TEngineState& engine, HMODULE module = nullptr,
                 std::wstring className = {});
    ~TWinSkinForm() override;

    // The module the manager skins this window for.
    HMODULE Module() const { return Module_; }
    // The window's class name as the manager saw it.
    const std::wstring& ClassNameText() const { return ClassNameText_; }

    // Skins a framework form: events, colour, the form's message hook, then
    // InitSkin. The before-skin event may free the form, and this object
    // with it: callers check with a TAliveGuard.
    void AttachToForm(TSkinData* skinData, TCustomForm* form);
    // Skins the window (does nothing when already subclassed).
    void InitSkin(TSkinData* skinData);
    // Detaches on WM_NCDESTROY: restores the procedure and frees the control objects.
    void UnhookWindow();
    // Skinning switched off while the window lives: restores procedure, styles,
    // menu, colour, region and outer size exactly.
    void Unskin();
    // The skin component's skin was reloaded: new metrics, repaint, refresh
    // the controls.
    void ReloadSkin();

    // Uses skin instead of the skin component's definition (a preview, or a
    // skin component that holds none); null goes back to the component's. The
    // caller keeps skin alive while this object uses it.
    void SetSkinDefinition(const TSkinDefinition* skin);
    // The skin definition in force, or null when there is none yet. A load
    // that fails leaves the previous skin in force.
    const TSkinDefinition* Skin() const;

    // Adds a control skinning object to ControlObjects; answers whether it was there already.
    bool AddControlObject(TSkinControl* object);
    // Removes a control skinning object from ControlObjects (not freed here).
    void RemoveControlObject(TSkinControl* object);
    // The control skinning objects attached to this window's children, in
    // the order they registered; owned by their controls (or by this object).
    const std::vector<TSkinControl*>& ControlObjects() const { return ControlObjects_; }
    // The last registered control object of window, or null.
    TSkinControl* FindControlObject(HWND window) const;
    // A control object registered itself as hovered (null: none is); the
    // timer sends it CM_MOUSELEAVE when the mouse left a foreign window's
    // control that could not tell for itself.
    void SetHotControl(HWND control) { HotControl_ = control; }
    HWND HotControl() const { return HotControl_; }

    TLifeState LifeState() const { return LifeState_; }
    TSkinData* SkinData() const { return SkinData_; }
    TCustomForm* Control() const { return Control_; }
    bool SkinFrame() const { return SkinFrame_; }
    // Whether the frame in force (skinned or the platform's) is still the one
    // the skin in force asks for; when not, the window is skinned anew.
    bool FrameFitsSkin() const { return SkinFrame_ == WantsSkinFrame(); }
    bool InitDone() const { return InitDone_; }
    TWindowKind Kind() const { return Kind_; }
    TBorderKind BorderKind() const { return BorderKind_; }
    TWindowState WindowState() const { return WindowState_; }
    bool Active() const { return Active_; }
    std::uint32_t SavedStyleBits() const { return SavedStyleBits_; }
    // The skinned border widths in force.
    const TFrameMetrics& Metrics() const { return Metrics_; }
    // Where the caption text was last drawn, in window coordinates.
    const Rect& TitleTextRect() const { return TitleTextRect_; }

    // Title-bar buttons, one per button of the skin, as laid out by the last
    // frame paint.
    const std::vector<std::unique_ptr<TWinSysButton>>& TitleButtons() const {
        return TitleButtons_.Buttons();
    }
    // The title or menu-bar object under the mouse or pressed, or null.
    TNCObject* HotObject() const { return Hot_.Object; }
    // A screen point in window coordinates (the non-client area's origin).
    POINT ToWindowPoint(POINT screen) const;
    // The title button at a point in window coordinates, or null.
    TWinSysButton* ButtonAt(POINT point) const { return TitleButtons_.At(point.x, point.y); }

    // Window-state commands; posted, so that the platform carries them out.
    void RestoreWindow();
    void ToggleMaximize();
    void ToggleMinimize();
    // Opens the skinned copy of the window's system menu at a screen point; a
    // second click on a title button within the double-click time closes the
    // window instead.
    void ShowSystemMenu(POINT screen);
    // The skinned system menu last built, or null.
    TPopupMenu* SkinnedSystemMenu() const { return SystemMenu_.Menu(); }
    // The skinned menu bar, or null when the window shows none.
    TWinSkinMenu* MenuBar() const { return MenuBar_.get(); }
    // Opens a menu-bar item's popup (or runs its command) and follows the
    // user along the bar until menu mode ends.
    void TrackMenuBtn(TMenuBtn* button, TOpenedBy openedBy);

    // A size grip was created among the window's children.
    void NewSizeGrip(HWND grip);
    // The size grip last created among the window's children, or null.
    HWND SizeGrip() const { return SizeGrip_; }
    // The MDI children of the frame are shown maximized (true) or not; an
    // MDI child gives its caption to the platform while maximized and takes
    // it back otherwise.
    void SetChildWindowState(bool maximized);

    // Paints a tool bar of the form through its custom draw from the skin:
    // installs the background and button painters the bar has none of, and
    // takes them out again when skinning ends.
    void AdoptToolBar(TToolBar& bar);
    // Paints the bands of a cool bar of the form on the skin's face while
    // skinned, and gives each band its own colours back when skinning ends.
    void AdoptCoolBar(TCoolBar& bar);
    // Draws the menus that belong to control (its popup menu, a tool bar's
    // drop-down menus) by the skin while skinned, as the form's own popup
    // menus are, and gives them back when skinning ends.
    void SkinControlMenus(TControl& control);
    // Draws the popup menus owner (a frame) owns, and those of the forms it
    // owns, by the skin while skinned (with xcPopupMenu).
    void SkinOwnedPopupMenus(TComponent& owner);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The framework form's messages while its frame is skinned.
    void HookProc(TMessage& message) override;

private:
    // Whether the skin and the component's settings give this window a
    // skinned frame; a skin that cannot make a usable title bar does not.
    bool WantsSkinFrame() const;
    // Whether the frame messages are ours to answer: a skinned frame on a
    // top-level window or MDI child.
    bool HandlesFrame() const;
    // Whether the non-client area is painted and hit by us now.
    bool OwnsNonClientArea() const;

    // Handlers of the window procedure.
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnSkinInit();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnRepaintFrame();
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    void OnFormSetText(TMessage& message);
    // The menu seams: the bar's keys, the owner-drawn items of tracked menus.
    LRESULT OnMenuKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    void OnDialogChar(TMessage& message);
    // Opens the bar item with access key key (key 0: the first item);
    // answers whether one was opened.
    bool OpenMenuByKey(wchar_t key);
    // Paints the menu bar into dc, a DC of the whole window.
    void PaintMenuBar(HDC dc, int windowWidth);
    // Marks a popup's native items owner-drawn while it is tracked, when the
    // skin draws the menus of this window.
    void MarkOwnerDrawn(HMENU popup);
    void UnmarkOwnerDrawn();

    // Pieces of the life cycle.
    void ReadWindowTraits();
    void LightDetach();
    void Reskin();
    void PaintBeforeRegion();
    bool GetsTopLevelFrame() const;
    void FinishSkinning(const TAliveGuard& guard);
    void TimerTick(TObject* sender);
    void FreeControlObjects();
    void TellControlsSkinChanged();
    void RaiseAfterSkinForm();
    void RaiseBeforeSkinForm();
    void RestoreStyleAndSize();

    // Frame geometry.
    void BuildMetrics();
    void ApplyFrameSize(bool keepClientRect);
    int DialogCaptionWidth() const;
    // Gives the window the shape of its borders for its size (or for size,
    // the one it is about to get). redraw false leaves the repaint to a size
    // change that is under way anyway.
    void BuildRegion(bool redraw = true, const SIZE* size = nullptr);
    void ForceFrameRecalc();
    void ApplyCaptionRemoval();
    void RestoreCaption();
    void ReadWindowState();
    bool IsMaximizedMdiChild() const {
        return Kind_ == TWindowKind::MdiChild && WindowState_ == TWindowState::Maximized;
    }
    void PaintFrame(HDC dc);
    // Everything the frame painter needs to know of this window now.
    TFramePaintInput FramePaintInput(const TSkinDefinition& skin, int width, int height) const;
    // The window text, read without sending the window a message.
    std::wstring CaptionText() const;
    // Asks the window for its small (else big) icon for the title bar and
    // draws it into IconBitmap.
    void RefreshIcon();
    // The title buttons of the skin in force, on this window's icon.
    void RebuildTitleButtons();
    // What a click on a title button does.
    void PerformButtonAction(TWinSysButton& button, POINT screen);
    bool SystemMenuOffersClose() const;
    void SendToActiveMdiChild(UINT command);
    void StopTimer();
    void PostSysCommand(UINT command);
    // The platform's system-menu style is kept off while skinned, so that it
    // never draws its own caption buttons; it comes back before minimizing
    // and when skinning ends.
    void HideSystemMenuStyle();
    void PutSystemMenuStyleBack();
    HBRUSH ButtonFaceBrush() const;
    HFONT CaptionFont() const;
    std::wstring ReadCaption() const;

    // Seams of the parts that come later: the skinned menu bar, the MDI
    // client's subclassing, the control objects.
    void CreateMenuBar();
    // Builds the bar's items from menu, linked to the framework menu's items.
    void BuildMenuBar(HMENU menu);
    // Gives the window its platform menu back, or frees it with a dying window.
    void FreeMenuBar();
    // The bar's items let go of their framework items (and stop watching them).
    void ForgetBarMenuItems();
    void SubclassMdiClient();
    void UnsubclassMdiClient();
    // The form's popup menus (and those of the forms it owns) drawn by the
    // skin while skinned, and given back to their own painting.
    void SkinPopupMenus();
    void UnskinPopupMenus();
    void CollectPopupMenus(TComponent& owner, std::vector<TPopupMenu*>& menus) const;
    void SkinPopupMenu(TPopupMenu& menu);
    // With xcMenuItem, the form's main menus are owner-drawn, their popup
    // items by the skin; switching off gives back each menu's own drawing.
    void SkinMainMenus();
    void UnskinMainMenus();
    TSkinnedMenu SkinnedMenuOf(std::function<HIMAGELIST()> images, int firstDepth);
    void ReleaseToolBars();
    // An MDI frame whose active child is maximized: the child's buttons show
    // on the frame's menu bar.
    bool ActiveMdiChildMaximized() const;
    // What the MDI client tells its frame.
    void MdiChildDestroyed();
    void MdiFrameMenuSet();

    TEngineState& Engine_;
    HMODULE Module_;
    std::wstring ClassNameText_;

    TLifeState LifeState_ = TLifeState::Created;
    TSkinData* SkinData_ = nullptr;
    TCustomForm* Control_ = nullptr;
    const TSkinDefinition* SkinOverride_ = nullptr;

    bool UnicodeWindow_ = true;

    HWND MDIClientHandle_ = nullptr;
    std::unique_ptr<TSkinMdiClient> MdiClient_;
    bool MenuUpdate_ = true;
    bool SavedMenuUpdate_ = true; // an MDI frame's MenuUpdate before its children held it
    bool SkinFrame_ = false;
    TWindowKind Kind_ = TWindowKind::Ordinary;
    TBorderKind BorderKind_ = TBorderKind::Single;
    TWindowState WindowState_ = TWindowState::Normal;
    bool Active_ = true;
    LONG_PTR Style_ = 0;
    LONG_PTR ExStyle_ = 0;
    std::uint32_t SavedStyleBits_ = 0;
    bool RightToLeft_ = false;
    bool IsChild_ = false;
    bool IsDialog_ = false;
    bool HiddenWhileSkinning_ = false;
    HWND OwnerWindow_ = nullptr;

    TFrameMetrics Metrics_;
    Rect TitleTextRect_;            // where the caption was last drawn
    int ButtonsLeftEdge_ = 0;       // left edge of the right-anchored title buttons, last layout
    HICON IconHandle_ = nullptr;    // the window's icon, not owned
    HICON IconDrawnFrom_ = nullptr; // the icon IconBitmap_ shows, not owned
    Bitmap IconBitmap_;             // the icon on the key colour, small-icon size
    Bitmap TitleBackdrop_;          // the last title bar composed, before its buttons
    std::unique_ptr<TFramePaintScratch> PaintScratch_; // buffers reused by every frame paint
    Bitmap RegionScratch_; // a border piece rendered for the region scan
    TNCHotSlot Hot_;
    TTitleButtons TitleButtons_{Hot_};
    TSkinSystemMenu SystemMenu_{this};
    DWORD LastMenuTick_ = 0;
    HWND SizeGrip_ = nullptr;
    RECT ClientRect_{};
    SIZE SavedNonClientSize_{};
    bool FrameSizeApplied_ = false;
    // Stand-ins for a window without a skin component: the platform's
    // caption font and a brush of the skin's face colour.
    FontHandle OwnCaptionFont_;
    mutable BrushHandle OwnFaceBrush_;

    std::vector<TSkinControl*> ControlObjects_;
    HWND HotControl_ = nullptr;

    HMENU MenuHandle_ = nullptr;
    bool MenuBarActive_ = false;
    std::unique_ptr<TWinSkinMenu> MenuBar_;
    TOwnerDrawMarks OwnerDrawMarks_;
    // The form's popup menus the skin draws, with the OwnerDraw each had.
    std::vector<std::pair<TPopupMenu*, bool>> SkinnedPopups_;
    // The main menus owner-drawn for the skin, with the OwnerDraw each had.
    std::vector<std::pair<TMainMenu*, bool>> SkinnedMainMenus_;
    // The menu's items changed while the bar was tracked: the bar takes the
    // new menu once tracking ends.
    bool MenuChangeHeld_ = false;
    // The tool bars painted by the skin: whether the background painter and
    // the button painter are ours.
    struct TAdoptedToolBar {
        TToolBar* Bar;
        bool Background;
        bool Buttons;
    };
    std::vector<TAdoptedToolBar> ToolBars_;
    TBandColours BandColours_;
    HMENU SystemMenuHandle_ = nullptr;

    // The window owns the region once set; RegionSet says that ours is in force.
    bool RegionSet_ = false;
    int RegionWidth_ = -1;
    int RegionHeight_ = -1;
    // A copy of the region the window had before skinning, put back by Unskin.
    RegionHandle SavedRegion_;

    TTimer* Timer_ = nullptr;
    UINT DoubleClickTime_ = 0;
    bool Tracking_ = false;
    std::int32_t OldColor_ = 0;
    bool InitDone_ = false;
};

} // namespace veyra
