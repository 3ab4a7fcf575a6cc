// sknutil commands that load a whole skin the way the viewer does: dump the
// built definition as JSON, and check a skin for an author's mistakes.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "Command.h"
#include "SkinFiles.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/data/SkinLoader.h"

namespace veyra::sknutil {
namespace {

// JSON text of a code-page string: bytes above 127 are shown as the
// characters of the same number, so the output is always valid UTF-8.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// Writes the fields of an element as JSON members.
class JsonFieldWriter : public TSkinFieldVisitor {
public:
    explicit JsonFieldWriter(std::ostream& out) : Out_(out) {}

    void Integer(const char* name, std::int32_t value) override { Member(name) << value; }
    void ColourValue(const char* name, Colour value) override { Member(name) << value; }
    void Flag(const char* name, bool value) override { Member(name) << (value ? "true" : "false"); }
    void Text(const char* name, const std::string& value) override {
        if (std::string_view(name) != "Name") // written first, with the class
            Member(name) << JsonString(value);
    }
    void Image(const char* name, const Bitmap& value) override {
        if (value.IsEmpty())
            Member(name) << "null";
        else
            Member(name) << "{\"Width\": " << value.Width() << ", \"Height\": " << value.Height()
                         << "}";
    }

private:
    std::ostream& Member(const char* name) { return Out_ << ", " << JsonString(name) << ": "; }
    std::ostream& Out_;
};

void WriteElement(std::ostream& out, const TDataSkinObject& element) {
    out << "    {\"Name\": " << JsonString(element.Name)
        << ", \"Class\": " << JsonString(element.ClassName());
    JsonFieldWriter fields(out);
    element.VisitFields(fields);
    out << "}";
}

template <class List, class Write>
void WriteArray(std::ostream& out, const char* name, const List& items, Write write) {
    out << "  " << JsonString(name) << ": [";
    bool first = true;
    for (const auto& item : items) {
        out << (first ? "\n" : ",\n");
        write(item);
        first = false;
    }
    out << (first ? "]" : "\n  ]");
}

int RunDump(const Args& args) {
    RequireArgs(args, 1, 1);
    const TSkinDefinition d = LoadSkinFile(args[0]);
    std::ostringstream out;
    out << "{\n  \"SkinName\": " << JsonString(d.SkinName)
        << ",\n  \"FrameColour\": " << d.FrameColour << ",\n  \"Colours\": {";
    bool first = true;
    for (const TSkinColourMember& member : SkinColourMembers()) {
        out << (first ? "" : ", ") << JsonString(member.Key) << ": " << d.Colours.*member.Member;
        first = false;
    }
    out << "},\n";
    WriteArray(out, "ExtraColours", d.Colours.ExtraColours, [&](Colour c) { out << "    " << c; });
    out << ",\n";
    WriteArray(out, "CustomColours", d.Colours.CustomColours,
               [&](Colour c) { out << "    " << c; });
    out << ",\n";
    WriteArray(out, "Elements", d.ElementsInLoadOrder(),
               [&](const TDataSkinObject* e) { WriteElement(out, *e); });
    out << ",\n";
    WriteArray(out, "TitleButtons", d.TitleButtons, [&](const auto& b) { WriteElement(out, *b); });
    out << "\n}\n";
    std::cout << out.str();
    return 0;
}

// A title button that no window shows: the engine's own visibility and
// action rules say no for every kind of window in every state, even with the
// application answering yes to every query.
bool NeverVisible(const TDataSkinSysButton& button) {
    const TButtonQuery yes = [](int, int) { return true; };
    for (int bits = 0; bits < 1 << 7; ++bits)
        for (const TBorderKind kind : {TBorderKind::Sizeable, TBorderKind::Single,
                                       TBorderKind::NoCaption, TBorderKind::Dialog}) {
            TWindowTraits window;
            window.Maximized = bits & 1;
            window.Active = bits & 2;
            window.HasSystemMenu = bits & 4;
            window.HasMinimizeBox = bits & 8;
            window.HasMaximizeBox = bits & 16;
            window.IsDialogClass = bits & 32;
            window.MdiFrameWithMaximizedChild = bits & 64;
            window.Kind = kind;
            if (EvaluateTitleButton(button, window, yes).Visible)
                return false;
        }
    return true;
}

// The borders at the top and bottom hold their frames stacked.
bool FramesStacked(const TSkinDefinition& d, const TDataSkinObject& element) {
    return &element == &d.Top || &element == &d.Bottom;
}

void CheckFrames(const TSkinDefinition& d, const TDataSkinObject& element,
                 std::vector<std::string>& findings) {
    if (element.Image.IsEmpty() || element.Frame < 1)
        return;
    const bool stacked = FramesStacked(d, element);
    const int length = stacked ? element.Image.Height() : element.Image.Width();
    if (length % element.Frame != 0)
        findings.push_back(element.Name + ": image " + (stacked ? "height " : "width ") +
                           std::to_string(length) + " does not divide into " +
                           std::to_string(element.Frame) + " frames");
}

void CheckStrip(const std::string& what, const Bitmap& image, int frames,
                std::vector<std::string>& findings) {
    if (!image.IsEmpty() && frames > 0 && image.Width() % frames != 0)
        findings.push_back(what + ": image width " + std::to_string(image.Width()) +
                           " does not divide into " + std::to_string(frames) + " frames");
}

int RunValidate(const Args& args) {
    RequireArgs(args, 1, 1);
    const TSkinDefinition d = LoadSkinFile(args[0]);
    std::vector<std::string> findings = d.Notes;
    for (const TDataSkinObject* element : d.ElementsInLoadOrder())
        CheckFrames(d, *element, findings);
    CheckStrip("Buttons.CheckButton", d.Buttons.CheckImage, d.Buttons.CheckButtonFrame, findings);
    CheckStrip("Buttons.RadioButton", d.Buttons.RadioImage, d.Buttons.RadioButtonFrame, findings);
    for (const auto& button : d.TitleButtons) {
        CheckFrames(d, *button, findings);
        if (NeverVisible(*button))
            findings.push_back(button->Name + ": can never be visible (Visibility " +
                               std::to_string(static_cast<int>(button->Visibility)) +
                               ", Visibility1 " +
                               std::to_string(static_cast<int>(button->Visibility1)) + ")");
    }
    for (const std::string& section : d.Sections)
        if (!IsKnownSection(section))
            findings.push_back("[" + section + "]: no part of the skin reads this section");
    for (const std::string& finding : findings)
        std::cout << args[0] << ": " << finding << '\n';
    std::cout << args[0] << ": " << (d.SkinName.empty() ? "(unnamed skin)" : d.SkinName)
              << " loads; " << findings.size() << (findings.size() == 1 ? " finding" : " findings")
              << '\n';
    return 0;
}

std::vector<Command> SkinCommands() {
    return {
        {"dump", "SKIN.skn", "print the built skin definition as JSON", RunDump},
        {"validate", "SKIN.skn",
         "list missing images, frame counts that do not divide, unread sections and title buttons "
         "that can never show",
         RunValidate},
    };
}

CommandGroup group(SkinCommands);

} // namespace
} // namespace veyra::sknutil
