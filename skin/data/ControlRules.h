#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The platform-free halves of control discovery: the skin component's
// Skin3rd lines (class name "=" keyword, written by the application to steer
// controls of other component families) and the rules that decide what a
// child window of a foreign window, such as a system dialog, is skinned as.
namespace veyra {

// The keywords a Skin3rd line can map a class to. Any other keyword is
// Other: the line still decides for the class, and nothing is attached.
enum class TSkin3rdKeyword : std::uint8_t {
    Nil,
    ComboBox,
    Edit,
    RadioButton,
    Panel,
    TrackBar,
    Button,
    DateTimePicker,
    MediaPlayer,
    BitBtn,
    PngBitBtn,
    MenuBtn,
    SpeedButton,
    Tab,
    Progress,
    Scrollbar,
    SingleScrollbar,
    EmbedScrollbar,
    Container,
    GroupBox,
    AdvPageControl,
    RadioGroup,
    CheckGroup,
    CheckBox,
    Other
};

// The longest keyword kept from a line; the rest of a longer one is dropped.
inline constexpr std::size_t kSkin3rdKeywordLimit = 50;

// The keyword of the first line that starts with className followed by "=",
// letter case aside: the text after that "=", cut to kSkin3rdKeywordLimit
// bytes, in lower case. nullopt when no line starts so, or when className is
// empty or holds "=" (no class is called so).
std::optional<std::string> FindSkin3rdKeyword(std::span<const std::string> lines,
                                              std::string_view className);

// The keyword as an enumeration (letter case aside); Other for any text the
// table does not know.
TSkin3rdKeyword ParseSkin3rdKeyword(std::string_view keyword);

// What a child window of a foreign window is skinned as.
enum class TChildWindowSkin : std::uint8_t {
    Nothing,
    PushButton,
    CheckBox,
    RadioButton,
    ComboBox,
    // a combo box inside the window (comboboxex32): its first child window
    FirstChildComboBox,
    SizeBox,
    // a dialog inside the dialog: its own children first, then its background
    Dialog,
    // a framework panel: its own children, then the face colour
    Panel,
    // a framework panel that only takes the face colour
    PanelColour,
    Progress,
    Tab,
    Edit
};

// Decides by window class name (letter case aside) and window style. Buttons
// go by their type (style & BS_TYPEMASK): group boxes, owner-drawn and
// bitmap buttons stay as they are; every type that is not a check box or a
// radio button is a push button. A scroll bar is skinned only as the size
// box it may be; simple combo boxes, owner-drawn tab controls and tree views
// are left alone.
TChildWindowSkin ClassifyChildWindow(std::string_view className, std::uint32_t style);

} // namespace veyra
