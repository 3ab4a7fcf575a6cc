#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CoolBar.h"
#include "framework/CustomForm.h"
#include "framework/PageControl.h"
#include "framework/Panel.h"
#include "framework/PropAccess.h"
#include "framework/TabSheet.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

namespace veyra {
namespace {

// A control of any class the map knows: its class record names it and its
// ancestors, so rules by ancestry or by class name see the class they are
// written for though the framework does not build it.
template <class Base> class TProbeOf : public Base {
public:
    TProbeOf(TComponent* owner, const TClassInfo& cls) : Base(owner), Class_(&cls) {}
    const TClassInfo& ClassType() const override { return *Class_; }

private:
    const TClassInfo* Class_;
};

// A windowed one, with the properties the rules read and write.
class TMapProbe : public TProbeOf<TWinControl> {
public:
    using TProbeOf::TProbeOf;
    int Style = 0; // tsTabs, tsButtons, tsFlatButtons
    int Kind = 0;  // dtkDate, dtkTime, cxbkStandard, cxbkDropDownButton
    int NumButtons = -1;
    bool Transparent = false;
    bool Flat = false;
    DWORD ExtraStyle = 0;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style |= ExtraStyle;
    }
};

std::vector<TPropInfo> ProbeProperties() {
    using P = TMapProbe;
    return TPropertyList<P>()
        .Enum(
            "Style", {"tsTabs", "tsButtons", "tsFlatButtons"}, [](const P& p) { return p.Style; },
            [](P& p, int v) { p.Style = v; })
        .Enum(
            "Kind", {"dtkDate", "dtkTime", "cxbkStandard", "cxbkDropDownButton"},
            [](const P& p) { return p.Kind; }, [](P& p, int v) { p.Kind = v; })
        .Integer(
            "NumButtons", [](const P& p) { return p.NumButtons; },
            [](P& p, int v) { p.NumButtons = v; })
        .Bool(
            "Transparent", [](const P& p) { return p.Transparent; },
            [](P& p, bool v) { p.Transparent = v; })
        .Bool(
            "Flat", [](const P& p) { return p.Flat; }, [](P& p, bool v) { p.Flat = v; })
        .Take();
}

// The class record of names[0], whose ancestors are names[1...], then
// TWinControl (or TControl). Made once per leaf name.
const TClassInfo& Lineage(const std::vector<std::string>& names, bool windowed = true) {
    static std::vector<std::unique_ptr<TClassInfo>> records;
    static std::map<std::string, const TClassInfo*> leaves;
    if (const auto it = leaves.find(names.front()); it != leaves.end())
        return *it->second;
    const TClassInfo* parent = windowed ? &TWinControl::StaticClass() : &TControl::StaticClass();
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        const bool leaf = std::next(it) == names.rend();
        records.push_back(std::make_unique<TClassInfo>(
            *it, parent, leaf && windowed ? ProbeProperties() : std::vector<TPropInfo>{}));
        parent = records.back().get();
    }
    return *(leaves[names.front()] = parent);
}

TMapProbe* Probe(TComponent* owner, TWinControl* parent, const std::vector<std::string>& lineage,
                 const std::string& name) {
    auto* probe = new TMapProbe(owner, Lineage(lineage));
    probe->SetName(name);
    probe->SetBounds(0, 0, 60, 20);
    probe->SetParent(parent);
    return probe;
}

// An attach in words: "TSkinObjImage mode 2 recoloured".
std::string Describe(TSkinClass skinClass, int mode, bool keepColor, bool byHandle) {
    std::string text = skinClass == TSkinClass::None ? "nothing" : SkinClassName(skinClass);
    if (mode)
        text += " mode " + std::to_string(mode);
    return text + (keepColor ? " recoloured" : "") + (byHandle ? " by handle" : "");
}
std::string Describe(const TAttachPlan& a) {
    return Describe(a.Class, a.Mode, a.KeepColor, a.ByHandle);
}

// The plan in a line: "rule 31: TSkinBox recoloured / children first".
std::string Describe(const TControlPlan& plan) {
    const char* sources[] = {"none", "skin3rd", "excluded", "rule"};
    std::string text = sources[static_cast<int>(plan.Source)];
    if (plan.Source == TPlanSource::Rule)
        text += " " + std::to_string(plan.Rule);
    text += ": " + Describe(plan.Attach);
    const char* children[] = {"",
                              " / children first",
                              " / children after",
                              " / children after, no container",
                              " / owned controls after",
                              " / each child ",
                              " / embedded scroll bars"};
    text += children[static_cast<int>(plan.Children)];
    if (plan.Children == TChildStep::AttachEach)
        text += Describe(plan.EachChild);
    const char* properties[] = {"", " / Transparent", " / Flat"};
    text += properties[static_cast<int>(plan.Property)];
    if (plan.Later != TLaterStep::None)
        text += " / later";
    return text;
}

constexpr DWORD kNoWindow = 0xFFFFFFFF;

// What differs from the defaults in one case of the plan table.
struct TTweak {
    std::uint32_t Off = 0; // SkinControls flags switched off
    bool NoTabs = false;
    bool NoFrame = false;
    int Style = 0;
    int Kind = 0;
    int NumButtons = -1;
    DWORD Window = kNoWindow; // the probe gets a window with these extra styles
    bool Graphic = false;
};

struct TPlanCase {
    std::vector<std::string> Lineage;
    TTweak Tweak;
    const char* Plan;
};

TEST(ControlMapTest, PlansFollowSkin3rdThenExclusionsThenTheFirstMatchingRule) {
    TForm host(nullptr);
    host.SetBounds(0, 0, 300, 200);
    const TPlanCase cases[] = {
        {{"TProbePages", "TPageControl"}, {}, "rule 1: TSkinTab"},
        {{"TProbePages"}, {.Style = 1}, "rule 1: TSkinTabBtn"},
        {{"TProbePages"}, {.NoTabs = true}, "none: nothing"},
        {{"TProbeTabs", "TTabControl", "TCustomTabControl"}, {}, "rule 1: TSkinTab mode 2"},
        {{"TProbeMenuBar", "TCustomActionMenuBar"}, {}, "rule 2: nothing / later"},
        {{"TProbeMenuBar"}, {.NoFrame = true}, "none: nothing"},
        {{"TMvcPanel", "TCustomPanel"}, {}, "rule 7: nothing / children after"},
        {{"TProbeCheck", "TCheckBox", "TCustomCheckBox"}, {}, "rule 9: TSkinCheckBox"},
        {{"TProbeCheck"}, {.Off = Bit(xcCheckBox)}, "none: nothing"},
        {{"TProbeRadioGroup", "TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox"},
         {},
         "rule 13: TSkinGroupBox recoloured / each child TSkinRadioButton"},
        {{"TDBNavigator", "TCustomPanel"},
         {},
         "rule 14: TSkinBox recoloured / children after, no container"},
        {{"TRzCheckBox"}, {}, "rule 15: TSkinObjImage mode 1 recoloured"},
        {{"TProbeGroupBox", "TGroupBox", "TCustomGroupBox"},
         {},
         "rule 18: TSkinGroupBox / children first"},
        {{"TProbeToolBar", "TToolBar"}, {}, "rule 20: TSkinBox / Flat / later"},
        {{"TProbeDate", "TDateTimePicker"}, {}, "rule 26: TSkinDateTime"},
        {{"TProbeDate"}, {.Kind = 1}, "rule 26: TSkinEdit"},
        {{"TProbeBitBtn", "TBitBtn", "TButton"}, {}, "rule 29: TSkinBitButton"},
        {{"TProbeBitBtn"}, {.Off = Bit(xcBitBtn)}, "rule 29: nothing"},
        {{"TProbeSpeed", "TSpeedButton"}, {.Graphic = true}, "rule 30: TSkinSpeedButton"},
        {{"TProbePanel", "TPanel", "TCustomPanel"},
         {},
         "rule 31: TSkinBox recoloured / children first"},
        {{"TProbeMemo", "TMemo", "TCustomMemo", "TCustomEdit"}, {}, "rule 34: TSkinScrollbar"},
        {{"TProbeMemo"}, {.Off = Bit(xcScrollbar)}, "rule 37: TSkinEdit"},
        {{"TProbeScrolled"}, {.Window = WS_VSCROLL}, "rule 35: TSkinScrollbar"},
        {{"TProbePlain"}, {.Window = 0}, "none: nothing"},
        {{"TProbeButton", "TButton"}, {}, "rule 36: TSkinButton"},
        {{"TProbeFrame", "TFrame", "TCustomFrame"},
         {},
         "rule 38: nothing / owned controls after / later"},
        {{"TProbeEmbedded", "TForm", "TCustomForm"},
         {},
         "rule 38: TSkinBox recoloured / owned controls after"},
        {{"TDcEdit"}, {.NumButtons = 1}, "rule 39: TSkinComBox"},
        {{"TDcEdit"}, {.NumButtons = 0}, "rule 39: TSkinEdit by handle"},
        {{"TDcEdit"}, {.Off = Bit(xcCombo), .NumButtons = 1}, "none: nothing"},
        {{"TDBComboBoxEh", "TCustomComboBox"}, {}, "excluded: nothing"},
        // Skin3rd lines decide before every rule, even when they attach nothing.
        {{"TProbeNil", "TCheckBox"}, {}, "skin3rd: nothing"},
        {{"TProbeOffCombo", "TButton"}, {.Off = Bit(xcCombo)}, "skin3rd: nothing"},
        {{"TProbeEnds", "TCheckBox"}, {}, "rule 9: TSkinCheckBox"},
        {{"TProbeUnknown", "TButton"}, {}, "skin3rd: nothing"},
        {{"TProbeTransparent"}, {}, "skin3rd: TSkinBox recoloured / Transparent"},
        {{"TRzProbeGroup"},
         {},
         "skin3rd: TSkinGroupBox recoloured / each child TSkinObjImage mode 2 recoloured"},
        {{"TRzProbeGroup"},
         {.Off = Bit(xcRadioButton)},
         "skin3rd: TSkinGroupBox recoloured / each child nothing"},
        {{"TProbeRadios"}, {}, "skin3rd: TSkinGroupBox recoloured / each child TSkinRadioButton"},
        {{"TProbeChecks"}, {.Off = Bit(xcGroupBox)}, "skin3rd: nothing / each child TSkinCheckBox"},
        {{"TProbeBordered"}, {.Window = WS_BORDER}, "skin3rd: TSkinEdit"},
        {{"TProbeBordered"}, {.Window = 0}, "skin3rd: nothing"},
        {{"TcxButton"}, {.Kind = 3}, "skin3rd: TSkinMenuButton"},
        {{"TProbeEmbed"}, {}, "skin3rd: nothing / embedded scroll bars"},
        {{"TProbeTab3rd"}, {}, "skin3rd: TSkinTab"},
        {{"TProbeTab3rd"}, {.NoTabs = true}, "skin3rd: nothing"},
        {{"TProbeSingle"}, {}, "skin3rd: TSkinScrollbar mode 1"},
    };
    for (const TPlanCase& c : cases) {
        SCOPED_TRACE(c.Lineage.front() + " expecting " + c.Plan);
        TMapSettings settings;
        settings.SkinControls = ~c.Tweak.Off;
        settings.Tabs = !c.Tweak.NoTabs;
        settings.SkinFrame = !c.Tweak.NoFrame;
        settings.Skin3rd = {"TMyTProbeEnds=button",        "TProbeNil=nil",
                            "TProbeOffCombo=combobox",     "TProbeUnknown=gizmo",
                            "TProbeTransparent=Panel",     "TRzProbeGroup=Radiogroup",
                            "TProbeRadios=radiogroup",     "TProbeChecks=CheckGroup",
                            "TProbeBordered=edit",         "TcxButton=bitbtn",
                            "TProbeEmbed=embedscrollbar",  "TProbeTab3rd=tab",
                            "TProbeSingle=singlescrollbar"};
        if (c.Tweak.Graphic) {
            TProbeOf<TControl> graphic(nullptr, Lineage(c.Lineage, false));
            EXPECT_EQ(Describe(TControlMap::PlanControl(graphic, settings)), c.Plan);
            continue;
        }
        TMapProbe probe(nullptr, Lineage(c.Lineage));
        probe.Style = c.Tweak.Style;
        probe.Kind = c.Tweak.Kind;
        probe.NumButtons = c.Tweak.NumButtons;
        if (c.Tweak.Window != kNoWindow) {
            probe.ExtraStyle = c.Tweak.Window;
            probe.SetBounds(0, 0, 60, 20);
            probe.SetParent(&host);
            probe.HandleNeeded();
            ASSERT_NE(probe.WindowHandle(), nullptr);
        }
        EXPECT_EQ(Describe(TControlMap::PlanControl(probe, settings)), c.Plan);
    }
    // The viewer's own page control and its pages.
    TMapSettings settings;
    settings.SkinControls = ~0u;
    settings.Tabs = true;
    TPageControl pages(nullptr);
    TTabSheet sheet(nullptr);
    EXPECT_EQ(Describe(TControlMap::PlanControl(pages, settings)), "rule 1: TSkinTab");
    EXPECT_EQ(Describe(TControlMap::PlanControl(sheet, settings)), "rule 5: TSkinTabSheet");
}

// ---------------------------------------------------------------------------
// Carrying plans out

// A skinning object that counts the living ones.
class TTestSkin : public TSkinControl {
public:
    explicit TTestSkin(TComponent* owner) : TSkinControl(owner) { ++Living; }
    ~TTestSkin() override { --Living; }
    static inline int Living = 0;
};

struct TAttachRecord {
    TSkinClass Class;
    TAttachRequest Request;
};
std::vector<TAttachRecord> Records;

template <TSkinClass Class> TSkinControl* Record(const TAttachRequest& request) {
    Records.push_back({Class, request});
    return AttachAs<TTestSkin>(request);
}

template <std::size_t... I>
constexpr std::array<TSkinFactory, sizeof...(I)> Recorders(std::index_sequence<I...>) {
    return {&Record<static_cast<TSkinClass>(I)>...};
}

// Every skin class is built, as a TTestSkin that records its attach.
class TRecordingFactories {
public:
    TRecordingFactories() {
        Records.clear();
        const auto recorders =
            Recorders(std::make_index_sequence<static_cast<std::size_t>(TSkinClass::Count)>());
        for (std::size_t i = 1; i < recorders.size(); ++i)
            Previous_[i] = TControlMap::ReplaceFactory(static_cast<TSkinClass>(i), recorders[i]);
    }
    ~TRecordingFactories() {
        for (std::size_t i = 1; i < Previous_.size(); ++i)
            TControlMap::ReplaceFactory(static_cast<TSkinClass>(i), Previous_[i]);
    }

private:
    std::array<TSkinFactory, static_cast<std::size_t>(TSkinClass::Count)> Previous_{};
};

// "TSkinCheckBox Check recoloured": the class, then the control's name or
// the window's class name.
std::vector<std::string> Attaches() {
    std::vector<std::string> lines;
    for (const auto& [skinClass, r] : Records) {
        char name[64] = {};
        if (!r.Control)
            GetClassNameA(r.Window, name, sizeof name);
        const std::string who = r.Control ? r.Control->Name() : name;
        const std::string skin = SkinClassName(skinClass);
        lines.push_back(skin + " " + who +
                        Describe(skinClass, r.Mode, r.KeepColor, r.ByHandle).substr(skin.size()));
    }
    return lines;
}

const std::vector<std::string> kCheckBox = {"TProbeCheck", "TCheckBox", "TCustomCheckBox"};
const std::vector<std::string> kPanel = {"TProbePanel", "TPanel", "TCustomPanel"};
const std::vector<std::string> kRadioGroup = {"TProbeRadioGroup", "TRadioGroup",
                                              "TCustomRadioGroup", "TCustomGroupBox"};

// The background the rebar paints band on; CLR_NONE when it does not answer.
COLORREF BandBack(TCoolBar& bar, int band) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_COLORS;
    if (!SendMessageW(bar.WindowHandle(), RB_GETBANDINFOW, band, reinterpret_cast<LPARAM>(&info)))
        return CLR_NONE;
    return info.clrBack;
}

class ControlMapFormTest : public testing::Test {
protected:
    std::unique_ptr<TSkinDefinition> Skin = test::MakeTestSkin();
    TRecordingFactories Factories;
};

TEST_F(ControlMapFormTest, FrameworkControlsAreSkinnedOnceInTheOrderTheirRulesSay) {
    TSkinData data(nullptr);
    data.SetSkin3rd({L"TProbeNil=nil", L"TProbeTransparent=Panel"});
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    // The button is listed before the tagged group that will hold it.
    const int living = TTestSkin::Living;
    TMapProbe* shielded = Probe(&form, &form, {"TProbeRadio", "TRadioButton"}, "Shielded");
    TMapProbe* tagged = Probe(&form, &form, kRadioGroup, "Tagged");
    tagged->SetTag(99);
    shielded->SetParent(tagged);
    TMapProbe* panel = Probe(&form, &form, kPanel, "Panel");
    TMapProbe* check = Probe(&form, panel, kCheckBox, "Check");
    Probe(&form, panel, {"TProbeNil", "TCheckBox"}, "Nil");
    TMapProbe* group = Probe(&form, &form, kRadioGroup, "Group");
    Probe(&form, group, {"TProbeRadio"}, "Radio1");
    Probe(&form, group, {"TProbeRadio"}, "Radio2")->SetTag(99);
    TMapProbe* transparent = Probe(&form, &form, {"TProbeTransparent"}, "Transparent");
    TMapProbe* toolBar = Probe(&form, &form, {"TProbeToolBar", "TToolBar"}, "ToolBar");
    TMapProbe* dcEdit = Probe(&form, &form, {"TDcEdit"}, "DcEdit");
    dcEdit->NumButtons = 0;
    // A cool bar gets no object of its own: its bands take the face colour
    // (the form's component list still reaches the control in a band) and
    // have their own back at skin-off.
    auto* coolBar = new TCoolBar(&form);
    coolBar->SetParent(&form);
    auto* banded = new TPanel(&form);
    banded->SetName("Banded");
    coolBar->AddBand(banded, L"Quotes");
    coolBar->AddBand(nullptr, L"Empty");
    const TColor ownBand = static_cast<TColor>(RGB(200, 40, 120));
    coolBar->SetBandColor(0, ownBand);
    auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(&data, &form);

    TControlMap(*skinned).DiscoverControls();
    const std::vector<std::string> expected = {"TSkinCheckBox Check",
                                               "TSkinBox Panel recoloured",
                                               "TSkinRadioButton Radio1",
                                               "TSkinGroupBox Group recoloured",
                                               "TSkinBox Transparent recoloured",
                                               "TSkinBox ToolBar",
                                               "TSkinEdit DcEdit by handle",
                                               "TSkinBox Banded recoloured"};
    EXPECT_EQ(Attaches(), expected);
    EXPECT_EQ(shielded->Tag(), 99) << "the tagged group passed its tag on";
    EXPECT_TRUE(transparent->Transparent);
    EXPECT_TRUE(toolBar->Flat);
    for (int band = 0; band < 2; ++band)
        EXPECT_EQ(BandBack(*coolBar, band), test::Ref(Skin->Colours.ButtonFace)) << "band " << band;
    const TAttachRequest& byHandle = Records[expected.size() - 2].Request;
    EXPECT_EQ(byHandle.Window, dcEdit->WindowHandle());
    EXPECT_EQ(byHandle.Owner, dcEdit);
    ASSERT_EQ(skinned->ControlObjects().size(), expected.size());
    EXPECT_EQ(TTestSkin::Living - living, static_cast<int>(expected.size()));
    EXPECT_EQ(SendMessageW(check->WindowHandle(), SKINMSG_ISSKINNED, 0, 0), 1);

    TControlMap(*skinned).DiscoverControls();
    EXPECT_EQ(Attaches(), expected) << "a second discovery skins nothing twice";

    // The check box's object is replaced by one the rules choose again.
    TControlMap(*skinned).ReskinControl(check->WindowHandle());
    EXPECT_EQ(Records.size(), expected.size() + 1);
    EXPECT_EQ(Attaches().back(), "TSkinCheckBox Check");
    EXPECT_EQ(TTestSkin::Living - living, static_cast<int>(expected.size()))
        << "the old object was freed";
    EXPECT_EQ(skinned->ControlObjects().size(), expected.size());
    EXPECT_EQ(skinned->FindControlObject(check->WindowHandle())->Owner(), check);

    skinned->Unskin();
    EXPECT_EQ(BandBack(*coolBar, 0), ColorToRGB(ownBand));
    EXPECT_EQ(BandBack(*coolBar, 1), ColorToRGB(clBtnFace));
}

// A component that says when it is freed.
class TWatched : public TComponent {
public:
    explicit TWatched(bool& freed) : TComponent(nullptr), Freed_(freed) {}
    ~TWatched() override { Freed_ = true; }

private:
    bool& Freed_;
};

TEST_F(ControlMapFormTest, ApplicationObjectsAreOwnedByTheirControlAndOthersFreed) {
    TSkinData data(nullptr);
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TMapProbe* own = Probe(&form, &form, kCheckBox, "Own");
    TMapProbe* other = Probe(&form, &form, kCheckBox, "Other");
    TMapProbe* panel = Probe(&form, &form, kPanel, "Panel");
    TMapProbe* inner = Probe(panel, panel, kCheckBox, "Inner");
    bool freed = false;
    int asked = 0;
    TTestSkin* given = nullptr;
    std::vector<TControl*> containers;
    data.OnSkinControl = [&](TComponent*, TSkinData*, TControl* container, TControl* control,
                             const std::wstring& className, TComponent*& skinned) {
        ++asked;
        if (control == own) {
            EXPECT_EQ(className, L"TPROBECHECK");
        }
        containers.push_back(container);
        if (control == own || control == panel)
            skinned = given = new TTestSkin(control == panel ? &form : nullptr);
        else if (control == other)
            skinned = new TWatched(freed);
    };
    auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(&data, &form);

    TControlMap(*skinned).DiscoverControls();
    TControlMap(*skinned).DiscoverControls();
    EXPECT_EQ(asked, 4) << "each control is asked for once";
    EXPECT_TRUE(freed) << "an unowned answer that is no skinning object is freed";
    EXPECT_EQ(Attaches(), (std::vector<std::string>{"TSkinCheckBox Other", "TSkinCheckBox Inner"}))
        << "the rules decide after an answer that is no skinning object";
    TSkinControl* ownSkin = skinned->FindControlObject(own->WindowHandle());
    ASSERT_NE(ownSkin, nullptr);
    EXPECT_EQ(ownSkin->Owner(), own);
    EXPECT_TRUE(ownSkin->Attached());
    EXPECT_EQ(given->Owner(), panel) << "an object owned elsewhere moves to its control";
    EXPECT_EQ(given->Control(), panel);
    EXPECT_NE(skinned->FindControlObject(inner->WindowHandle()), nullptr)
        << "a panel the application skinned has its children mapped";
    EXPECT_EQ(containers.back(), panel);
    EXPECT_EQ(skinned->ControlObjects().size(), 4u);
}

TEST_F(ControlMapFormTest, ForeignChildWindowsGoByClassAndStyle) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_TREEVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    test::TTestWindow window(WS_OVERLAPPEDWINDOW);
    const auto child = [](const wchar_t* cls, DWORD style, HWND parent) {
        const HWND made = CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 60,
                                          parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(made, nullptr) << "cannot make a " << cls;
        return made;
    };
    const HWND top = window.Handle();
    child(L"Button", BS_PUSHBUTTON, top);
    child(L"Button", BS_AUTOCHECKBOX, top);
    child(L"Button", BS_AUTORADIOBUTTON, top);
    child(L"Button", BS_GROUPBOX, top);
    child(L"Button", BS_OWNERDRAW, top);
    child(L"Button", BS_PUSHBUTTON | BS_BITMAP, top);
    child(WC_TREEVIEWW, 0, top);
    child(L"ComboBox", CBS_SIMPLE, top);
    child(L"ComboBox", CBS_DROPDOWNLIST, top);
    const HWND comboEx = child(WC_COMBOBOXEXW, CBS_DROPDOWNLIST, top);
    child(L"ScrollBar", SBS_SIZEGRIP, top);
    child(L"ScrollBar", SBS_VERT, top);
    child(WC_TABCONTROLW, 0, top);
    child(WC_TABCONTROLW, TCS_OWNERDRAWFIXED, top);
    const HWND edit = child(L"Edit", WS_BORDER, top);
    const HWND dialog = child(L"#32770", 0, top);
    child(L"Button", BS_PUSHBUTTON, dialog);
    // A framework panel in a foreign window only takes the face colour.
    TForm host(nullptr);
    TMapProbe* panel = Probe(&host, &host, {"TSilentPaintPanel"}, "Panel");
    panel->HandleNeeded();
    SetParent(panel->WindowHandle(), top);
    auto skinned = std::make_unique<TWinSkinForm>(nullptr, top, test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->InitSkin(nullptr);

    TControlMap(*skinned).DiscoverChildWindows();
    std::vector<std::string> seen = Attaches();
    const auto innerButton = std::find_if(Records.begin(), Records.end(), [dialog](auto& r) {
        return GetParent(r.Request.Window) == dialog;
    });
    const auto dialogBox = std::find_if(Records.begin(), Records.end(),
                                        [dialog](auto& r) { return r.Request.Window == dialog; });
    EXPECT_LT(innerButton, dialogBox) << "a dialog's own children come first";
    std::sort(seen.begin(), seen.end());
    const std::vector<std::string> expected = {
        "TSkinBoxH #32770 by handle",     "TSkinButton Button by handle",
        "TSkinButton Button by handle",   "TSkinCheckBox Button by handle",
        "TSkinComBox ComboBox by handle", "TSkinComBox ComboBox by handle",
        "TSkinEdit Edit by handle",       "TSkinRadioButton Button by handle",
        "TSkinSizer ScrollBar by handle", "TSkinTab SysTabControl32 by handle"};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(std::any_of(Records.begin(), Records.end(), [comboEx](auto& r) {
        return GetParent(r.Request.Window) == comboEx;
    })) << "the extended combo box's own combo box is skinned";
    for (const TAttachRecord& r : Records)
        EXPECT_EQ(r.Request.Owner, skinned.get());
    EXPECT_EQ(panel->Color(), static_cast<TColor>(Skin->Colours.ButtonFace));

    TControlMap(*skinned).DiscoverChildWindows();
    EXPECT_EQ(Records.size(), expected.size()) << "nothing is skinned twice";

    // An object whose window is gone is freed at the next discovery.
    const int living = TTestSkin::Living;
    DestroyWindow(edit);
    TControlMap(*skinned).DiscoverChildWindows();
    EXPECT_EQ(TTestSkin::Living, living - 1);
    EXPECT_EQ(skinned->FindControlObject(edit), nullptr);
    EXPECT_EQ(skinned->ControlObjects().size(), expected.size() - 1);
}

} // namespace
} // namespace veyra
