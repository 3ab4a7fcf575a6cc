#include "ControlRules.h"

#include <array>
#include <utility>

#include "skin/package/AsciiText.h"

namespace veyra {

namespace {

// The platform's style bits the rules read (the core has no <windows.h>).
constexpr std::uint32_t kButtonTypeMask = 0x0F; // BS_TYPEMASK
constexpr std::uint32_t kButtonBitmap = 0x80;   // BS_BITMAP
constexpr std::uint32_t kComboTypeMask = 0x03;  // CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST
constexpr std::uint32_t kComboSimple = 0x01;    // CBS_SIMPLE
constexpr std::uint32_t kScrollSizeBox = 0x08;  // SBS_SIZEBOX
constexpr std::uint32_t kScrollSizeGrip = 0x10; // SBS_SIZEGRIP
constexpr std::uint32_t kTabOwnerDraw = 0x2000; // TCS_OWNERDRAWFIXED
// A dialog inside a dialog that is a tab stop is a page its container runs
// (property-sheet pages are made so); it is left to that container.
constexpr std::uint32_t kTabStop = 0x10000; // WS_TABSTOP

struct TKeywordName {
    std::string_view Text;
    TSkin3rdKeyword Keyword;
};

constexpr std::array<TKeywordName, 24> kKeywords{{
    {"nil", TSkin3rdKeyword::Nil},
    {"combobox", TSkin3rdKeyword::ComboBox},
    {"edit", TSkin3rdKeyword::Edit},
    {"radiobutton", TSkin3rdKeyword::RadioButton},
    {"panel", TSkin3rdKeyword::Panel},
    {"trackbar", TSkin3rdKeyword::TrackBar},
    {"button", TSkin3rdKeyword::Button},
    {"datetimepicker", TSkin3rdKeyword::DateTimePicker},
    {"mediaplayer", TSkin3rdKeyword::MediaPlayer},
    {"bitbtn", TSkin3rdKeyword::BitBtn},
    {"pngbitbtn", TSkin3rdKeyword::PngBitBtn},
    {"menubtn", TSkin3rdKeyword::MenuBtn},
    {"speedbutton", TSkin3rdKeyword::SpeedButton},
    {"tab", TSkin3rdKeyword::Tab},
    {"progress", TSkin3rdKeyword::Progress},
    {"scrollbar", TSkin3rdKeyword::Scrollbar},
    {"singlescrollbar", TSkin3rdKeyword::SingleScrollbar},
    {"embedscrollbar", TSkin3rdKeyword::EmbedScrollbar},
    {"container", TSkin3rdKeyword::Container},
    {"groupbox", TSkin3rdKeyword::GroupBox},
    {"advpagecontrol", TSkin3rdKeyword::AdvPageControl},
    {"radiogroup", TSkin3rdKeyword::RadioGroup},
    {"checkgroup", TSkin3rdKeyword::CheckGroup},
    {"checkbox", TSkin3rdKeyword::CheckBox},
}};

// A line starts with className and "=", letter case aside.
bool StartsWithKey(std::string_view line, std::string_view className) {
    return line.size() > className.size() && line[className.size()] == '=' &&
           EqualsIgnoreAsciiCase(line.substr(0, className.size()), className);
}

TChildWindowSkin ClassifyButton(std::uint32_t style) {
    if (style & kButtonBitmap)
        return TChildWindowSkin::Nothing;
    switch (style & kButtonTypeMask) {
    case 0x2: // BS_CHECKBOX
    case 0x3: // BS_AUTOCHECKBOX
    case 0x5: // BS_3STATE
    case 0x6: // BS_AUTO3STATE
        return TChildWindowSkin::CheckBox;
    case 0x4: // BS_RADIOBUTTON
    case 0x9: // BS_AUTORADIOBUTTON
        return TChildWindowSkin::RadioButton;
    case 0x7: // BS_GROUPBOX
    case 0xB: // BS_OWNERDRAW
        return TChildWindowSkin::Nothing;
    default: // push, default push, user, push box, split and command-link buttons
        return TChildWindowSkin::PushButton;
    }
}

// The window classes decided by name alone.
struct TNamedClass {
    std::string_view Name;
    TChildWindowSkin Skin;
};

constexpr std::array<TNamedClass, 11> kNamedClasses{{
    {"comboboxex32", TChildWindowSkin::FirstChildComboBox},
    {"tpanel", TChildWindowSkin::Panel},
    {"ttntpanel.unicodeclass", TChildWindowSkin::Panel},
    {"ttntsilentpaintpanel.unicodeclass", TChildWindowSkin::Panel},
    {"tcheckbox", TChildWindowSkin::CheckBox},
    {"tcombobox", TChildWindowSkin::ComboBox},
    {"tbutton", TChildWindowSkin::PushButton},
    {"tprogressbar", TChildWindowSkin::Progress},
    {"tsilentpaintpanel", TChildWindowSkin::PanelColour},
    {"edit", TChildWindowSkin::Edit},
    {"systreeview32", TChildWindowSkin::Nothing},
}};

} // namespace

std::optional<std::string> FindSkin3rdKeyword(std::span<const std::string> lines,
                                              std::string_view className) {
    if (className.empty() || className.find('=') != std::string_view::npos)
        return std::nullopt;
    for (const std::string& line : lines) {
        if (!StartsWithKey(line, className))
            continue;
        const std::string_view keyword =
            std::string_view(line).substr(className.size() + 1, kSkin3rdKeywordLimit);
        return LowerAscii(keyword);
    }
    return std::nullopt;
}

TSkin3rdKeyword ParseSkin3rdKeyword(std::string_view keyword) {
    for (const TKeywordName& entry : kKeywords)
        if (EqualsIgnoreAsciiCase(entry.Text, keyword))
            return entry.Keyword;
    return TSkin3rdKeyword::Other;
}

TChildWindowSkin ClassifyChildWindow(std::string_view className, std::uint32_t style) {
    if (EqualsIgnoreAsciiCase(className, "button"))
        return ClassifyButton(style);
    if (EqualsIgnoreAsciiCase(className, "combobox"))
        return (style & kComboTypeMask) == kComboSimple ? TChildWindowSkin::Nothing
                                                        : TChildWindowSkin::ComboBox;
    if (EqualsIgnoreAsciiCase(className, "scrollbar"))
        return style & (kScrollSizeBox | kScrollSizeGrip) ? TChildWindowSkin::SizeBox
                                                          : TChildWindowSkin::Nothing;
    if (EqualsIgnoreAsciiCase(className, "#32770"))
        return style & kTabStop ? TChildWindowSkin::Nothing : TChildWindowSkin::Dialog;
    if (EqualsIgnoreAsciiCase(className, "systabcontrol32"))
        return style & kTabOwnerDraw ? TChildWindowSkin::Nothing : TChildWindowSkin::Tab;
    for (const TNamedClass& entry : kNamedClasses)
        if (EqualsIgnoreAsciiCase(entry.Name, className))
            return entry.Skin;
    return TChildWindowSkin::Nothing;
}

} // namespace veyra
