#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Component.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/UserHandlesWin32.h"
#include "skin/package/MessageSink.h"

namespace veyra {

class TControl;

// Kinds of control that the skin paints; bit i of SkinControls is value i.
enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport
};

// Behaviour switches; bit i of Options is value i.
enum TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar
};

// Which windows a skin component skins.
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// The bit of a set value.
constexpr std::uint32_t Bit(int value) {
    return std::uint32_t{1} << value;
}

// Asked before a window is skinned: aName is its class name; the handler may
// clear DoSkin to leave the window alone.
using TFormSkinEvent =
    std::function<void(TObject* Sender, const std::wstring& aName, bool& DoSkin)>;
// Asked by the control discovery for each control: the handler may hand back
// its own skinning object in SkinnedControl.
class TSkinData;
using TSkinControlEvent =
    std::function<void(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                       const std::wstring& ControlClass, TComponent*& SkinnedControl)>;
// Raised around the skinning of a window: Sender is its framework form (null
// for a foreign window), ahwnd the window, aName its class name.
using TSkinFormNotifyEvent =
    std::function<void(TObject* Sender, HWND ahwnd, const std::wstring& aName)>;

// The component that an application drops on its main form to skin the whole
// process. It holds the packed skin, builds the skin definition from it, keeps
// the settings that say what is skinned, and switches skinning on and off
// through the process-wide skin manager (TSkinManage).
class TSkinData : public TComponent {
    VEYRA_CLASS()
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    bool Active() const { return Active_; }
    // Switches skinning on or off as SkinFormtype says; at run time the
    // manager carries the change out from its timer.
    void SetActive(bool active);
    int DisableTag() const { return DisableTag_; }
    void SetDisableTag(int tag) { DisableTag_ = tag; }
    std::uint32_t SkinControls() const { return SkinControls_; }
    void SetSkinControls(std::uint32_t controls) { SkinControls_ = controls; }
    // Whether kind is in SkinControls.
    bool Skins(TSkinControlType kind) const { return (SkinControls_ & Bit(kind)) != 0; }
    std::uint32_t Options() const { return Options_; }
    void SetOptions(std::uint32_t options) { Options_ = options; }
    // Whether option is in Options.
    bool HasOption(TSkinOption option) const { return (Options_ & Bit(option)) != 0; }
    const std::vector<std::wstring>& Skin3rd() const { return Skin3rd_; }
    void SetSkin3rd(const std::vector<std::wstring>& lines) { Skin3rd_ = lines; }
    const std::wstring& SkinFile() const { return SkinFile_; }
    // Stores the path and, when the file exists, reads and loads it. A file
    // that cannot be opened or read, or is too large to be a skin, counts as
    // missing: nothing is loaded and nothing is said. Errors of the packed
    // data (a damaged file, the decoder's errors) pass to the caller.
    void SetSkinFile(const std::wstring& path);
    // "(none)", or "(Good)" at design time while a packed skin is held.
    std::string SkinStore() const;
    TSkinFormType SkinFormtype() const { return SkinFormtype_; }
    void SetSkinFormtype(TSkinFormType type) { SkinFormtype_ = type; }
    // The component's version; read-only.
    std::string Version() const { return "4.22.08.28"; }
    bool MenuUpdate() const { return MenuUpdate_; }
    void SetMenuUpdate(bool value) { MenuUpdate_ = value; }
    bool MenuMerge() const { return MenuMerge_; }
    void SetMenuMerge(bool value) { MenuMerge_ = value; }
    // The packed skin as stored: a 32-bit little-endian length, then the bytes.
    std::vector<std::uint8_t> SkinStream() const;
    // Takes a stored packed skin and, at run time, loads it; a stored length
    // of 0 empties the packed skin held. Throws std::invalid_argument when
    // the stored length does not match the bytes that follow it.
    void SetSkinStream(const std::vector<std::uint8_t>& stream);

    // True from creation until a load completes, and again from the start of
    // every SkinFile assignment and load; while it is up, switching on does
    // nothing. Painting asks HasSkin instead: a failed load raises this flag
    // but leaves the skin in force.
    bool NoSkin() const { return NoSkin_; }
    // Whether a skin is in force: true from the first completed load on. A
    // missing, unreadable, older or damaged file keeps the skin in force, so
    // windows skinned with it go on painting with it.
    bool HasSkin() const { return HasSkin_; }
    // The packed skin file held.
    const std::vector<std::uint8_t>& PackedSkin() const { return Packed_; }
    // The skin in force: built by the last completed load (empty before one).
    // Its elements live until the next completed load replaces them.
    const TSkinDefinition& Skin() const { return Skin_; }
    // Expands and parses the held packed skin; false for an older format
    // (after its message), the previous skin then stays.
    bool LoadSkin();
    // Replaces how the skin reader shows its one message (a message box by default).
    void SetMessageSink(MessageSink sink) { Sink_ = std::move(sink); }

    // The form-skin question: whether window (of class className) is skinned.
    // OnFormSkin decides when assigned; doSkin is the answer so far.
    bool FormSkinQuestion(HWND window, const std::wstring& className, bool doSkin);
    // The window of the last form-skin question, for OnFormSkin handlers.
    HWND FormSkinWindow() const { return FormSkinWindow_; }

    // The platform's caption font for skinned captions, read when the
    // component is loaded or its first skin loads, whichever comes first, and
    // kept (the same handle) for the component's life; owned by the
    // component. Null only before both.
    HFONT CaptionFont() const { return CaptionFont_.Get(); }
    // The four 16 x 16 glyphs of the skinned system menu (restore, maximise,
    // minimise, close); owned by the component.
    HIMAGELIST MenuGlyphs() const { return MenuGlyphs_.Get(); }
    // A brush of the ButtonFace colour of the skin in force, for skinned
    // backgrounds: made by each completed load and valid until the next one
    // replaces it (a failed load keeps it); null before the first. Owned by
    // the component.
    HBRUSH BackgroundBrush() const { return BackgroundBrush_.Get(); }
    // The application's small icon on magenta (the transparent colour), at the
    // small-icon size; empty when the program has no icon.
    const Bitmap& AppIcon() const { return AppIcon_; }
    // Captures the application icon again (Loaded does it once).
    void CaptureAppIcon();
    // The icon module's file shows (its first icon group) at the small-icon
    // size; null when it has none.
    static IconHandle LoadModuleIcon(HMODULE module);
    // Keeps icon (not taken over) drawn at the small-icon size on magenta as
    // the application icon; null empties it.
    void CaptureIcon(HICON icon);
    // The screen's maximised window size, read at creation.
    SIZE MaximizedSize() const { return MaximizedSize_; }

    // The platform calls that may be missing, looked up once per process.
    // GetScrollBarInfo; false when the platform has none or it fails.
    static bool OptionalGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);
    // Asks for WM_MOUSELEAVE for window with the default hover time; false
    // when the platform cannot.
    static bool OptionalTrackMouseLeave(HWND window);
    // GetComboBoxInfo; false when the platform has none or it fails.
    static bool OptionalGetComboBoxInfo(HWND combo, COMBOBOXINFO& info);
    // Whether GetScrollBarInfo exists.
    static bool HasGetScrollBarInfo();

    TFormSkinEvent OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TSkinControlEvent OnSkinControl;
    TSkinFormNotifyEvent OnBeforeSkinForm;
    TSkinFormNotifyEvent OnAfterSkinForm;

    // Whether skinned windows paint their frames on WM_NCPAINT; switched off
    // around the framework's menu change, whose platform repaint must not
    // take the skinned frame's place.
    bool FramePainting = true;

    // Registers with the manager (creating it), reads the caption font and,
    // for the main-form type, starts the window hook and captures the icon.
    void Loaded() override;

    // The default Skin3rd mapping: class name "=" skin class, 117 lines.
    static const std::vector<std::wstring>& DefaultSkin3rd();

private:
    void SkinChanged();
    // Registers with the manager when this component has not yet (a component
    // made in code has no stored properties to finish reading).
    void EnsureRegistered();
    void SetActiveMainform(bool active);
    void SetActiveOnlyThisForm(bool active);
    // Reads the caption font unless it is held already.
    void EnsureCaptionFont();

    bool Active_ = false;
    int DisableTag_ = 99;
    std::uint32_t SkinControls_;
    std::uint32_t Options_ = Bit(xoPreview) | Bit(xoToolbarBK);
    std::vector<std::wstring> Skin3rd_;
    std::wstring SkinFile_;
    TSkinFormType SkinFormtype_ = sfMainform;
    bool MenuUpdate_ = true;
    bool MenuMerge_ = false;
    bool NoSkin_ = true;
    bool HasSkin_ = false;
    std::vector<std::uint8_t> Packed_;
    TSkinDefinition Skin_;
    MessageSink Sink_;
    HWND FormSkinWindow_ = nullptr;
    FontHandle CaptionFont_;
    ImageListHandle MenuGlyphs_;
    BrushHandle BackgroundBrush_;
    Bitmap AppIcon_;
    SIZE MaximizedSize_{};
};

// Assigns path to skin's SkinFile for a host form's creation handler, which
// must go on to switch skinning on and load its pages whatever the file holds:
// a damaged file leaves the platform's look without a word, and the LZH
// decoder's error is shown by the application's error message instead of
// escaping. Returns whether a skin was loaded from path.
bool AssignSkinFile(TSkinData& skin, const std::wstring& path);

} // namespace veyra
