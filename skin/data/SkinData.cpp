#include "SkinData.h"

#include <windows.h>

#include "framework/ClassInfo.h"
#include "skin/package/SkinReader.h"

namespace veyra {
namespace {

std::vector<std::string> ControlTypeNames()
{
    return {"xcMainMenu",    "xcPopupMenu",   "xcMenuItem", "xcToolbar",    "xcControlbar",  "xcCombo",
            "xcCheckBox",    "xcRadioButton", "xcProgress", "xcScrollbar",  "xcEdit",        "xcButton",
            "xcBitBtn",      "xcSpeedButton", "xcSpin",     "xcPanel",      "xcGroupBox",    "xcStatusBar",
            "xcTab",         "xcTrackBar",    "xcSystemMenu", "xcFastReport"};
}

std::vector<std::string> OptionNames()
{
    return {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent",    "xoPreview", "xoParentBackGround",
            "xoNoFocusRect",  "xoToolbarBK", "xoMDIChildBorder", "xoMenuBG",  "xoFormScrollbar"};
}

constexpr std::uint32_t AllControlTypes = (std::uint32_t{1} << (xcFastReport + 1)) - 1;

// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& out)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    struct TCloser {
        HANDLE Handle;
        ~TCloser() { CloseHandle(Handle); }
    } closer{file};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > TSkinReader::kMaxUnpackedSize)
        throw std::runtime_error("The skin file is too large to be a skin");
    out.assign(static_cast<std::size_t>(size.QuadPart), 0);
    DWORD read = 0;
    if (!out.empty() && (!ReadFile(file, out.data(), static_cast<DWORD>(out.size()), &read, nullptr) ||
                         read != out.size()))
        throw std::runtime_error("The skin file cannot be read");
    return true;
}

} // namespace

const TClassInfo& TSkinData::StaticClass()
{
    static const TClassInfo info(
        "TSkinData", &TComponent::StaticClass(),
        TPropertyList<TSkinData>()
            .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
            .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
            .Set("SkinControls", ControlTypeNames(), &TSkinData::SkinControls, &TSkinData::SetSkinControls)
            .Set("Options", OptionNames(), &TSkinData::Options, &TSkinData::SetOptions)
            .Strings("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
            .WString("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .String("SkinStore", &TSkinData::SkinStore, [](TSkinData&, const std::string&) {})
            .Enum("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}, &TSkinData::SkinFormtype,
                  &TSkinData::SetSkinFormtype)
            .String("Version", &TSkinData::Version, [](TSkinData&, const std::string&) {})
            .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
            .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
            .Binary("SkinStream", &TSkinData::SkinStream, &TSkinData::SetSkinStream)
            .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TSkinData(owner); });
    return info;
}

const std::vector<std::wstring>& TSkinData::DefaultSkin3rd()
{
    static const std::vector<std::wstring> lines = {
        L"TCategoryButtons=scrollbar", L"TPngBitBtn=pngbitbtn", L"TVirtualStringTree=scrollbar",
        L"TVirtualDrawTree=scrollbar", L"TTBXDockablePanel=Panel", L"TAdvPanelGroup=scrollbar",
        L"TComboboxex=combobox", L"TRxSpeedButton=speedbutton", L"THTMLViewer=scrollbar", L"TDBCtrlGrid=scrollbar",
        L"TfrSpeedButton=speedbutton", L"TfrTBButton=speedbutton", L"TControlBar=Panel", L"TTBDock=Panel",
        L"TTBToolbar=Panel", L"TImageEnMView=scrollbar", L"TImageEnView=scrollbar", L"TAdvMemo=scrollbar",
        L"TDBAdvMemo=scrollbar", L"TcxDBLookupComboBox=combobox", L"TcxDBComboBox=combobox",
        L"TcxDBDateEdit=combobox", L"TcxDBImageComboBox=combobox", L"TcxDBCalcEdit=combobox",
        L"TcxDBBlobEdit=combobox", L"TcxDBPopupEdit=combobox", L"TcxDBFontNameComboBox=combobox",
        L"TcxDBShellComboBox=combobox", L"TRxLookupEdit=combobox", L"TRxDBLookupCombo=combobox", L"TRzGroup=panel",
        L"TRzButton=button", L"TRzBitbtn=bitbtn", L"TRzMenuButton=menubtn", L"TRzCheckGroup=CheckGroup",
        L"TRzRadioGroup=Radiogroup", L"TRzButtonEdit=Edit", L"TRzDBRadioGroup=Radiogroup",
        L"TRzDBRadioButton=Radiobutton", L"TRzDateTimeEdit=combobox", L"TRzColorEdit=combobox",
        L"TRzDateTimePicker=combobox", L"TRzDBDateTimeEdit=combobox", L"TRzDbColorEdit=combobox",
        L"TRzDBDateTimePicker=combobox", L"TLMDButton=bitbtn", L"TLMDGroupBox=Groupbox", L"TDBCheckboxEh=Checkbox",
        L"TDBCheckboxEh=Checkbox", L"TLMDCHECKBOX=Checkbox", L"TLMDDBCHECKBOX=Checkbox",
        L"TLMDRadiobutton=Radiobutton", L"TLMDCalculator=panel", L"TLMDGROUPBOX=Panel", L"TLMDSIMPLEPANEL=Panel",
        L"TLMDDBCalendar=Panel", L"TLMDButtonPanel=Panel", L"TLMDLMDCalculator=Panel", L"TLMDHeaderPanel=Panel",
        L"TLMDTechnicalLine=Panel", L"TLMDLMDClock=Panel", L"TLMDTrackbar=panel", L"TLMDListCombobox=combobox",
        L"TLMDCheckListCombobox=combobox", L"TLMDHeaderListCombobox=combobox", L"TLMDImageCombobox=combobox",
        L"TLMDColorCombobox=combobox", L"TLMDFontCombobox=combobox", L"TLMDFontSizeCombobox=combobox",
        L"TLMDFontSizeCombobox=combobox", L"TLMDPrinterCombobox=combobox", L"TLMDDriveCombobox=combobox",
        L"TLMDCalculatorComboBox=combobox", L"TLMDTrackBarComboBox=combobox", L"TLMDCalendarComboBox=combobox",
        L"TLMDTreeComboBox=combobox", L"TLMDRADIOGROUP=radiogroup", L"TLMDCheckGroup=CheckGroup",
        L"TLMDDBRADIOGROUP=radiogroup", L"TLMDDBCheckGroup=CheckGroup", L"TLMDCalculatorEdit=edit",
        L"TLMDEDIT=Edit", L"TLMDMASKEDIT=Edit", L"TLMDBROWSEEDIT=Edit", L"TLMDEXTSPINEDIT=Edit",
        L"TLMDCALENDAREDIT=Edit", L"TLMDFILEOPENEDIT=Edit", L"TLMDFILESAVEEDIT=Edit", L"TLMDCOLOREDIT=Edit",
        L"TLMDDBEDIT=Edit", L"TLMDDBMASKEDIT=Edit", L"TLMDDBEXTSPINEDIT=Edit", L"TLMDDBSPINEDIT=Edit",
        L"TLMDDBEDITDBLookup=Edit", L"TLMDEDITDBLookup=Edit", L"TDBLookupCombobox=Combobox",
        L"TWWDBCombobox=Combobox", L"TWWDBLookupCombo=Combobox", L"TWWDBCombobox=Combobox",
        L"TWWKeyCombo=Combobox", L"TWWTempKeyCombo=combobox", L"TWWDBDateTimePicker=Combobox",
        L"TWWRADIOGROUP=radiogroup", L"TWWDBEDIT=Edit", L"TcxButton=bitbtn", L"TcxDBRadioGroup=radiogroup",
        L"TcxRadioGroup=radiogroup", L"TcxGroupbox=groupbox", L"TOVCPICTUREFIELD=Edit", L"TOVCDBPICTUREFIELD=Edit",
        L"TOVCSLIDEREDIT=Edit", L"TOVCDBSLIDEREDIT=Edit", L"TOVCSIMPLEFIELD=Edit", L"TOVCDBSIMPLEFIELD=Edit",
        L"TO32DBFLEXEDIT=Edit", L"TOVCNUMERICFIELD=Edit", L"TOVCDBNUMERICFIELD=Edit"};
    return lines;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), SkinControls_(AllControlTypes & ~(Bit(xcMenuItem) | Bit(xcFastReport))),
      Skin3rd_(DefaultSkin3rd()), Sink_(DefaultMessageSink())
{
}

// FIXME: unregister from the skin manager here once the manager exists.
TSkinData::~TSkinData() = default;

void TSkinData::SetActive(bool active)
{
    if (active == Active_)
        return;
    Active_ = active;
    // FIXME: at run time, outside loading, this is where the manager is
    // pointed at this component and asked to switch skinning on (when a skin
    // is held) or off. Until the manager exists the value is only stored.
}

std::string TSkinData::SkinStore() const
{
    return IsDesigning() && !Packed_.empty() ? "(Good)" : "(none)";
}

void TSkinData::SetSkinFile(const std::wstring& path)
{
    NoSkin_ = true;
    SkinFile_ = path;
    if (IsDesigning()) {
        if (!path.empty())
            Packed_.clear();
        return;
    }
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !ReadWholeFile(path, bytes))
        return; // A missing file changes nothing else.
    Packed_ = std::move(bytes);
    if (LoadSkin())
        SkinChanged();
}

std::vector<std::uint8_t> TSkinData::SkinStream() const
{
    const auto size = static_cast<std::uint32_t>(Packed_.size());
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    out.insert(out.end(), Packed_.begin(), Packed_.end());
    return out;
}

void TSkinData::SetSkinStream(const std::vector<std::uint8_t>& stream)
{
    if (stream.size() < 4)
        throw std::invalid_argument("the stored skin has no length");
    const std::int32_t length = static_cast<std::int32_t>(stream[0] | (stream[1] << 8) | (stream[2] << 16) |
                                                          (static_cast<std::uint32_t>(stream[3]) << 24));
    if (length < 0 || static_cast<std::size_t>(length) != stream.size() - 4)
        throw std::invalid_argument("the stored skin's length " + std::to_string(length) + " does not match its " +
                                    std::to_string(stream.size() - 4) + " bytes");
    if (length == 0)
        return;
    Packed_.assign(stream.begin() + 4, stream.end());
    if (!IsDesigning())
        LoadSkin();
}

bool TSkinData::LoadSkin()
{
    NoSkin_ = true;
    if (IsDesigning())
        return false;
    TSkinReader reader(Sink_);
    if (!reader.Unpack(std::span<const std::uint8_t>(Packed_)))
        return false;
    std::vector<std::uint8_t> definition;
    std::string name;
    reader.FindContaining(".ini", definition, name);
    DefinitionText_.assign(definition.begin(), definition.end());
    DefinitionName_ = name;
    // FIXME: build the section list, skin name, borders, colour scheme,
    // title-bar buttons and elements from DefinitionText_ and the reader's
    // images here; this component so far only keeps the definition.
    NoSkin_ = false;
    return true;
}

void TSkinData::SkinChanged()
{
    if (IsLoading())
        return;
    // FIXME: tell the manager (creating it through Loaded if needed) that the
    // skin was reloaded, so that skinned windows pick it up.
    if (OnSkinChanged)
        OnSkinChanged(this);
}

void TSkinData::Loaded()
{
    TComponent::Loaded();
    if (IsDesigning())
        return;
    if (!GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetScrollBarInfo"))
        SkinControls_ &= ~Bit(xcScrollbar);
    // FIXME: create the process-wide manager, register with it and, for the
    // main-form type, start its window hook and capture the application icon.
    if (SkinFormtype_ == sfMainform) {
        if (Active_ && NoSkin_)
            Active_ = false;
        if (SkinControls_ & Bit(xcMainMenu))
            SkinControls_ &= ~Bit(xcMenuItem);
        else
            SkinControls_ &= ~Bit(xcSystemMenu);
    }
}

} // namespace veyra
