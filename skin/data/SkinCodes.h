#pragma once

#include <cstdint>

// The numeric codes of a title-bar button section, with the values the skin
// file gives them. An enumeration of int holds any number a skin author
// writes; the names are the values with a meaning.
namespace veyra {

// What a title button does when clicked ("Action").
enum class TTitleAction : std::int32_t {
    None = -1, // a placeholder button: drawn, never hit
    Close = 0,
    MaximizeRestore = 1,
    Minimize = 2,
    SystemMenuIcon = 3, // drawn as the window icon
    MdiMinimize = 7,
    MdiRestore = 8,
    MdiClose = 9,
    SystemMenuIcon2 = 11, // drawn as the window icon
    SystemMenu = 12,
    MaximizeRestore2 = 22,
    Minimize2 = 23,
    MdiMinimize2 = 60,
    MdiRestore2 = 61,
    MdiClose2 = 62,
};

// Where a title button sits ("Align").
enum class TTitleAlign : std::int32_t {
    Left = 0,  // at Xcoord from the window's left edge
    Right = 1, // Xcoord in from the window's right edge
    BeforeText = 2,
    AfterText = 3,
    BeforeText2 = 8,
    AfterText2 = 9,
    MenuBar = 100, // on the menu bar of an MDI frame with a maximized child
};

// When a title button shows ("Visibility", "Visibility1"). Besides these,
// 201 to 999 show on the first test only, and 1000 to 2000 ask the
// application (SKINMSG_BUTTONQUERY).
enum class TTitleVisibility : std::int32_t {
    Undefined = -1,
    Always = 0,
    Maximized = 1,
    NotMaximized = 2,
    Active = 3,
    Inactive = 4,
    Never = 5,
    AnyBox = 6,
    NoMaximizeBox = 7,
    AnyBox2 = 8,
    NoMinimizeBox = 9,
    MdiMaximizedChild = 100,
    DialogFrame = 200,
    FirstTestOnlyFirst = 201,
    FirstTestOnlyLast = 999,
    ApplicationFirst = 1000,
    ApplicationLast = 2000,
};

// Where the caption text sits on the title bar ("TextAlignment" of the title).
enum class TTextAlignment : std::int32_t { Left = 0, Centre = 1, Right = 2 };

// What clicking a title button comes down to.
enum class TTitleCommand {
    Close,
    MaximizeRestore,
    Minimize,
    SystemMenu,
    MdiMinimize,
    MdiRestore,
    MdiClose,
    Application
};

constexpr TTitleCommand WindowCommandOf(TTitleAction action) {
    switch (action) {
    case TTitleAction::Close:
        return TTitleCommand::Close;
    case TTitleAction::MaximizeRestore:
    case TTitleAction::MaximizeRestore2:
        return TTitleCommand::MaximizeRestore;
    case TTitleAction::Minimize:
    case TTitleAction::Minimize2:
        return TTitleCommand::Minimize;
    case TTitleAction::SystemMenuIcon:
    case TTitleAction::SystemMenuIcon2:
    case TTitleAction::SystemMenu:
        return TTitleCommand::SystemMenu;
    case TTitleAction::MdiMinimize:
    case TTitleAction::MdiMinimize2:
        return TTitleCommand::MdiMinimize;
    case TTitleAction::MdiRestore:
    case TTitleAction::MdiRestore2:
        return TTitleCommand::MdiRestore;
    case TTitleAction::MdiClose:
    case TTitleAction::MdiClose2:
        return TTitleCommand::MdiClose;
    default:
        return TTitleCommand::Application;
    }
}

// A button that is drawn as the window's icon.
constexpr bool IsIconAction(TTitleAction action) {
    return action == TTitleAction::SystemMenuIcon || action == TTitleAction::SystemMenuIcon2;
}

// A button that opens the system menu.
constexpr bool IsSystemMenuAction(TTitleAction action) {
    return WindowCommandOf(action) == TTitleCommand::SystemMenu;
}

// A button the mouse can hit: every action but the negative ones.
constexpr bool HasAction(TTitleAction action) {
    return static_cast<std::int32_t>(action) >= 0;
}

// A visibility the application decides through SKINMSG_BUTTONQUERY.
constexpr bool IsApplicationVisibility(TTitleVisibility code) {
    return code >= TTitleVisibility::ApplicationFirst && code <= TTitleVisibility::ApplicationLast;
}

} // namespace veyra
