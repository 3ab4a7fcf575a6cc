#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/WinControl.h"
#include "skin/component/SkinData.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/ControlRules.h"
#include "skin/form/SkinWindow.h"

namespace veyra {

class TWinSkinForm;

// The control skinning classes the map chooses from.
enum class TSkinClass : std::uint8_t {
    None,
    Tab,
    TabBtn,
    Tab31,
    TabSheet,
    AdvPage,
    UpDown,
    Header,
    CheckBox,
    RadioButton,
    GroupBox,
    Box,
    BoxH,
    Sizer,
    ObjImage,
    TrackBar,
    MediaPlayer,
    StatusBar,
    Progress,
    ScControl,
    ComBox,
    Edit,
    DateTime,
    Scrollbar,
    ListView,
    Button,
    BitButton,
    PngBitButton, // a TSkinBitButton that takes its glyph from "PngImage"
    MenuButton,
    SpeedButton,
    Count
};

// The class a TSkinClass stands for, for example "TSkinTab"; "" for None.
const char* SkinClassName(TSkinClass skinClass);

// One attach the map asks of a factory.
struct TAttachRequest {
    TWinSkinForm& Form;
    TSkinData* SkinData;
    // The framework control skinned, or null for a bare window.
    TControl* Control;
    // The window skinned (the control's, when it has one).
    HWND Window;
    // What frees the object: the control, or the form object for a bare window.
    TComponent* Owner;
    int Mode;
    bool KeepColor;
    // Attach to the window (AttachHandle) even when a framework control owns it.
    bool ByHandle;
};

// Makes one object of a skin class, owned by request.Owner, and attaches it
// the way that class attaches. Answers the object, or null when nothing was
// attached.
using TSkinFactory = TSkinControl* (*)(const TAttachRequest& request);

// The factory of a class that attaches the common way: AttachControl to a
// windowed framework control, AttachHandle to a bare window. A control
// without a window gets nothing from it.
template <class T> TSkinControl* AttachAs(const TAttachRequest& request) {
    const bool byHandle = request.ByHandle || !request.Control;
    if (!byHandle && !request.Control->Is<TWinControl>())
        return nullptr;
    auto* object = new T(request.Owner);
    object->SetMode(request.Mode);
    if (byHandle)
        object->AttachHandle(request.Window, request.SkinData, &request.Form);
    else
        object->AttachControl(&request.Form, request.SkinData, request.KeepColor);
    // The variant the rule chose outlasts the base's own marks (it notes a
    // switched-off ParentBackground in Mode).
    if (request.Mode != 0)
        object->SetMode(request.Mode);
    return object;
}

// One attach as decided: the class, its variant and whether it recolours.
struct TAttachPlan {
    TSkinClass Class = TSkinClass::None;
    int Mode = 0;
    bool KeepColor = false;
    bool ByHandle = false;
    bool operator==(const TAttachPlan&) const = default;
};

// What happens to the children of a control, around its own attach.
enum class TChildStep : std::uint8_t {
    None,
    MapFirst,            // map the child controls (container: the control), then attach
    MapAfter,            // attach, then map the child controls (container: the control)
    MapAfterUncontained, // attach, then map the child controls without a container
    MapComponents,       // attach, then map the controls it owns (container: the control)
    AttachEach,          // every child control gets EachChild, then the control its own
    EmbedScrollbars      // every scroll-bar child gets TSkinScControl, every scrolled child
                         // TSkinScrollbar
};

// A published property set to "True" before the attach.
enum class TPropertyStep : std::uint8_t { None, Transparent, Flat };

// Work a rule asks of parts of the form object that are not built yet: the
// owner-drawn menus of a menu-bearing control, a tool bar and a frame, and
// a cool bar's band colours. Until they are, the rule only stops the search.
enum class TLaterStep : std::uint8_t {
    None,
    OwnerDrawMenu,
    BandColours,
    ToolbarPainters,
    PopupMenus
};

// Which step of the algorithm decided.
enum class TPlanSource : std::uint8_t {
    NoRule,   // nothing matched: nothing is done
    Skin3rd,  // a Skin3rd line (Keyword), even when it attaches nothing
    Excluded, // a class the map never skins
    Rule      // rule number Rule of the table
};

// What the map does with one framework control once the application has
// not taken it over.
struct TControlPlan {
    TPlanSource Source = TPlanSource::NoRule;
    int Rule = 0;
    TSkin3rdKeyword Keyword = TSkin3rdKeyword::Other;
    TAttachPlan Attach;
    TChildStep Children = TChildStep::None;
    TAttachPlan EachChild;
    TPropertyStep Property = TPropertyStep::None;
    TLaterStep Later = TLaterStep::None;
};

// The skin component's settings the decisions read, taken once per walk.
struct TMapSettings {
    std::uint32_t SkinControls = 0;
    // xcTab is set and the skin has a Tabs element.
    bool Tabs = false;
    // The form object paints the frame.
    bool SkinFrame = false;
    std::int64_t DisableTag = 99;
    // The Skin3rd lines as bytes (class names are ASCII).
    std::vector<std::string> Skin3rd;

    bool Skins(TSkinControlType kind) const { return (SkinControls & Bit(kind)) != 0; }
};

// Control discovery for one form object: walks the window's children and
// attaches to each the control skinning object that fits it, deciding a
// framework control by the application's OnSkinControl, the Skin3rd lines and
// one table of rules, and a foreign window's child by class name and style.
// Every object made is registered in the form object's ControlObjects; a
// framework control's object is owned by the control, a bare window's by the
// form object. A control skinned already is never skinned again.
//
// Use one object per walk (the settings are read when it is made):
//   TControlMap(form).DiscoverControls();
class TControlMap {
public:
    explicit TControlMap(TWinSkinForm& form);

    // A framework form: frees the detached control objects, maps the form's
    // controls, then the windowed controls of its tab order.
    void DiscoverControls();
    // A foreign window: frees the detached control objects, then maps every
    // child window (WS_CHILD), top first.
    void DiscoverChildWindows();
    // Maps one framework control; container is handed to OnSkinControl as
    // the form.
    void MapControl(TControl& control, TWinControl* container);
    // Maps one child window of a foreign window.
    void MapWindow(HWND window);
    // Replaces the last control object of window: it is given back and
    // freed, and the window's control (or the bare window) mapped again.
    void ReskinControl(HWND window);

    const TMapSettings& Settings() const { return Settings_; }
    static TMapSettings SettingsOf(const TWinSkinForm& form);
    // The decision for a framework control after OnSkinControl: its Skin3rd
    // line, the excluded classes, then the first rule that matches. Reads
    // the control's class, published properties and window style only.
    static TControlPlan PlanControl(const TControl& control, const TMapSettings& settings);

    // The factory of a skin class; null while that class is not built (the
    // rules still choose it, and nothing is attached).
    static TSkinFactory Factory(TSkinClass skinClass);
    // Puts another factory in for a skin class (an application's own class,
    // or a test that watches the choices); answers the one it replaces.
    static TSkinFactory ReplaceFactory(TSkinClass skinClass, TSkinFactory factory);

private:
    bool Alive() const { return Guard_.Alive(); }
    bool AlreadySkinned(const TControl& control) const;
    // The control's Tag asks to leave it alone; a tagged radio or check
    // group passes the tag on to its children.
    bool LeftAlone(TControl& control);
    // OnSkinControl; true when the application decided for the control.
    bool AskApplication(TControl& control, TWinControl* container, const std::string& upper);
    void Carry(TControl& control, const TControlPlan& plan);
    void MapChildren(TControl& control, TWinControl* container);
    void MapOwnedControls(TControl& control);
    void AttachToChildren(TControl& control, const TControlPlan& plan);
    void Attach(TControl& control, const TAttachPlan& plan);
    void AttachWindow(HWND window, TSkinClass skinClass);
    void MapChildWindows(HWND parent);
    void GiveFaceColour(HWND window);
    void FreeDetachedObjects();

    TWinSkinForm& Form_;
    TSkinWindow::TAliveGuard Guard_;
    TMapSettings Settings_;
};

} // namespace veyra
