#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "skin/package/MessageSink.h"

namespace veyra {

// Kinds of control that the skin paints; bit i of SkinControls is value i.
enum TSkinControlType {
    xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
    xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
    xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};

// Behaviour switches; bit i of Options is value i.
enum TSkinOption {
    xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
    xoMDIChildBorder, xoMenuBG, xoFormScrollbar
};

// Which windows a skin component skins.
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// The bit of a set value.
constexpr std::uint32_t Bit(int value) { return std::uint32_t{1} << value; }

// The component that holds a packed skin and the settings that say what is
// skinned. Assigning SkinFile reads and unpacks the file; the skin's elements
// and the process-wide manager that switches skinning on are built on top of
// the definition it keeps (see LoadSkin).
class TSkinData : public TComponent {
    VEYRA_CLASS()
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    bool Active() const { return Active_; }
    void SetActive(bool active);
    int DisableTag() const { return DisableTag_; }
    void SetDisableTag(int tag) { DisableTag_ = tag; }
    std::uint32_t SkinControls() const { return SkinControls_; }
    void SetSkinControls(std::uint32_t controls) { SkinControls_ = controls; }
    std::uint32_t Options() const { return Options_; }
    void SetOptions(std::uint32_t options) { Options_ = options; }
    const std::vector<std::wstring>& Skin3rd() const { return Skin3rd_; }
    void SetSkin3rd(const std::vector<std::wstring>& lines) { Skin3rd_ = lines; }
    const std::wstring& SkinFile() const { return SkinFile_; }
    // Stores the path and, when the file exists, reads and loads it. Errors of
    // the packed data (a damaged file, the decoder's errors) pass to the caller.
    void SetSkinFile(const std::wstring& path);
    // "(none)", or "(Good)" at design time while a packed skin is held.
    std::string SkinStore() const;
    TSkinFormType SkinFormtype() const { return SkinFormtype_; }
    void SetSkinFormtype(TSkinFormType type) { SkinFormtype_ = type; }
    std::string Version() const { return "4.22.08.28"; }
    bool MenuUpdate() const { return MenuUpdate_; }
    void SetMenuUpdate(bool value) { MenuUpdate_ = value; }
    bool MenuMerge() const { return MenuMerge_; }
    void SetMenuMerge(bool value) { MenuMerge_ = value; }
    // The packed skin as stored: a 32-bit little-endian length, then the bytes.
    std::vector<std::uint8_t> SkinStream() const;
    // Takes a stored packed skin; throws std::invalid_argument when the length lies.
    void SetSkinStream(const std::vector<std::uint8_t>& stream);

    // True from creation until a load completes.
    bool NoSkin() const { return NoSkin_; }
    // The packed skin file held.
    const std::vector<std::uint8_t>& PackedSkin() const { return Packed_; }
    // The skin definition (INI text) of the last completed load, and its member name.
    const std::string& DefinitionText() const { return DefinitionText_; }
    const std::string& DefinitionName() const { return DefinitionName_; }
    // Expands and parses the held packed skin; false for an older format (after its message).
    bool LoadSkin();
    // Replaces how the skin reader shows its one message (a message box by default).
    void SetMessageSink(MessageSink sink) { Sink_ = std::move(sink); }

    TNotifyEvent OnSkinChanged;

    void Loaded() override;

    // The default Skin3rd mapping: class name "=" skin class, 117 lines.
    static const std::vector<std::wstring>& DefaultSkin3rd();

private:
    void SkinChanged();

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
    std::vector<std::uint8_t> Packed_;
    std::string DefinitionText_;
    std::string DefinitionName_;
    MessageSink Sink_;
};

} // namespace veyra
