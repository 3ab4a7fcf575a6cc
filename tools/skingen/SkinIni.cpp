#include "SkinIni.h"

#include "SkinArt.h"
#include "SkinMetrics.h"

namespace veyra::skingen {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string Int(int value) {
    return std::to_string(value);
}

// The keys every generic element shares: image, frame count, margins, key
// colour and tiling.
Keys Element(const char* image, int frames, int left, int top, int right, int bottom, bool trans,
             bool tile = false) {
    return {{"Image", image},
            {"Frame", Int(frames)},
            {"LeftWidth", Int(left)},
            {"TopHeight", Int(top)},
            {"RightWidth", Int(right)},
            {"BottomHeight", Int(bottom)},
            {"Trans", Int(trans ? 1 : 0)},
            {"Tile", Int(tile ? 1 : 0)}};
}

Keys With(Keys keys, const Keys& more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

// A frame border: stem + "TopHeight"/"BotHeight" are the kept lengths at its
// two ends, Frame 2 holds the active and the inactive look.
Keys Border(const std::string& stem, const char* image, int startLength, int endLength,
            bool trans) {
    return {{stem, image},
            {stem + "TopHeight", Int(startLength)},
            {stem + "BotHeight", Int(endLength)},
            {stem + "Frame", "2"},
            {stem + "Stretch", "1"},
            {stem + "Trans", Int(trans ? 1 : 0)}};
}

Keys RgbKeys(const std::string& stem, Colour c) {
    return {
        {stem + "R", Int(RedOf(c))}, {stem + "G", Int(GreenOf(c))}, {stem + "B", Int(BlueOf(c))}};
}

Keys Personality(const Palette& p) {
    Keys keys = Border("Left", files::Left, kTitleHeight, kBorder, true);
    keys = With(keys, Border("Right", files::Right, kTitleHeight, kBorder, true));
    keys = With(keys, Border("Top", files::Top, kEdgeMargin, kEdgeMargin, true));
    // The bottom has square corners: without Trans its region part is a
    // plain rectangle, which is cheaper to build.
    keys = With(keys, Border("Bottom", files::Bottom, kEdgeMargin, kEdgeMargin, false));
    keys = With(keys, {{"TextBack", files::TextBack},
                       {"TextShift", Int(kTextShift)},
                       {"TextShiftVert", "0"},
                       {"TextRightClip", Int(kTextRightClip)},
                       {"TextAlignment", "0"},
                       {"Textbackground", "0"},
                       {"TXTBackleft", Int(kTextBackEnd)},
                       {"TXTBackRight", Int(kTextBackEnd)}});
    keys = With(keys, RgbKeys("ActiveText", p.TitleText));
    keys = With(keys, RgbKeys("InActiveText", p.TitleTextInactive));
    return With(keys, {{"menuBar", files::MenuBar},
                       {"TileMenu", "1"},
                       {"TileLeftMenu", "1"},
                       {"TileRightMenu", "1"}});
}

// A title-bar button anchored to the right edge; n counts from the close button.
Keys CaptionButton(int action, int n, const char* image, int visibility, int visibility1) {
    return {{"Action", Int(action)},
            {"Align", "1"},
            {"Xcoord", Int(CaptionButtonX(n))},
            {"Ycoord", Int(kCaptionButtonTop)},
            {"ButtonImage", image},
            {"frame", Int(kCaptionButtonFrames)},
            {"Visibility", Int(visibility)},
            {"Visibility1", Int(visibility1)}};
}

// Title-button actions and visibility tests used below.
enum Action { kClose = 0, kMaximizeRestore = 1, kMinimize = 2, kSystemMenuIcon = 3 };
enum Visibility {
    kAlways = 0,
    kWhenMaximized = 1,
    kWhenNotMaximized = 2,
    kWithMinOrMaxBoxAndSysMenu = 6, // second test: minimize or maximize box
};

} // namespace

std::string ColourText(Colour c) {
    return Int(RedOf(c)) + "," + Int(GreenOf(c)) + "," + Int(BlueOf(c));
}

std::vector<IniSection> SkinDefinition(const Palette& p) {
    const std::string text = ColourText(p.Text);
    const Keys textColours{
        {"NormalColour2", text}, {"MouseOverColour2", text}, {"PressedColour2", text}};
    return {
        {"TitlebarSkin", {{"SkinName", p.SkinName}}},
        {"Personality", Personality(p)},
        {"Fonts", {{"FontHeight", "14"}}},
        {"BUTTON.SysMenu",
         {{"Action", Int(kSystemMenuIcon)},
          {"Align", "0"},
          {"Xcoord", Int(kIconX)},
          {"Ycoord", Int(kIconY)},
          {"ButtonImage", files::SysMenu},
          {"frame", "1"},
          {"Visibility", Int(kAlways)}}},
        {"BUTTON.Close", CaptionButton(kClose, 0, files::Close, kAlways, kAlways)},
        {"BUTTON.Maximize", CaptionButton(kMaximizeRestore, 1, files::Maximize, kWhenNotMaximized,
                                          kWithMinOrMaxBoxAndSysMenu)},
        {"BUTTON.Restore", CaptionButton(kMaximizeRestore, 1, files::Restore, kWhenMaximized,
                                         kWithMinOrMaxBoxAndSysMenu)},
        {"BUTTON.Minimize", CaptionButton(kMinimize, 2, files::Minimize, kWithMinOrMaxBoxAndSysMenu,
                                          kWithMinOrMaxBoxAndSysMenu)},
        {"MDICONTROLS", {{"Image", files::MdiControls}}},
        {"MenuItem", Element(files::MenuItem, 5, 4, 4, 4, 4, true)},
        {"MenuBackground", Element(files::MenuBackground, 1, 3, 3, 3, 3, false)},
        {"Buttons", With({{"Bitmap", files::Buttons},
                          {"LeftWidth", "6"},
                          {"TopHeight", "6"},
                          {"RightWidth", "6"},
                          {"BottomHeight", "6"},
                          {"Trans", "1"},
                          {"Tile", "0"},
                          {"CheckButton", files::CheckBox},
                          {"RadioButton", files::Radio},
                          {"CheckButtonFrame", "4"},
                          {"RadioButtonFrame", "4"}},
                         textColours)},
        {"ToolBars", With(Element(files::ToolBars, 5, 4, 4, 4, 4, true), textColours)},
        {"Tabs", With(Element(files::Tabs, 5, 5, 5, 5, 2, true),
                      {{"Border", files::TabPane},
                       {"Style", "0"},
                       {"NormalColour2", ColourText(Mix(p.Text, p.Face, 0.25))},
                       {"MouseOverColour2", text}})},
        {"Tab.Pane", Element(files::TabPane, 1, 4, 4, 4, 4, false)},
        {"Scrollbar", Element(files::Scrollbar, 23, 0, 0, 0, 0, true)},
        {"HorzScroll", Element(files::HorzScroll, 4, 0, 0, 0, 0, false)},
        {"VertScroll", Element(files::VertScroll, 4, 0, 0, 0, 0, false)},
        {"HorzScrollThumb",
         With(Element(files::HorzThumb, 3, 7, 0, 7, 0, true), {{"FrameCount", "3"}})},
        {"VertScrollThumb",
         With(Element(files::VertThumb, 3, 0, 7, 0, 7, true), {{"FrameCount", "3"}})},
        {"ComboButton", Element(files::ComboButton, 4, 3, 3, 3, 3, true)},
        {"SunkEdge", Element(files::SunkEdge, 4, 4, 4, 4, 4, true)},
        {"ExtraImages", Element(files::ExtraImages, 5, 0, 0, 0, 0, true)},
        {"UpDown.Horz", With(Element(files::UpDownHorz, 8, 3, 3, 3, 3, true),
                             {{"GlyphImage", files::UpDownHorzGlyph}})},
        {"UpDown.Vert", With(Element(files::UpDownVert, 8, 3, 3, 3, 3, true),
                             {{"GlyphImage", files::UpDownVertGlyph}})},
        {"Progress",
         {{"Bitmap", files::Progress},
          {"Style", "0"},
          {"LeftWidth", "5"},
          {"TopHeight", "4"},
          {"RightWidth", "5"},
          {"BottomHeight", "4"},
          {"Trans", "1"},
          {"Tile", "0"}}},
        {"Progress.Chunk", Element(files::ProgressChunk, 1, 0, 0, 0, 0, true, true)},
        {"Track", Element(files::Track, 1, 3, 0, 3, 0, false)},
        {"TRACKVERT", Element(files::TrackVert, 1, 0, 3, 0, 3, false)},
        {"Trackbar.ThumbHorz", Element(files::ThumbHorz, 5, 0, 0, 0, 0, true)},
        {"Trackbar.ThumbUp", Element(files::ThumbHorz, 5, 0, 0, 0, 0, true)},
        {"Trackbar.ThumbDown", Element(files::ThumbHorz, 5, 0, 0, 0, 0, true)},
        {"Trackbar.ThumbVert", Element(files::ThumbVert, 5, 0, 0, 0, 0, true)},
        {"Trackbar.ThumbLeft", Element(files::ThumbVert, 5, 0, 0, 0, 0, true)},
        {"Trackbar.ThumbRight", Element(files::ThumbVert, 5, 0, 0, 0, 0, true)},
        {"GroupBoxEdge", Element(files::GroupBoxEdge, 2, 5, 5, 5, 5, true)},
        {"GroupBox",
         With(Element(files::GroupBox, 1, 2, 2, 2, 2, false), {{"BackgroundAlignment", "0"},
                                                               {"BackgroundLeftShift", "0"},
                                                               {"BackgroundRightShift", "0"}})},
        {"StatusBarEdges",
         With(Element(files::StatusBar, 3, 2, 2, 2, 2, false), {{"NormalColour2", text}})},
        {"Headerbar", With(Element(files::Header, 5, 2, 2, 2, 2, false), textColours)},
        {"Colours",
         {{"WindowText", text},
          {"ButtonFace", ColourText(p.Face)},
          {"Scrollbar", ColourText(p.Track)},
          {"HilightText", ColourText(p.AccentText)},
          {"Hilight", ColourText(p.Accent)},
          {"Menubar", ColourText(p.MenuBar)},
          {"Menu", ColourText(p.Menu)},
          {"MenuText", ColourText(p.MenuText)},
          {"ButtonText", text},
          // The one-pixel frame around a hot menu-bar item.
          {"ButtonHilight", ColourText(p.BorderHot)},
          {"Buttonlight", ColourText(p.Light)},
          {"ButtonShadow", ColourText(p.Shadow)},
          {"ButtonDkShadow", ColourText(p.DarkShadow)},
          {"MenuBarText", ColourText(p.MenuBarText)},
          {"TitleTextActive", ColourText(p.TitleText)},
          {"TitleTextNoActive", ColourText(p.TitleTextInactive)}}},
    };
}

std::string IniText(const std::vector<IniSection>& sections, const std::string& comment) {
    std::string text = "; " + comment + "\r\n";
    for (const IniSection& section : sections) {
        text += "\r\n[" + section.Name + "]\r\n";
        for (const auto& [key, value] : section.Keys)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

} // namespace veyra::skingen
