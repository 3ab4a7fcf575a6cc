#include "ControlMap.h"

#include <algorithm>
#include <array>
#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "SkinAdvPage.h"
#include "SkinBitButton.h"
#include "SkinBox.h"
#include "SkinBoxH.h"
#include "SkinButton.h"
#include "SkinCheckBox.h"
#include "SkinComBox.h"
#include "SkinDateTime.h"
#include "SkinEdit.h"
#include "SkinGroupBox.h"
#include "SkinHeader.h"
#include "SkinMP.h"
#include "SkinMenuButton.h"
#include "SkinObjImage.h"
#include "SkinProgress.h"
#include "SkinRadioButton.h"
#include "SkinSizer.h"
#include "SkinSpeedButton.h"
#include "SkinStatusBar.h"
#include "SkinTab.h"
#include "SkinTab31.h"
#include "SkinTabBtn.h"
#include "SkinTabSheet.h"
#include "SkinTrackBar.h"
#include "SkinUpDown.h"
#include "framework/CoolBar.h"
#include "framework/CustomForm.h"
#include "framework/PropAccess.h"
#include "framework/TextConv.h"
#include "framework/ToolBar.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/GuardedEntry.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/AsciiText.h"

namespace veyra {

namespace {

// ---------------------------------------------------------------------------
// Skin classes and their factories

// A picture button whose picture is the published "PngImage".
TSkinControl* AttachPngBitButton(const TAttachRequest& request) {
    auto* object = static_cast<TSkinBitButton*>(AttachAs<TSkinBitButton>(request));
    if (object)
        object->SetGlyphProperty("PngImage");
    return object;
}

// A speed button has no window: it is hooked as a windowless control.
TSkinControl* AttachSpeedButton(const TAttachRequest& request) {
    if (!request.Control || request.Control->Is<TWinControl>())
        return AttachAs<TSkinBitButton>(request);
    auto* object = new TSkinSpeedButton(request.Control);
    object->AttachSpeedButton(&request.Form, request.SkinData);
    return object;
}

struct TFactoryEntry {
    TSkinClass Class;
    const char* Name;
    TSkinFactory Factory;
};

// The one place a skin class is made known to the map: a class that is
// built gets its factory here (AttachAs<T> for the common attach, a function
// of its own for a class that attaches otherwise). A null factory leaves
// the control unskinned; the rules choose the class all the same.
constexpr std::array<TFactoryEntry, static_cast<std::size_t>(TSkinClass::Count)> kFactories{{
    {TSkinClass::None, "", nullptr},
    {TSkinClass::Tab, "TSkinTab", &AttachAs<TSkinTab>},
    {TSkinClass::TabBtn, "TSkinTabBtn", &AttachAs<TSkinTabBtn>},
    {TSkinClass::Tab31, "TSkinTab31", &AttachAs<TSkinTab31>},
    {TSkinClass::TabSheet, "TSkinTabSheet", &AttachAs<TSkinTabSheet>},
    {TSkinClass::AdvPage, "TSkinAdvPage", &AttachAs<TSkinAdvPage>},
    {TSkinClass::UpDown, "TSkinUpDown", &AttachAs<TSkinUpDown>},
    {TSkinClass::Header, "TSkinHeader", &AttachAs<TSkinHeader>},
    {TSkinClass::CheckBox, "TSkinCheckBox", &AttachAs<TSkinCheckBox>},
    {TSkinClass::RadioButton, "TSkinRadioButton", &AttachAs<TSkinRadioButton>},
    {TSkinClass::GroupBox, "TSkinGroupBox", &AttachAs<TSkinGroupBox>},
    {TSkinClass::Box, "TSkinBox", &AttachAs<TSkinBox>},
    {TSkinClass::BoxH, "TSkinBoxH", &AttachAs<TSkinBoxH>},
    {TSkinClass::Sizer, "TSkinSizer", &AttachAs<TSkinSizer>},
    {TSkinClass::ObjImage, "TSkinObjImage", &AttachAs<TSkinObjImage>},
    {TSkinClass::TrackBar, "TSkinTrackBar", &AttachAs<TSkinTrackBar>},
    {TSkinClass::MediaPlayer, "TSkinMP", &AttachAs<TSkinMP>},
    {TSkinClass::StatusBar, "TSkinStatusBar", &AttachAs<TSkinStatusBar>},
    {TSkinClass::Progress, "TSkinProgress", &AttachAs<TSkinProgress>},
    {TSkinClass::ScControl, "TSkinScControl", &AttachAs<TSkinScControl>},
    {TSkinClass::ComBox, "TSkinComBox", &AttachAs<TSkinComBox>},
    {TSkinClass::Edit, "TSkinEdit", &AttachAs<TSkinEdit>},
    {TSkinClass::DateTime, "TSkinDateTime", &AttachAs<TSkinDateTime>},
    {TSkinClass::Scrollbar, "TSkinScrollbar", &AttachAs<TSkinScrollbar>},
    {TSkinClass::ListView, "TSkinListView", &AttachAs<TSkinListView>},
    {TSkinClass::Button, "TSkinButton", &AttachAs<TSkinButton>},
    {TSkinClass::BitButton, "TSkinBitButton", &AttachAs<TSkinBitButton>},
    {TSkinClass::PngBitButton, "TSkinBitButton", &AttachPngBitButton},
    {TSkinClass::MenuButton, "TSkinMenuButton", &AttachAs<TSkinMenuButton>},
    {TSkinClass::SpeedButton, "TSkinSpeedButton", &AttachSpeedButton},
}};

constexpr bool FactoriesInEnumOrder() {
    for (std::size_t i = 0; i < kFactories.size(); ++i)
        if (static_cast<std::size_t>(kFactories[i].Class) != i)
            return false;
    return true;
}
static_assert(FactoriesInEnumOrder(), "kFactories has one row per TSkinClass, in order");

std::array<TSkinFactory, kFactories.size()>& Factories() {
    static std::array<TSkinFactory, kFactories.size()> factories = [] {
        std::array<TSkinFactory, kFactories.size()> initial{};
        for (std::size_t i = 0; i < kFactories.size(); ++i)
            initial[i] = kFactories[i].Factory;
        return initial;
    }();
    return factories;
}

std::size_t IndexOf(TSkinClass skinClass) {
    const auto index = static_cast<std::size_t>(skinClass);
    return index < kFactories.size() ? index : 0;
}

// ---------------------------------------------------------------------------
// Conditions the tables use

// The control's window, or null for a control without one (yet).
HWND WindowOf(const TControl& control) {
    const auto* windowed = dynamic_cast<const TWinControl*>(&control);
    return windowed ? windowed->WindowHandle() : nullptr;
}

LONG_PTR StyleOf(const TControl& control) {
    const HWND window = WindowOf(control);
    return window ? GetWindowLongPtrW(window, GWL_STYLE) : 0;
}

bool InheritsAny(const TControl& control, std::initializer_list<std::string_view> names) {
    const TClassInfo& cls = control.ClassType();
    return std::any_of(names.begin(), names.end(),
                       [&cls](std::string_view name) { return cls.InheritsFrom(name); });
}

// A scroll-bar control, which one overlay skins (TSkinScControl).
bool IsScrollBarControl(const TControl& control) {
    return InheritsAny(control, {"TCustomScrollBar", "TScrollBar"});
}

bool HasScrollStyle(const TControl& control, std::string_view) {
    return (StyleOf(control) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

bool ButtonStyleTabs(const TControl& control, std::string_view) {
    const std::string style = GetEnumPropText(&control, "Style");
    return SameText(style, "tsButtons") || SameText(style, "tsFlatButtons");
}

bool EditsTimeOrUpDown(const TControl& control, std::string_view) {
    return SameText(GetEnumPropText(&control, "Kind"), "dtkTime") ||
           SameText(GetEnumPropText(&control, "DateMode"), "dmUpDown");
}

bool OneButton(const TControl& control, std::string_view) {
    return GetIntProp(&control, "NumButtons") == 1;
}

bool NoButton(const TControl& control, std::string_view) {
    return GetIntProp(&control, "NumButtons") == 0;
}

// The window is larger than its client area: it has a border.
bool HasBorder(const TControl& control, std::string_view) {
    const HWND window = WindowOf(control);
    RECT outer{};
    RECT client{};
    if (!window || !GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return false;
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

bool DropDownCxButton(const TControl& control, std::string_view upper) {
    return upper == "TCXBUTTON" &&
           SameText(GetEnumPropText(&control, "Kind"), "cxbkDropDownButton");
}

// The glyph-image family of radio and check groups goes by this prefix.
bool NameHasTrz(const TControl&, std::string_view upper) {
    return upper.find("TRZ") != std::string_view::npos;
}

// ---------------------------------------------------------------------------
// The tables

// One attach of a row; Needs, when not -1, is a flag this part needs besides
// the row's gate.
struct TPart {
    TSkinClass Class = TSkinClass::None;
    int Mode = 0;
    bool KeepColor = false;
    bool ByHandle = false;
    int Needs = -1;
};

constexpr TPart Plain(TSkinClass skinClass, int mode = 0) {
    TPart part;
    part.Class = skinClass;
    part.Mode = mode;
    return part;
}
constexpr TPart Recoloured(TSkinClass skinClass, int mode = 0) {
    TPart part = Plain(skinClass, mode);
    part.KeepColor = true;
    return part;
}
constexpr TPart ToWindow(TSkinClass skinClass) {
    TPart part = Plain(skinClass);
    part.ByHandle = true;
    return part;
}
constexpr TPart Needing(TPart part, TSkinControlType flag) {
    part.Needs = flag;
    return part;
}

// What a row does.
struct TAction {
    TPart Attach;
    TChildStep Children = TChildStep::None;
    TPart EachChild;
    TPropertyStep Property = TPropertyStep::None;
    TLaterStep Later = TLaterStep::None;
};

constexpr TAction Do(TPart attach, TChildStep children = TChildStep::None, TPart eachChild = {}) {
    TAction action;
    action.Attach = attach;
    action.Children = children;
    action.EachChild = eachChild;
    return action;
}
constexpr TAction Do(TPart attach, TPropertyStep property, TLaterStep later = TLaterStep::None) {
    TAction action = Do(attach);
    action.Property = property;
    action.Later = later;
    return action;
}
constexpr TAction Children(TChildStep children, TLaterStep later = TLaterStep::None) {
    TAction action = Do({}, children);
    action.Later = later;
    return action;
}
constexpr TAction Later(TLaterStep later) {
    return Children(TChildStep::None, later);
}

enum class TGateKind : std::uint8_t {
    None,
    Flag,     // the gate's flag is in SkinControls
    Tabs,     // xcTab and a Tabs element in the skin
    SkinFrame // the form object paints the frame
};

struct TGate {
    TGateKind Kind = TGateKind::None;
    TSkinControlType Flag = xcMainMenu;
};

constexpr TGate Always{};
constexpr TGate Tabs{TGateKind::Tabs, xcTab};
constexpr TGate Framed{TGateKind::SkinFrame, xcMainMenu};
constexpr TGate On(TSkinControlType flag) {
    return {TGateKind::Flag, flag};
}

enum class TMatchBy : std::uint8_t { Anything, Ancestry, ClassName };

using TCondition = bool (*)(const TControl& control, std::string_view upper);
using TNames = std::array<std::string_view, 5>;

// A rule: a control of a kind (by framework ancestry, so that a class added
// later matches by itself, or by upper-case class name), behind a gate, with
// an optional further condition.
struct TRule {
    int Number = 0;
    TMatchBy By = TMatchBy::Anything;
    TNames Names{};
    TGate Gate;
    TCondition Also = nullptr;
    TAction Action;
    // The row holds for its kind even with its gate off, and attaches nothing.
    bool GateOffStops = false;
};

constexpr TRule Kind(int number, TNames ancestors, TGate gate, TAction action,
                     TCondition also = nullptr) {
    return {number, TMatchBy::Ancestry, ancestors, gate, also, action, false};
}
constexpr TRule Named(int number, TNames upperNames, TGate gate, TAction action,
                      TCondition also = nullptr) {
    return {number, TMatchBy::ClassName, upperNames, gate, also, action, false};
}
constexpr TRule Any(int number, TGate gate, TAction action, TCondition also) {
    return {number, TMatchBy::Anything, {}, gate, also, action, false};
}
constexpr TRule StopsWhenOff(TRule rule) {
    rule.GateOffStops = true;
    return rule;
}

using C = TSkinClass;
using TC = TChildStep;

// The rules in the order they are tried. Rows of one number are variants
// of one rule.
const TRule kRules[] = {
    Kind(1, {"TPageControl"}, Tabs, Do(Plain(C::TabBtn)), &ButtonStyleTabs),
    Kind(1, {"TPageControl"}, Tabs, Do(Plain(C::Tab))),
    Kind(1, {"TCustomTabControl"}, Tabs, Do(Plain(C::Tab, TSkinTab::kTabControlMode))),
    Kind(2, {"TCustomActionMenuBar"}, Framed, Later(TLaterStep::OwnerDrawMenu)),
    Kind(3, {"TCustomCoolBar", "TCoolBar"}, On(xcToolbar), Later(TLaterStep::BandColours)),
    Named(4, {"TTABSET"}, Tabs, Do(Plain(C::Tab31))),
    Kind(5, {"TTabSheet"}, Tabs, Do(Plain(C::TabSheet))),
    Named(6, {"TTABBEDNOTEBOOK"}, Tabs, Do(Plain(C::Tab))),
    Named(7, {"TMVCPANEL"}, Always, Children(TC::MapAfter)),
    Kind(8, {"TCustomHeaderControl", "THeaderControl", "THeader"}, On(xcPanel),
         Do(Plain(C::Header))),
    Kind(9, {"TCustomCheckBox", "TCheckBox"}, On(xcCheckBox), Do(Plain(C::CheckBox))),
    Kind(10, {"TCustomTrackBar", "TTrackBar"}, On(xcTrackBar), Do(Plain(C::TrackBar))),
    Named(11, {"TUPDOWN", "TSPINBUTTON"}, On(xcSpin), Do(Plain(C::UpDown))),
    Named(12, {"TMEDIAPLAYER"}, On(xcButton), Do(Plain(C::MediaPlayer))),
    Kind(13, {"TCustomRadioGroup", "TRadioGroup"}, On(xcRadioButton),
         Do(Recoloured(C::GroupBox), TC::AttachEach, Plain(C::RadioButton))),
    Named(14, {"TDBNAVIGATOR"}, On(xcPanel), Do(Recoloured(C::Box), TC::MapAfterUncontained)),
    Named(15, {"TRZDBCHECKBOX", "TRZCHECKBOX"}, On(xcCheckBox), Do(Recoloured(C::ObjImage, 1))),
    Named(16, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}, On(xcRadioButton),
          Do(Recoloured(C::ObjImage, 2))),
    Named(17, {"TCXDBCHECKBOX", "TCXCHECKBOX"}, On(xcCheckBox), Do(Recoloured(C::ObjImage, 3))),
    Kind(18, {"TCustomGroupBox", "TGroupBox"}, On(xcPanel), Do(Plain(C::GroupBox), TC::MapFirst)),
    Kind(19, {"TCustomRadioButton", "TRadioButton"}, On(xcRadioButton), Do(Plain(C::RadioButton))),
    Kind(20, {"TCustomToolBar", "TToolBar"}, On(xcToolbar),
         Do(Plain(C::Box), TPropertyStep::Flat, TLaterStep::ToolbarPainters)),
    Kind(21, {"TCustomStatusBar", "TStatusBar"}, On(xcStatusBar), Do(Plain(C::StatusBar))),
    Kind(22, {"TCustomProgressBar", "TProgressBar"}, On(xcProgress), Do(Plain(C::Progress))),
    Kind(23, {"TCustomScrollBar", "TScrollBar"}, On(xcScrollbar), Do(Plain(C::ScControl))),
    Named(24, {"TTNTCOMBOBOX"}, On(xcCombo), Do(Plain(C::ComBox))),
    Kind(25, {"TCustomComboBox", "TComboBox"}, On(xcCombo), Do(Plain(C::ComBox))),
    Kind(26, {"TDateTimePicker"}, On(xcEdit), Do(Plain(C::Edit)), &EditsTimeOrUpDown),
    Kind(26, {"TDateTimePicker"}, On(xcEdit), Do(Plain(C::DateTime))),
    Named(27, {"TRICHEDIT"}, On(xcScrollbar), Do(Plain(C::Scrollbar))),
    Named(28, {"TWWDBRICHEDIT", "TDXDBMEMO"}, On(xcScrollbar), Do(Plain(C::Scrollbar))),
    StopsWhenOff(Kind(29, {"TBitBtn"}, On(xcBitBtn), Do(Plain(C::BitButton)))),
    Kind(30, {"TSpeedButton"}, On(xcSpeedButton), Do(Plain(C::SpeedButton))),
    Kind(31, {"TCustomPanel"}, On(xcPanel), Do(Recoloured(C::Box), TC::MapFirst)),
    Named(32, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}, On(xcScrollbar),
          Do(Plain(C::Scrollbar))),
    Kind(33, {"TCustomListView", "TListView"}, On(xcScrollbar), Do(Plain(C::ListView))),
    Kind(34, {"TCustomListBox", "TCustomMemo", "TCustomTreeView", "TCustomGrid", "TCustomRichEdit"},
         On(xcScrollbar), Do(Plain(C::Scrollbar))),
    Any(35, On(xcScrollbar), Do(Plain(C::Scrollbar)), &HasScrollStyle),
    Kind(36, {"TButton"}, On(xcButton), Do(Plain(C::Button))),
    Kind(37, {"TCustomEdit", "TEdit"}, On(xcEdit), Do(Plain(C::Edit))),
    Kind(38, {"TCustomFrame", "TFrame"}, Always,
         Children(TC::MapComponents, TLaterStep::PopupMenus)),
    Kind(38, {"TCustomForm"}, Always, Do(Recoloured(C::Box), TC::MapComponents)),
    Named(39, {"TDCEDIT", "TDCDBEDIT"}, On(xcCombo), Do(Plain(C::ComBox)), &OneButton),
    Named(39, {"TDCEDIT", "TDCDBEDIT"}, On(xcEdit), Do(ToWindow(C::Edit)), &NoButton),
};

// What a Skin3rd keyword does. A keyword with no row, or whose row does not
// hold, still decides: nothing is attached. Rows of one keyword are tried in
// order; the first one's gate decides whether any attaches.
struct TKeywordRule {
    TSkin3rdKeyword Keyword;
    TGate Gate;
    TAction Action;
    TCondition Also = nullptr;
};

using K = TSkin3rdKeyword;

const TKeywordRule kKeywordRules[] = {
    {K::ComboBox, On(xcCombo), Do(Plain(C::ComBox))},
    {K::Edit, On(xcEdit), Do(Plain(C::Edit)), &HasBorder},
    {K::RadioButton, On(xcRadioButton), Do(Plain(C::RadioButton))},
    {K::Panel, On(xcPanel), Do(Recoloured(C::Box), TPropertyStep::Transparent)},
    {K::TrackBar, On(xcButton), Do(Plain(C::TrackBar), TPropertyStep::Transparent)},
    {K::Button, On(xcButton), Do(Plain(C::Button))},
    {K::DateTimePicker, On(xcCombo), Do(Plain(C::DateTime))},
    {K::MediaPlayer, On(xcButton), Do(Plain(C::MediaPlayer))},
    {K::BitBtn, On(xcButton), Do(Plain(C::MenuButton)), &DropDownCxButton},
    {K::BitBtn, On(xcButton), Do(Plain(C::BitButton))},
    {K::PngBitBtn, On(xcButton), Do(Plain(C::PngBitButton))},
    {K::MenuBtn, On(xcButton), Do(Plain(C::MenuButton))},
    {K::SpeedButton, On(xcSpeedButton), Do(Plain(C::SpeedButton))},
    {K::Tab, Tabs, Do(Plain(C::Tab))},
    {K::Progress, On(xcProgress), Do(Plain(C::Progress))},
    {K::Scrollbar, On(xcScrollbar), Do(Plain(C::Scrollbar), TC::MapAfter)},
    {K::SingleScrollbar, On(xcScrollbar), Do(Plain(C::Scrollbar, 1))},
    {K::EmbedScrollbar, On(xcScrollbar), Children(TC::EmbedScrollbars)},
    {K::Container, Always, Children(TC::MapAfter)},
    {K::GroupBox, On(xcGroupBox), Do(Recoloured(C::GroupBox))},
    {K::AdvPageControl, On(xcTab), Do(Recoloured(C::AdvPage, 4))},
    {K::RadioGroup, On(xcGroupBox),
     Do(Recoloured(C::GroupBox), TC::AttachEach,
        Needing(Recoloured(C::ObjImage, 2), xcRadioButton)),
     &NameHasTrz},
    {K::RadioGroup, On(xcGroupBox),
     Do(Recoloured(C::GroupBox), TC::AttachEach, Needing(Plain(C::RadioButton), xcRadioButton))},
    {K::CheckGroup, On(xcPanel),
     Do(Needing(Recoloured(C::GroupBox), xcGroupBox), TC::AttachEach,
        Needing(Recoloured(C::ObjImage, 1), xcRadioButton)),
     &NameHasTrz},
    {K::CheckGroup, On(xcPanel),
     Do(Needing(Recoloured(C::GroupBox), xcGroupBox), TC::AttachEach,
        Needing(Plain(C::CheckBox), xcRadioButton))},
    {K::CheckBox, On(xcCheckBox), Do(Plain(C::CheckBox))},
};

// Classes that are never skinned: they paint themselves, or they are the
// design surfaces of a report designer.
constexpr std::string_view kExcluded[] = {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"};

bool GateOpen(TGate gate, const TMapSettings& settings) {
    switch (gate.Kind) {
    case TGateKind::None:
        return true;
    case TGateKind::Flag:
        return settings.Skins(gate.Flag);
    case TGateKind::Tabs:
        return settings.Tabs;
    case TGateKind::SkinFrame:
        return settings.SkinFrame;
    }
    return false;
}

bool KindMatches(const TRule& rule, const TControl& control, std::string_view upper) {
    const auto named = [&rule](auto&& test) {
        return std::any_of(rule.Names.begin(), rule.Names.end(),
                           [&test](std::string_view name) { return !name.empty() && test(name); });
    };
    switch (rule.By) {
    case TMatchBy::Anything:
        return true;
    case TMatchBy::Ancestry:
        return named(
            [&control](std::string_view name) { return control.ClassType().InheritsFrom(name); });
    case TMatchBy::ClassName:
        return named([upper](std::string_view name) { return name == upper; });
    }
    return false;
}

TAttachPlan Resolve(const TPart& part, const TMapSettings& settings) {
    if (part.Needs >= 0 && !settings.Skins(static_cast<TSkinControlType>(part.Needs)))
        return {};
    return {part.Class, part.Mode, part.KeepColor, part.ByHandle};
}

TControlPlan PlanOf(const TAction& action, const TMapSettings& settings) {
    TControlPlan plan;
    plan.Attach = Resolve(action.Attach, settings);
    plan.Children = action.Children;
    plan.EachChild = Resolve(action.EachChild, settings);
    plan.Property = action.Property;
    plan.Later = action.Later;
    return plan;
}

TControlPlan PlanSkin3rd(const TControl& control, std::string_view upper, TSkin3rdKeyword keyword,
                         const TMapSettings& settings) {
    TControlPlan plan;
    for (const TKeywordRule& rule : kKeywordRules) {
        if (rule.Keyword != keyword)
            continue;
        if (!GateOpen(rule.Gate, settings))
            break;
        if (rule.Also && !rule.Also(control, upper))
            continue;
        plan = PlanOf(rule.Action, settings);
        break;
    }
    plan.Source = TPlanSource::Skin3rd;
    plan.Keyword = keyword;
    return plan;
}

std::vector<std::string> Skin3rdBytes(const TSkinData* skinData) {
    std::vector<std::string> lines;
    if (!skinData)
        return lines;
    lines.reserve(skinData->Skin3rd().size());
    for (const std::wstring& line : skinData->Skin3rd())
        lines.push_back(WideToUtf8(line));
    return lines;
}

bool AnswersSkinned(HWND window) {
    return window && SendMessageW(window, SKINMSG_ISSKINNED, 0, 0) == 1;
}

// The window's class name as bytes; class names are ASCII, anything else
// becomes "?" and matches no rule.
std::string ClassNameOf(HWND window) {
    wchar_t name[101] = {};
    const int length = GetClassNameW(window, name, 101);
    std::string bytes;
    for (int i = 0; i < length; ++i)
        bytes.push_back(name[i] < 0x80 ? static_cast<char>(name[i]) : '?');
    return bytes;
}

// What a foreign window's child gets, by its classification.
struct TWindowAction {
    TChildWindowSkin Skin;
    TSkinClass Class;
    bool MapChildren;
    bool FaceColour;
    bool OnFirstChild;
};

constexpr TWindowAction kWindowActions[] = {
    {TChildWindowSkin::PushButton, C::Button, false, false, false},
    {TChildWindowSkin::CheckBox, C::CheckBox, false, false, false},
    {TChildWindowSkin::RadioButton, C::RadioButton, false, false, false},
    {TChildWindowSkin::ComboBox, C::ComBox, false, false, false},
    {TChildWindowSkin::FirstChildComboBox, C::ComBox, false, false, true},
    {TChildWindowSkin::SizeBox, C::Sizer, false, false, false},
    {TChildWindowSkin::Dialog, C::BoxH, true, false, false},
    {TChildWindowSkin::Panel, C::None, true, true, false},
    {TChildWindowSkin::PanelColour, C::None, false, true, false},
    {TChildWindowSkin::Progress, C::Progress, false, false, false},
    {TChildWindowSkin::Tab, C::Tab, false, false, false},
    {TChildWindowSkin::Edit, C::Edit, false, false, false},
};

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)
            children.push_back(child);
    return children;
}

} // namespace

const char* SkinClassName(TSkinClass skinClass) {
    return kFactories[IndexOf(skinClass)].Name;
}

// ---------------------------------------------------------------------------
// Decisions

TControlMap::TControlMap(TWinSkinForm& form)
    : Form_(form), Guard_(form), Settings_(SettingsOf(form)) {}

TMapSettings TControlMap::SettingsOf(const TWinSkinForm& form) {
    TMapSettings settings;
    const TSkinData* skinData = form.SkinData();
    const TSkinDefinition* skin = form.Skin();
    if (skinData) {
        settings.SkinControls = skinData->SkinControls();
        settings.DisableTag = skinData->DisableTag();
    }
    settings.Tabs = settings.Skins(xcTab) && skin && skin->Find("Tabs");
    settings.SkinFrame = form.SkinFrame();
    settings.Skin3rd = Skin3rdBytes(skinData);
    return settings;
}

TControlPlan TControlMap::PlanControl(const TControl& control, const TMapSettings& settings) {
    const std::string upper = UpperAscii(control.ClassName());
    if (const auto keyword = FindSkin3rdKeyword(settings.Skin3rd, upper))
        return PlanSkin3rd(control, upper, ParseSkin3rdKeyword(*keyword), settings);
    TControlPlan plan;
    if (std::find(std::begin(kExcluded), std::end(kExcluded), upper) != std::end(kExcluded)) {
        plan.Source = TPlanSource::Excluded;
        return plan;
    }
    for (const TRule& rule : kRules) {
        if (!KindMatches(rule, control, upper))
            continue;
        const bool open = GateOpen(rule.Gate, settings);
        if (!open && !rule.GateOffStops)
            continue;
        if (rule.Also && !rule.Also(control, upper))
            continue;
        if (open)
            plan = PlanOf(rule.Action, settings);
        plan.Source = TPlanSource::Rule;
        plan.Rule = rule.Number;
        return plan;
    }
    return plan;
}

TSkinFactory TControlMap::Factory(TSkinClass skinClass) {
    return Factories()[IndexOf(skinClass)];
}

TSkinFactory TControlMap::ReplaceFactory(TSkinClass skinClass, TSkinFactory factory) {
    const std::size_t index = IndexOf(skinClass);
    if (index == 0)
        return nullptr; // None makes nothing, whatever is asked
    return std::exchange(Factories()[index], factory);
}

// ---------------------------------------------------------------------------
// Framework controls

void TControlMap::DiscoverControls() {
    FreeDetachedObjects();
    TCustomForm* form = Form_.Control();
    if (!form)
        return;
    const std::vector<TComponent*> components = form->Components();
    // A tagged group protects its buttons wherever they stand in the list.
    for (TComponent* component : components)
        if (auto* control = dynamic_cast<TControl*>(component))
            LeftAlone(*control);
    for (TComponent* component : components) {
        // A handler may have freed a component since the list was taken.
        const auto& now = form->Components();
        if (std::find(now.begin(), now.end(), component) == now.end())
            continue;
        if (auto* control = dynamic_cast<TControl*>(component))
            MapControl(*control, form);
        if (!Alive())
            return;
    }
    // The form's own popup menus were made owner-drawn when it was attached.
    std::vector<TWinControl*> tabOrder;
    form->GetTabOrderList(tabOrder);
    std::vector<std::pair<TWinControl*, HWND>> windowed;
    for (TWinControl* control : tabOrder)
        if (control->WindowHandle() && control->Tag() != Settings_.DisableTag)
            windowed.emplace_back(control, control->WindowHandle());
    for (const auto& [control, window] : windowed) {
        // A control freed meanwhile took its window with it.
        if (TWinControl::FromHandle(window) != control || AnswersSkinned(window))
            continue;
        MapControl(*control, form);
        if (!Alive())
            return;
    }
}

void TControlMap::MapControl(TControl& control, TWinControl* container) {
    // A control that cannot be skinned (its window cannot be made, a factory
    // or the application's handler fails) stays as it is; the walk goes on.
    try {
        if (LeftAlone(control) || !control.Parent() || AlreadySkinned(control))
            return;
        const std::string upper = UpperAscii(control.ClassName());
        if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
            windowed->HandleNeeded();
            if (!windowed->WindowHandle())
                return;
        }
        if (AskApplication(control, container, upper) || !Alive())
            return;
        Carry(control, PlanControl(control, Settings_));
    } catch (...) {
        // Whatever the handler throws: the application's code may throw
        // anything, and one control must not stop the walk.
        NoteStoppedException();
    }
}

bool TControlMap::LeftAlone(TControl& control) {
    if (control.Tag() != Settings_.DisableTag)
        return false;
    // A radio or check group asked to be left alone keeps its buttons
    // unskinned too.
    const std::string lower = LowerAscii(control.ClassName());
    auto* group = dynamic_cast<TWinControl*>(&control);
    if (group && (lower.find("radiogroup") != std::string::npos ||
                  lower.find("checkgroup") != std::string::npos))
        for (TControl* child : group->Controls())
            child->SetTag(Settings_.DisableTag);
    return true;
}

bool TControlMap::AlreadySkinned(const TControl& control) const {
    if (const HWND window = WindowOf(control))
        return Form_.FindControlObject(window) || AnswersSkinned(window);
    // A control without a window is known by the object it owns.
    const auto& objects = Form_.ControlObjects();
    return std::any_of(objects.begin(), objects.end(), [&control](const TSkinControl* object) {
        return object->Owner() == &control;
    });
}

bool TControlMap::AskApplication(TControl& control, TWinControl* container,
                                 const std::string& upper) {
    TSkinData* skinData = Form_.SkinData();
    if (!skinData || !skinData->OnSkinControl)
        return false;
    TComponent* answer = nullptr;
    skinData->OnSkinControl(&Form_, skinData, container, &control, Utf8ToWide(upper), answer);
    if (!Alive())
        return true;
    if (!answer)
        return false;
    auto* object = dynamic_cast<TSkinControl*>(answer);
    if (!object) {
        // Not a skinning object: one nobody owns is ours to free, and the
        // built-in rules decide as if the handler had given nothing.
        if (!answer->Owner())
            delete answer;
        return false;
    }
    // The object attaches to its owner and must die with the control; one
    // made without an owner, or with another, is handed to the control.
    if (object->Owner() != &control) {
        if (object->Owner())
            object->Owner()->RemoveComponent(object);
        control.InsertComponent(object);
    }
    const auto& objects = Form_.ControlObjects();
    if (std::find(objects.begin(), objects.end(), object) != objects.end())
        return true;
    object->AttachControl(&Form_, skinData, object->KeepColor());
    if (Alive() && control.ClassType().InheritsFrom("TCustomPanel"))
        MapChildren(control, dynamic_cast<TWinControl*>(&control));
    return true;
}

void TControlMap::Carry(TControl& control, const TControlPlan& plan) {
    auto* self = dynamic_cast<TWinControl*>(&control);
    if (plan.Property == TPropertyStep::Transparent)
        SetPropText(&control, "Transparent", L"True");
    else if (plan.Property == TPropertyStep::Flat)
        SetPropText(&control, "Flat", L"True");
    if (plan.Later == TLaterStep::ToolbarPainters)
        if (auto* bar = dynamic_cast<TToolBar*>(&control))
            Form_.AdoptToolBar(*bar);
    if (plan.Later == TLaterStep::PopupMenus)
        Form_.SkinOwnedPopupMenus(control);
    // The menus a control carries (its popup menu, a tool bar's drop-down
    // menus) are drawn like the form's own, whatever skins the control.
    Form_.SkinControlMenus(control);
    if (plan.Later == TLaterStep::BandColours)
        if (auto* bar = dynamic_cast<TCoolBar*>(&control))
            Form_.AdoptCoolBar(*bar);
    switch (plan.Children) {
    case TChildStep::MapFirst:
        MapChildren(control, self);
        break;
    case TChildStep::AttachEach:
    case TChildStep::EmbedScrollbars:
        AttachToChildren(control, plan);
        break;
    default:
        break;
    }
    if (!Alive())
        return;
    Attach(control, plan.Attach);
    switch (plan.Children) {
    case TChildStep::MapAfter:
        MapChildren(control, self);
        break;
    case TChildStep::MapAfterUncontained:
        MapChildren(control, nullptr);
        break;
    case TChildStep::MapComponents:
        MapOwnedControls(control);
        break;
    default:
        break;
    }
}

void TControlMap::MapChildren(TControl& control, TWinControl* container) {
    auto* parent = dynamic_cast<TWinControl*>(&control);
    if (!parent)
        return;
    const std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) {
        const auto& now = parent->Controls();
        if (std::find(now.begin(), now.end(), child) == now.end())
            continue;
        MapControl(*child, container);
        if (!Alive())
            return;
    }
}

void TControlMap::MapOwnedControls(TControl& control) {
    auto* container = dynamic_cast<TWinControl*>(&control);
    const std::vector<TComponent*> owned = control.Components();
    for (TComponent* component : owned) {
        const auto& now = control.Components();
        if (std::find(now.begin(), now.end(), component) == now.end())
            continue;
        if (auto* child = dynamic_cast<TControl*>(component))
            MapControl(*child, container);
        if (!Alive())
            return;
    }
}

void TControlMap::AttachToChildren(TControl& control, const TControlPlan& plan) {
    auto* parent = dynamic_cast<TWinControl*>(&control);
    if (!parent)
        return;
    const std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) {
        // A child asked to be left alone, or skinned already, is not
        // skinned again by its group.
        if (child->Tag() == Settings_.DisableTag || AlreadySkinned(*child))
            continue;
        TAttachPlan childPlan = plan.EachChild;
        if (plan.Children == TChildStep::EmbedScrollbars) {
            childPlan = {};
            if (IsScrollBarControl(*child))
                childPlan.Class = TSkinClass::ScControl;
            else if (HasScrollStyle(*child, {}))
                childPlan.Class = TSkinClass::Scrollbar;
        }
        Attach(*child, childPlan);
        if (!Alive())
            return;
    }
}

void TControlMap::Attach(TControl& control, const TAttachPlan& plan) {
    const TSkinFactory factory = Factory(plan.Class);
    if (!factory)
        return;
    const TAttachRequest request{Form_,    Form_.SkinData(), &control,       WindowOf(control),
                                 &control, plan.Mode,        plan.KeepColor, plan.ByHandle};
    if (plan.ByHandle && !request.Window)
        return;
    factory(request);
}

// ---------------------------------------------------------------------------
// Foreign windows

void TControlMap::DiscoverChildWindows() {
    FreeDetachedObjects();
    MapChildWindows(Form_.Handle());
}

void TControlMap::MapChildWindows(HWND parent) {
    // Attaching may add windows (scroll-bar overlays); the walk covers the
    // children there were when it began.
    for (HWND child : ChildWindows(parent)) {
        if (!IsWindow(child))
            continue;
        try {
            MapWindow(child);
        } catch (...) {
            NoteStoppedException();
        }
        if (!Alive())
            return;
    }
}

void TControlMap::MapWindow(HWND window) {
    if (!window || Form_.FindControlObject(window) || AnswersSkinned(window))
        return;
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    const TChildWindowSkin skin = ClassifyChildWindow(ClassNameOf(window), style);
    const auto* action = std::find_if(std::begin(kWindowActions), std::end(kWindowActions),
                                      [skin](const TWindowAction& a) { return a.Skin == skin; });
    if (action == std::end(kWindowActions))
        return;
    if (action->MapChildren)
        MapChildWindows(window);
    if (!Alive())
        return;
    if (action->FaceColour)
        GiveFaceColour(window);
    if (!action->OnFirstChild) {
        AttachWindow(window, action->Class);
        return;
    }
    const HWND first = GetWindow(window, GW_CHILD);
    if (first && !Form_.FindControlObject(first) && !AnswersSkinned(first))
        AttachWindow(first, action->Class);
}

void TControlMap::AttachWindow(HWND window, TSkinClass skinClass) {
    const TSkinFactory factory = Factory(skinClass);
    if (!factory)
        return;
    factory({Form_, Form_.SkinData(), nullptr, window, &Form_, 0, false, true});
}

void TControlMap::GiveFaceColour(HWND window) {
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control)
        return;
    const TSkinDefinition* skin = Form_.Skin();
    control->SetColor(
        static_cast<TColor>(skin ? skin->Colours.ButtonFace : TSkinColours{}.ButtonFace));
}

// ---------------------------------------------------------------------------
// Upkeep

void TControlMap::FreeDetachedObjects() {
    std::vector<TSkinControl*> detached;
    for (TSkinControl* object : Form_.ControlObjects())
        if (object->LifeState() == TControlLife::Destroyed)
            detached.push_back(object);
    // Each leaves the form's list as it is freed.
    for (TSkinControl* object : detached)
        delete object;
}

void TControlMap::ReskinControl(HWND window) {
    TSkinControl* old = Form_.FindControlObject(window);
    if (!old)
        return;
    old->Detach();
    delete old;
    // The rules choose the class the old object was of again, now with the
    // control's present state (a list view stays a list view).
    if (TWinControl* control = TWinControl::FromHandle(window))
        MapControl(*control, Form_.Control());
    else
        MapWindow(window);
}

} // namespace veyra
