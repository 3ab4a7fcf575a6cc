#include "SkinData.h"

#include <windows.h>

#include <commctrl.h>

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "framework/Application.h"
#include "framework/ClassInfo.h"
#include "framework/CustomForm.h"
#include "skin/data/BuiltinImages.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SystemColours.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/manager/SkinManage.h"
#include "skin/package/ElzhException.h"
#include "skin/package/SkinReader.h"

namespace veyra {
namespace {

std::vector<std::string> ControlTypeNames() {
    return {"xcMainMenu",   "xcPopupMenu", "xcMenuItem",    "xcToolbar",     "xcControlbar",
            "xcCombo",      "xcCheckBox",  "xcRadioButton", "xcProgress",    "xcScrollbar",
            "xcEdit",       "xcButton",    "xcBitBtn",      "xcSpeedButton", "xcSpin",
            "xcPanel",      "xcGroupBox",  "xcStatusBar",   "xcTab",         "xcTrackBar",
            "xcSystemMenu", "xcFastReport"};
}

std::vector<std::string> OptionNames() {
    return {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent",    "xoPreview", "xoParentBackGround",
            "xoNoFocusRect",  "xoToolbarBK", "xoMDIChildBorder", "xoMenuBG",  "xoFormScrollbar"};
}

constexpr std::uint32_t AllControlTypes = (std::uint32_t{1} << (xcFastReport + 1)) - 1;
constexpr int kRequestDelayMs = 250;

struct FileDeleter {
    static inline const HANDLE Null = INVALID_HANDLE_VALUE;
    static constexpr THandleKind Kind = THandleKind::File;
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = UniqueHandle<HANDLE, FileDeleter>;

// Reads a whole skin file; false when it cannot be opened or read (a folder,
// a file locked by another program, a read error) or is larger than any skin
// can be. Such a file is no skin, as a missing one is no skin: the packed
// data alone can be damaged.
bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& out) {
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    // A packed file is never larger than what it unpacks to: the bound keeps
    // a stray huge file from being read into memory at all.
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        size.QuadPart > TSkinReader::kMaxUnpackedSize)
        return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return false;
    }
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        return false;
    out = std::move(bytes);
    return true;
}

// A 24-bit-looking DIB section holding bitmap, not selected into any DC, so
// that an image list can take it.
BitmapHandle DibFromBitmap(const Bitmap& bitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height(); // top-down, as Bitmap's rows are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        return {};
    auto* out = static_cast<Pixel*>(bits);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            out[static_cast<std::size_t>(y) * bitmap.Width() + x] = bitmap.At(x, y) & kPixelRgbMask;
    return dib;
}

// The skinned system menu's glyphs as a 16 x 16 image list, white masked out.
ImageListHandle MakeMenuGlyphs() {
    const Bitmap glyphs = BuiltinMenuGlyphs();
    ImageListHandle list(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, glyphs.Width() / 16, 0));
    const BitmapHandle dib = DibFromBitmap(glyphs);
    if (list.Get() && dib)
        ImageList_AddMasked(list.Get(), dib.Get(), RGB(255, 255, 255));
    return list;
}

// The platform's non-client caption font.
FontHandle ReadCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return {};
    return FontHandle(CreateFontIndirectW(&metrics.lfCaptionFont));
}

// The name of a module's first icon group, the icon its file shows: an
// integer resource or a name, in the platform's resource order.
struct TIconGroupName {
    WORD Id = 0;
    std::wstring Name;
    bool Found = false;
    LPCWSTR Get() const { return Name.empty() ? MAKEINTRESOURCEW(Id) : Name.c_str(); }
};

BOOL CALLBACK TakeFirstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto& first = *reinterpret_cast<TIconGroupName*>(param);
    if (IS_INTRESOURCE(name))
        first.Id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    else
        first.Name = name;
    first.Found = true;
    return FALSE; // the first is enough
}

// The program's small icon, else its big one: from the main form's window
// when it exists (the window keeps it), otherwise the executable's own, which
// lands in extracted, to be destroyed with it.
HICON FindAppIcon(IconHandle& extracted) {
    if (TCustomForm* main = Application().MainForm(); main && main->HandleAllocated()) {
        const HWND window = main->WindowHandle();
        for (WPARAM kind : {ICON_SMALL, ICON_BIG})
            if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0)))
                return icon;
    }
    extracted = TSkinData::LoadModuleIcon(GetModuleHandleW(nullptr));
    return extracted.Get();
}

// The platform's optional user-interface calls, looked up by name once per
// process; the library reference is dropped at process end.
class TOptionalUser32 {
public:
    static const TOptionalUser32& Get() {
        static const TOptionalUser32 calls;
        return calls;
    }
    using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
    using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

    TGetScrollBarInfo GetScrollBarInfo = nullptr;
    TTrackMouseEvent TrackMouseEvent = nullptr;
    TGetComboBoxInfo GetComboBoxInfo = nullptr;

    ~TOptionalUser32() {
        if (Library_)
            FreeLibrary(Library_);
    }
    TOptionalUser32(const TOptionalUser32&) = delete;
    TOptionalUser32& operator=(const TOptionalUser32&) = delete;

private:
    TOptionalUser32() : Library_(LoadLibraryW(L"user32.dll")) {
        if (!Library_)
            return;
        GetScrollBarInfo = Lookup<TGetScrollBarInfo>("GetScrollBarInfo");
        TrackMouseEvent = Lookup<TTrackMouseEvent>("TrackMouseEvent");
        GetComboBoxInfo = Lookup<TGetComboBoxInfo>("GetComboBoxInfo");
    }
    template <class F> F Lookup(const char* name) const {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Library_, name)));
    }

    HMODULE Library_;
};

} // namespace

const TClassInfo& TSkinData::StaticClass() {
    static const TClassInfo info(
        "TSkinData", &TComponent::StaticClass(),
        TPropertyList<TSkinData>()
            .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
            .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
            .Set("SkinControls", ControlTypeNames(), &TSkinData::SkinControls,
                 &TSkinData::SetSkinControls)
            .Set("Options", OptionNames(), &TSkinData::Options, &TSkinData::SetOptions)
            .Strings("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
            .WString("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .String("SkinStore", &TSkinData::SkinStore, [](TSkinData&, const std::string&) {})
            .Enum("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"},
                  &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
            .String("Version", &TSkinData::Version, [](TSkinData&, const std::string&) {})
            .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
            .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
            .Binary("SkinStream", &TSkinData::SkinStream, &TSkinData::SetSkinStream)
            .Event("OnFormSkin", &TSkinData::OnFormSkin)
            .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
            .Event("OnSkinControl", &TSkinData::OnSkinControl)
            .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm)
            .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TSkinData(owner); });
    return info;
}

const std::vector<std::wstring>& TSkinData::DefaultSkin3rd() {
    static const std::vector<std::wstring> lines = {L"TCategoryButtons=scrollbar",
                                                    L"TPngBitBtn=pngbitbtn",
                                                    L"TVirtualStringTree=scrollbar",
                                                    L"TVirtualDrawTree=scrollbar",
                                                    L"TTBXDockablePanel=Panel",
                                                    L"TAdvPanelGroup=scrollbar",
                                                    L"TComboboxex=combobox",
                                                    L"TRxSpeedButton=speedbutton",
                                                    L"THTMLViewer=scrollbar",
                                                    L"TDBCtrlGrid=scrollbar",
                                                    L"TfrSpeedButton=speedbutton",
                                                    L"TfrTBButton=speedbutton",
                                                    L"TControlBar=Panel",
                                                    L"TTBDock=Panel",
                                                    L"TTBToolbar=Panel",
                                                    L"TImageEnMView=scrollbar",
                                                    L"TImageEnView=scrollbar",
                                                    L"TAdvMemo=scrollbar",
                                                    L"TDBAdvMemo=scrollbar",
                                                    L"TcxDBLookupComboBox=combobox",
                                                    L"TcxDBComboBox=combobox",
                                                    L"TcxDBDateEdit=combobox",
                                                    L"TcxDBImageComboBox=combobox",
                                                    L"TcxDBCalcEdit=combobox",
                                                    L"TcxDBBlobEdit=combobox",
                                                    L"TcxDBPopupEdit=combobox",
                                                    L"TcxDBFontNameComboBox=combobox",
                                                    L"TcxDBShellComboBox=combobox",
                                                    L"TRxLookupEdit=combobox",
                                                    L"TRxDBLookupCombo=combobox",
                                                    L"TRzGroup=panel",
                                                    L"TRzButton=button",
                                                    L"TRzBitbtn=bitbtn",
                                                    L"TRzMenuButton=menubtn",
                                                    L"TRzCheckGroup=CheckGroup",
                                                    L"TRzRadioGroup=Radiogroup",
                                                    L"TRzButtonEdit=Edit",
                                                    L"TRzDBRadioGroup=Radiogroup",
                                                    L"TRzDBRadioButton=Radiobutton",
                                                    L"TRzDateTimeEdit=combobox",
                                                    L"TRzColorEdit=combobox",
                                                    L"TRzDateTimePicker=combobox",
                                                    L"TRzDBDateTimeEdit=combobox",
                                                    L"TRzDbColorEdit=combobox",
                                                    L"TRzDBDateTimePicker=combobox",
                                                    L"TLMDButton=bitbtn",
                                                    L"TLMDGroupBox=Groupbox",
                                                    L"TDBCheckboxEh=Checkbox",
                                                    L"TDBCheckboxEh=Checkbox",
                                                    L"TLMDCHECKBOX=Checkbox",
                                                    L"TLMDDBCHECKBOX=Checkbox",
                                                    L"TLMDRadiobutton=Radiobutton",
                                                    L"TLMDCalculator=panel",
                                                    L"TLMDGROUPBOX=Panel",
                                                    L"TLMDSIMPLEPANEL=Panel",
                                                    L"TLMDDBCalendar=Panel",
                                                    L"TLMDButtonPanel=Panel",
                                                    L"TLMDLMDCalculator=Panel",
                                                    L"TLMDHeaderPanel=Panel",
                                                    L"TLMDTechnicalLine=Panel",
                                                    L"TLMDLMDClock=Panel",
                                                    L"TLMDTrackbar=panel",
                                                    L"TLMDListCombobox=combobox",
                                                    L"TLMDCheckListCombobox=combobox",
                                                    L"TLMDHeaderListCombobox=combobox",
                                                    L"TLMDImageCombobox=combobox",
                                                    L"TLMDColorCombobox=combobox",
                                                    L"TLMDFontCombobox=combobox",
                                                    L"TLMDFontSizeCombobox=combobox",
                                                    L"TLMDFontSizeCombobox=combobox",
                                                    L"TLMDPrinterCombobox=combobox",
                                                    L"TLMDDriveCombobox=combobox",
                                                    L"TLMDCalculatorComboBox=combobox",
                                                    L"TLMDTrackBarComboBox=combobox",
                                                    L"TLMDCalendarComboBox=combobox",
                                                    L"TLMDTreeComboBox=combobox",
                                                    L"TLMDRADIOGROUP=radiogroup",
                                                    L"TLMDCheckGroup=CheckGroup",
                                                    L"TLMDDBRADIOGROUP=radiogroup",
                                                    L"TLMDDBCheckGroup=CheckGroup",
                                                    L"TLMDCalculatorEdit=edit",
                                                    L"TLMDEDIT=Edit",
                                                    L"TLMDMASKEDIT=Edit",
                                                    L"TLMDBROWSEEDIT=Edit",
                                                    L"TLMDEXTSPINEDIT=Edit",
                                                    L"TLMDCALENDAREDIT=Edit",
                                                    L"TLMDFILEOPENEDIT=Edit",
                                                    L"TLMDFILESAVEEDIT=Edit",
                                                    L"TLMDCOLOREDIT=Edit",
                                                    L"TLMDDBEDIT=Edit",
                                                    L"TLMDDBMASKEDIT=Edit",
                                                    L"TLMDDBEXTSPINEDIT=Edit",
                                                    L"TLMDDBSPINEDIT=Edit",
                                                    L"TLMDDBEDITDBLookup=Edit",
                                                    L"TLMDEDITDBLookup=Edit",
                                                    L"TDBLookupCombobox=Combobox",
                                                    L"TWWDBCombobox=Combobox",
                                                    L"TWWDBLookupCombo=Combobox",
                                                    L"TWWDBCombobox=Combobox",
                                                    L"TWWKeyCombo=Combobox",
                                                    L"TWWTempKeyCombo=combobox",
                                                    L"TWWDBDateTimePicker=Combobox",
                                                    L"TWWRADIOGROUP=radiogroup",
                                                    L"TWWDBEDIT=Edit",
                                                    L"TcxButton=bitbtn",
                                                    L"TcxDBRadioGroup=radiogroup",
                                                    L"TcxRadioGroup=radiogroup",
                                                    L"TcxGroupbox=groupbox",
                                                    L"TOVCPICTUREFIELD=Edit",
                                                    L"TOVCDBPICTUREFIELD=Edit",
                                                    L"TOVCSLIDEREDIT=Edit",
                                                    L"TOVCDBSLIDEREDIT=Edit",
                                                    L"TOVCSIMPLEFIELD=Edit",
                                                    L"TOVCDBSIMPLEFIELD=Edit",
                                                    L"TO32DBFLEXEDIT=Edit",
                                                    L"TOVCNUMERICFIELD=Edit",
                                                    L"TOVCDBNUMERICFIELD=Edit"};
    return lines;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), SkinControls_(AllControlTypes & ~(Bit(xcMenuItem) | Bit(xcFastReport))),
      Skin3rd_(DefaultSkin3rd()), Sink_(DefaultMessageSink()),
      MenuGlyphs_(MakeMenuGlyphs()), MaximizedSize_{GetSystemMetrics(SM_CXMAXIMIZED),
                                                    GetSystemMetrics(SM_CYMAXIMIZED)} {}

TSkinData::~TSkinData() {
    // The manager lets go of every window that still paints with this
    // component's skin before the skin goes away.
    if (TSkinManage* manager = TSkinManage::Instance())
        manager->Unregister(this);
}

void TSkinData::EnsureRegistered() {
    TSkinManage* manager = TSkinManage::Instance();
    if (!manager || !manager->IsRegistered(this))
        Loaded();
}

void TSkinData::SetActive(bool active) {
    if (active == Active_)
        return;
    Active_ = active;
    if (IsDesigning() || IsLoading())
        return;
    switch (SkinFormtype_) {
    case sfMainform:
        SetActiveMainform(active);
        break;
    case sfOnlyThisForm:
        SetActiveOnlyThisForm(active);
        break;
    case sfDialog:
    case sfDLL:
        break;
    }
}

void TSkinData::SetActiveMainform(bool active) {
    if (active && NoSkin_)
        return;
    EnsureRegistered();
    TSkinManage& manager = TSkinManage::Create();
    manager.Post(active ? TSkinRequest::SkinOn : TSkinRequest::SkinOff, kRequestDelayMs, this);
    if (active && manager.RunningState() == TRunningState::NotRunning)
        manager.SetRunningState(TRunningState::Running);
}

void TSkinData::SetActiveOnlyThisForm(bool active) {
    EnsureRegistered();
    TSkinManage& manager = TSkinManage::Create();
    if (active && NoSkin_) {
        manager.PointAt(this);
        return;
    }
    manager.Post(active ? TSkinRequest::SkinOn : TSkinRequest::SkinOff, kRequestDelayMs, this);
}

std::string TSkinData::SkinStore() const {
    return IsDesigning() && !Packed_.empty() ? "(Good)" : "(none)";
}

void TSkinData::SetSkinFile(const std::wstring& path) {
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

std::vector<std::uint8_t> TSkinData::SkinStream() const {
    const auto size = static_cast<std::uint32_t>(Packed_.size());
    std::vector<std::uint8_t> out;
    out.reserve(4 + Packed_.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(size >> shift));
    out.insert(out.end(), Packed_.begin(), Packed_.end());
    return out;
}

void TSkinData::SetSkinStream(const std::vector<std::uint8_t>& stream) {
    // The stored length is checked against what follows it instead of being
    // trusted: a lying length must not read past the data or swallow it.
    if (stream.size() < 4)
        throw std::invalid_argument("the stored skin has no length");
    const std::int32_t length =
        static_cast<std::int32_t>(stream[0] | (stream[1] << 8) | (stream[2] << 16) |
                                  (static_cast<std::uint32_t>(stream[3]) << 24));
    if (length < 0 || static_cast<std::size_t>(length) != stream.size() - 4)
        throw std::invalid_argument("the stored skin's length " + std::to_string(length) +
                                    " does not match its " + std::to_string(stream.size() - 4) +
                                    " bytes");
    // Length 0 stores "no skin held": an earlier packed skin does not stay
    // behind to be streamed out again. The skin in force, if any, stays.
    Packed_.assign(stream.begin() + 4, stream.end());
    if (Packed_.empty())
        return;
    if (!IsDesigning())
        LoadSkin();
}

bool TSkinData::LoadSkin() {
    NoSkin_ = true;
    if (IsDesigning())
        return false;
    // The loader bakes system colours into the images it generates (the
    // tool-bar gradient, the combo arrow): they must be this machine's
    // current ones, not the table's defaults or an old reading.
    RefreshSystemColours();
    // Built aside and moved in only when complete, so that an older or
    // damaged file leaves the previous skin in place.
    TSkinDefinition built;
    const TSkinLoadOptions options{GetSystemMetrics(SM_CXHSCROLL)};
    if (!LoadSkinDefinition(std::span<const std::uint8_t>(Packed_), built, options, Sink_))
        return false;
    Skin_ = std::move(built);
    BackgroundBrush_.Reset(CreateSolidBrush(ResolveColour(Skin_.Colours.ButtonFace) & 0x00FFFFFFu));
    EnsureCaptionFont();
    NoSkin_ = false;
    HasSkin_ = true;
    return true;
}

void TSkinData::EnsureCaptionFont() {
    // Read once: windows may hold the handle between paints, so a second
    // Loaded (after the manager was made anew) must not free it under them.
    if (!CaptionFont_)
        CaptionFont_ = ReadCaptionFont();
}

void TSkinData::SkinChanged() {
    if (IsLoading() || IsDesigning())
        return;
    EnsureRegistered();
    TSkinManage& manager = TSkinManage::Create();
    manager.PointAt(this);
    // Windows painting with the old elements take the new ones at once: the
    // old ones are gone.
    manager.Refresh(this);
    if (manager.RunningState() != TRunningState::NotRunning)
        manager.Post(TSkinRequest::SkinChanged, kRequestDelayMs, this);
}

bool TSkinData::FormSkinQuestion(HWND window, const std::wstring& className, bool doSkin) {
    FormSkinWindow_ = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return doSkin;
    }
    if (className == L"SysMonthCal32")
        return false;
    if (Skins(xcFastReport) && className.starts_with(L"Tfr"))
        return false;
    return doSkin;
}

void TSkinData::CaptureAppIcon() {
    IconHandle extracted;
    CaptureIcon(FindAppIcon(extracted));
}

// Read with the window library's own calls, not the shell's: loading the
// shell library would cost every start-up.
IconHandle TSkinData::LoadModuleIcon(HMODULE module) {
    TIconGroupName first;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, TakeFirstIconGroup,
                       reinterpret_cast<LONG_PTR>(&first));
    if (!first.Found)
        return {};
    return IconHandle(static_cast<HICON>(
        LoadImageW(module, first.Get(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
}

void TSkinData::CaptureIcon(HICON icon) {
    AppIcon_ = Bitmap();
    if (!icon)
        return;
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    try {
        DibSurface surface(cx, cy);
        Bitmap& pixels = surface.Pixels();
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                pixels.At(x, y) = PixelOf(Rgb(255, 0, 255));
        DrawIconEx(surface.Dc(), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
        AppIcon_ = surface.Pixels();
    } catch (const std::exception&) {
        AppIcon_ = Bitmap(); // no surface: the title shows no icon
    }
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (IsDesigning())
        return;
    if (!HasGetScrollBarInfo())
        SkinControls_ &= ~Bit(xcScrollbar);
    RefreshSystemColours();
    TSkinManage& manager = TSkinManage::Create();
    manager.Register(this);
    EnsureCaptionFont();
    if (SkinFormtype_ == sfMainform) {
        manager.StartHook();
        if (Active_ && NoSkin_)
            Active_ = false;
        else if (Active_)
            manager.Post(TSkinRequest::SkinOn, kRequestDelayMs, this);
        if (Skins(xcMainMenu))
            SkinControls_ &= ~Bit(xcMenuItem);
        else
            SkinControls_ &= ~Bit(xcSystemMenu);
        CaptureAppIcon();
        return;
    }
    manager.SetEnabled(true);
    manager.CountClient();
    if (auto* form = As<TCustomForm>(Owner()); form && Active_ && form->HandleAllocated())
        manager.Attach(form->WindowHandle());
}

bool TSkinData::HasGetScrollBarInfo() {
    return TOptionalUser32::Get().GetScrollBarInfo != nullptr;
}

bool TSkinData::OptionalGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
    const auto call = TOptionalUser32::Get().GetScrollBarInfo;
    info.cbSize = sizeof info;
    return call && call(window, objectId, &info);
}

bool TSkinData::OptionalTrackMouseLeave(HWND window) {
    const auto call = TOptionalUser32::Get().TrackMouseEvent;
    if (!call)
        return false;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, HOVER_DEFAULT};
    return call(&track) != FALSE;
}

bool TSkinData::OptionalGetComboBoxInfo(HWND combo, COMBOBOXINFO& info) {
    const auto call = TOptionalUser32::Get().GetComboBoxInfo;
    info.cbSize = sizeof info;
    return call && call(combo, &info);
}

bool AssignSkinFile(TSkinData& skin, const std::wstring& path) {
    try {
        skin.SetSkinFile(path);
    } catch (const ElzhException&) {
        // The decoder's "cannot get memory" is one of the two messages the
        // product shows; the form goes on in the platform's look.
        Application().HandleException(&skin);
    } catch (const std::exception&) {
        // A damaged file: the platform's look, quietly, as for a missing one.
    }
    return !skin.NoSkin();
}

} // namespace veyra
