#include "SkinLoader.h"

#include <algorithm>
#include <array>
#include <optional>

#include "BuiltinImages.h"
#include "SkinFields.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/BmpReader.h"
#include "skin/imaging/Gradient.h"
#include "skin/imaging/PixelOps.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/package/AsciiText.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace veyra {
namespace {

// How a section becomes an element.
enum class LoaderKind {
    Buttons,
    Title,
    Progress,
    Generic,
    MenuBar,
    GroupBox,
    WithSecondImage,
    None
};

// How the element's frame count is settled once every section is read.
enum class FrameRule { FromKey, Fixed, ProgressStyle, FixedWhenZero, FrameCountKey };

// What follows right after the row is loaded.
enum class AfterLoad {
    Nothing,
    ClampMarginsTo4,
    MirrorComboButtonImage,
    BuiltinTrack,
    BuiltinTrackVert
};

struct ElementRow {
    const char* Section;
    LoaderKind Kind;
    const char* SecondKey;
    FrameRule Rule;
    int Frames;
    AfterLoad After;
};

// Every section element in load order. The title sits between Buttons and
// Progress and the menu-bar element ("Personality") between Progress.Chunk
// and GroupBoxEdge, as in every skin this format has seen.
constexpr std::array<ElementRow, 33> kElementRows = {{
    {"Buttons", LoaderKind::Buttons, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Title", LoaderKind::Title, nullptr, FrameRule::Fixed, 2, AfterLoad::Nothing},
    {"Progress", LoaderKind::Progress, nullptr, FrameRule::ProgressStyle, 0, AfterLoad::Nothing},
    {"Progress.Chunk", LoaderKind::Generic, nullptr, FrameRule::FromKey, 0, AfterLoad::Nothing},
    {"Personality", LoaderKind::MenuBar, nullptr, FrameRule::Fixed, 2, AfterLoad::Nothing},
    {"GroupBoxEdge", LoaderKind::Generic, nullptr, FrameRule::Fixed, 2, AfterLoad::Nothing},
    {"GroupBox", LoaderKind::GroupBox, nullptr, FrameRule::Fixed, 1, AfterLoad::Nothing},
    {"Tabs", LoaderKind::WithSecondImage, "Border", FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"StatusBarEdges", LoaderKind::Generic, nullptr, FrameRule::Fixed, 3, AfterLoad::Nothing},
    {"Tab.Pane", LoaderKind::Generic, nullptr, FrameRule::Fixed, 1, AfterLoad::ClampMarginsTo4},
    {"ToolBars", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    // The second key never occurs: the combo button's second image is made below.
    {"ComboButton", LoaderKind::WithSecondImage, "****", FrameRule::Fixed, 4, AfterLoad::Nothing},
    {"SunkEdge", LoaderKind::Generic, nullptr, FrameRule::Fixed, 4,
     AfterLoad::MirrorComboButtonImage},
    {"ExtraImages", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Headerbar", LoaderKind::Generic, nullptr, FrameRule::FixedWhenZero, 5, AfterLoad::Nothing},
    {"MenuItem", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"MenuBackground", LoaderKind::Generic, nullptr, FrameRule::Fixed, 1, AfterLoad::Nothing},
    {"Scrollbar", LoaderKind::Generic, nullptr, FrameRule::Fixed, 23, AfterLoad::Nothing},
    {"HorzScroll", LoaderKind::Generic, nullptr, FrameRule::Fixed, 4, AfterLoad::Nothing},
    {"VertScroll", LoaderKind::Generic, nullptr, FrameRule::Fixed, 4, AfterLoad::Nothing},
    {"HorzScrollThumb", LoaderKind::Generic, nullptr, FrameRule::FrameCountKey, 3,
     AfterLoad::Nothing},
    {"VertScrollThumb", LoaderKind::Generic, nullptr, FrameRule::FrameCountKey, 3,
     AfterLoad::Nothing},
    {"Trackbar.ThumbHorz", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Trackbar.ThumbVert", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Trackbar.ThumbLeft", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Trackbar.ThumbRight", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Trackbar.ThumbUp", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"Trackbar.ThumbDown", LoaderKind::Generic, nullptr, FrameRule::Fixed, 5, AfterLoad::Nothing},
    {"UpDown.Horz", LoaderKind::WithSecondImage, "GlyphImage", FrameRule::Fixed, 8,
     AfterLoad::Nothing},
    {"UpDown.Vert", LoaderKind::WithSecondImage, "GlyphImage", FrameRule::Fixed, 8,
     AfterLoad::Nothing},
    {"Track", LoaderKind::Generic, nullptr, FrameRule::FromKey, 0, AfterLoad::BuiltinTrack},
    {"TRACKVERT", LoaderKind::Generic, nullptr, FrameRule::FromKey, 0, AfterLoad::BuiltinTrackVert},
    {nullptr, LoaderKind::None, nullptr, FrameRule::FromKey, 0, AfterLoad::Nothing},
}};

// Sections read outside the element table.
constexpr std::array<const char*, 5> kOtherSections = {"Personality", "TitlebarSkin", "MDICONTROLS",
                                                       "Fonts", "Customcolors"};

constexpr const char* kPersonality = "Personality";
constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kComboArrowSize = 17;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A copy of part of a bitmap; parts outside it stay black.
Bitmap CopyPart(const Bitmap& source, const Rect& part) {
    Bitmap copy(std::max(part.Width(), 0), std::max(part.Height(), 0), PixelFormat::Rgb24, kOpaque);
    DrawBitmap(copy, -part.Left, -part.Top, source);
    return copy;
}

// How a section element is read: where its image is, which of the common
// fields it reads, and what a "Tile" above 1 becomes.
struct SectionLoad {
    const char* ImageKey = "Image";
    TFieldGroup Groups = TFieldGroup::All;
    std::int32_t TileAbove1 = 0;
};

// The title and the menu-bar strip keep common fields under keys of their
// own in "Personality": the caption's back image and text shifts, the
// strip's image and its tiling flags.
constexpr std::array<TSkinField<TDataSkinObject>, 4> kTitleKeys = {{
    {"LeftWidth", "TextShift", TFieldKind::Integer, 0, &TDataSkinObject::LeftWidth},
    {"TopHeight", "TextShiftVert", TFieldKind::Integer, 0, &TDataSkinObject::TopHeight},
    {"RightWidth", "TextRightClip", TFieldKind::Integer, 0, &TDataSkinObject::RightWidth},
    {"Image", "TextBack", TFieldKind::Image, 0, &TDataSkinObject::Image},
}};
constexpr std::array<TSkinField<TDataSkinObject>, 4> kMenuBarKeys = {{
    {"LeftWidth", "TileLeftMenu", TFieldKind::Integer, 1, &TDataSkinObject::LeftWidth},
    {"RightWidth", "TileRightMenu", TFieldKind::Integer, 1, &TDataSkinObject::RightWidth},
    {"Image", "menuBar", TFieldKind::Image, 0, &TDataSkinObject::Image},
    {"Tile", "TileMenu", TFieldKind::Integer, 1, &TDataSkinObject::Tile},
}};

class SkinBuilder {
public:
    SkinBuilder(const TQuickIni& ini, const TSkinReader& members, TSkinDefinition& d,
                const TSkinLoadOptions& o)
        : Ini_(ini), Members_(members), D_(d), Options_(o) {}

    void Build();

private:
    std::int32_t Int(const char* section, std::string_view key, std::int32_t fallback) const {
        return Ini_.ReadInteger(section, key, fallback);
    }
    std::string Str(const char* section, std::string_view key) const {
        return Ini_.ReadString(section, key, "");
    }

    void LoadImage(Bitmap& bitmap, const std::string& value);
    void LoadBorders();
    void LoadBorder(TDataSkinBorder& border, bool alongHeight);
    void LoadTitleButtons();
    void LoadMdiImages();
    void LoadRow(const ElementRow& row);
    template <class T>
    void ReadFields(T& element, std::span<const TSkinField<T>> fields, const char* section,
                    TFieldGroup groups = TFieldGroup::All, const char* imageKey = nullptr);
    template <class T> T* LoadSection(const char* section, const SectionLoad& how);
    void LoadGeneric(const char* section);
    void LoadWithSecondImage(const char* section, const char* secondKey);
    void LoadProgress();
    void LoadGroupBox();
    void LoadButtons();
    void LoadTitle();
    void LoadMenuBar();
    void RunAfterLoad(const ElementRow& row);
    void ApplyFrameRule(const ElementRow& row);
    void DeriveCheckAndRadioFrames();
    void BuildComboComposite();
    void BuildComboxArrow();
    void BuildToolbar();
    Colour ComputeFrameColour() const;

    const TQuickIni& Ini_;
    const TSkinReader& Members_;
    TSkinDefinition& D_;
    const TSkinLoadOptions& Options_;
    std::int64_t PixelsLoaded_ = 0;
};

// The member named by the file-name part of value, if value names a ".bmp"
// (written in lower case), the member is a readable BMP and the skin's image
// budget still has room for it.
void SkinBuilder::LoadImage(Bitmap& bitmap, const std::string& value) {
    bitmap = Bitmap();
    const std::size_t cut = value.find_last_of("\\:");
    const std::string fileName = cut == std::string::npos ? value : value.substr(cut + 1);
    const std::size_t dot = value.find_last_of('.');
    if (fileName.empty() || dot == std::string::npos || value.substr(dot) != ".bmp")
        return;
    std::vector<std::uint8_t> member;
    Members_.ExtractByName(fileName, member);
    if (member.empty()) {
        D_.Notes.push_back("image \"" + fileName + "\" is not in the package");
        return;
    }
    try {
        BmpReader reader(member);
        const std::int64_t pixels = reader.PixelCount();
        if (pixels > Options_.MaxImagePixels - PixelsLoaded_) {
            D_.Notes.push_back("image \"" + fileName + "\" would take the skin's images past " +
                               std::to_string(Options_.MaxImagePixels) + " pixels");
            return;
        }
        bitmap = reader.Read();
        PixelsLoaded_ += pixels;
    } catch (const std::exception& e) {
        D_.Notes.push_back("image \"" + fileName + "\" cannot be read: " + e.what());
        bitmap = Bitmap();
    }
}

// Left and Right keep their kept parts at the top and bottom, Top and Bottom
// at the ends of their length; the same two keys name both.
void SkinBuilder::LoadBorder(TDataSkinBorder& border, bool alongHeight) {
    const std::string& n = border.Name;
    const std::int32_t head = Int(kPersonality, n + "TopHeight", 0);
    const std::int32_t tail = Int(kPersonality, n + "BotHeight", 0);
    border.SetMargins(alongHeight ? Margins{0, head, 0, tail} : Margins{head, 0, tail, 0});
    border.Frame = Int(kPersonality, n + "Frame", 1);
    border.Tile = std::min(Int(kPersonality, n + "Stretch", 1), 1);
    border.Trans = Int(kPersonality, n + "Trans", 1);
    LoadImage(border.Image, Str(kPersonality, n));
}

void SkinBuilder::LoadBorders() {
    LoadBorder(D_.Left, true);
    LoadBorder(D_.Right, true);
    LoadBorder(D_.Top, false);
    LoadBorder(D_.Bottom, false);
}

void SkinBuilder::LoadTitleButtons() {
    D_.TitleButtons.clear();
    for (const std::string& name : D_.Sections) {
        const std::string section = UpperAscii(name);
        if (!StartsWith(section, "BUTTON") || section == "BUTTON" || section == "BUTTONS" ||
            section == "BUTTON.RADIO" || section == "BUTTON.CHECKBOX")
            continue;
        const char* s = section.c_str();
        // A placeholder is switched off unless it says it always shows; a
        // missing "Visibility" counts as saying nothing here.
        if (static_cast<TTitleAction>(Int(s, "Action", 0)) == TTitleAction::None &&
            static_cast<TTitleVisibility>(Int(s, "Visibility", -1)) != TTitleVisibility::Always)
            continue;
        auto button = std::make_unique<TDataSkinSysButton>(section);
        ReadFields<TDataSkinObject>(*button, kObjectFields, s,
                                    TFieldGroup::Frame | TFieldGroup::Image, "ButtonImage");
        ReadFields<TDataSkinSysButton>(*button, kSysButtonFields, s);
        if (button->Frame == 0) {
            button->Frame = 6;
            if (!button->Image.IsEmpty()) {
                const double ratio =
                    static_cast<double>(button->Image.Width()) / button->Image.Height();
                button->Frame = ratio <= 3.8 ? 3 : 6;
                if (!HasAction(button->Action))
                    button->Frame = 6;
            }
            if (IsIconAction(button->Action))
                button->Image = Bitmap(); // drawn as the window's icon
        }
        D_.TitleButtons.push_back(std::move(button));
    }
    for (const TTitleAction action :
         {TTitleAction::MdiMinimize, TTitleAction::MdiRestore, TTitleAction::MdiClose}) {
        auto mdi =
            std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(static_cast<int>(action)));
        mdi->Action = action;
        mdi->Align = TTitleAlign::MenuBar;
        mdi->Visibility = TTitleVisibility::MdiMaximizedChild;
        mdi->Visibility1 = TTitleVisibility::MdiMaximizedChild;
        mdi->Frame = 4;
        D_.TitleButtons.push_back(std::move(mdi));
    }
    LoadMdiImages();
}

// The MDI child buttons take four frames each from a 12-frame strip. A
// section that names an image places the buttons even when the image does not
// load: they then sit 4 pixels apart, with empty images.
void SkinBuilder::LoadMdiImages() {
    const std::string value = Str("MDICONTROLS", "Image");
    if (value.empty())
        return;
    Bitmap strip;
    LoadImage(strip, value);
    const int a = strip.Width() / 12;
    const std::size_t first = D_.TitleButtons.size() - 3;
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton& button = *D_.TitleButtons[first + static_cast<std::size_t>(i)];
        button.Image = CopyPart(strip, RectOfSize(4 * i * a, 0, 4 * a, strip.Height()));
        button.Xcoord = (a + 4) * (3 - i);
    }
}

// A caption colour only when the skin gives all three components.
std::optional<Colour> TitleColour(const TQuickIni& ini, const char* section,
                                  const std::string& stem) {
    const std::int32_t r = ini.ReadInteger(section, stem + "R", -1);
    const std::int32_t g = ini.ReadInteger(section, stem + "G", -1);
    const std::int32_t b = ini.ReadInteger(section, stem + "B", -1);
    if (r < 0 || g < 0 || b < 0)
        return std::nullopt;
    return Rgb(r, g, b);
}

// Reads the fields of a table that have a key and belong to one of groups;
// imageKey, when given, replaces the key of the common image.
template <class T>
void SkinBuilder::ReadFields(T& element, std::span<const TSkinField<T>> fields, const char* section,
                             TFieldGroup groups, const char* imageKey) {
    for (const TSkinField<T>& field : fields) {
        if (!field.Key ||
            (field.Group != TFieldGroup::None && (field.Group & groups) == TFieldGroup::None))
            continue;
        const char* s = field.Section ? field.Section : section;
        const char* key = field.Group == TFieldGroup::Image && imageKey ? imageKey : field.Key;
        std::visit(
            [&](auto member) {
                auto& value = element.*member;
                using Value = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, Bitmap>) {
                    LoadImage(value, Str(s, key));
                } else if constexpr (std::is_same_v<Value, bool>) {
                    value = !Str(s, key).empty();
                } else if constexpr (std::is_same_v<Value, Colour>) {
                    value =
                        field.Kind == TFieldKind::CaptionColour
                            ? TitleColour(Ini_, s, key).value_or(static_cast<Colour>(field.Default))
                            : ColourOrDefault(Str(s, key), D_.Colours.ButtonText);
                } else if constexpr (!std::is_same_v<Value, std::string>) {
                    const std::int32_t fallback = field.DefaultOf
                                                      ? field.DefaultOf(element)
                                                      : static_cast<std::int32_t>(field.Default);
                    value = static_cast<Value>(Int(s, key, fallback));
                }
            },
            field.Field);
    }
}

template <class T> T* SkinBuilder::LoadSection(const char* section, const SectionLoad& how) {
    D_.Remove(section);
    const std::string image = Str(section, how.ImageKey);
    if (image.empty())
        return nullptr;
    auto element = std::make_unique<T>(section);
    ReadFields<TDataSkinObject>(*element, kObjectFields, section, how.Groups, how.ImageKey);
    if (element->Tile > 1)
        element->Tile = how.TileAbove1;
    T* loaded = element.get();
    D_.Put(std::move(element));
    return loaded;
}

void SkinBuilder::LoadGeneric(const char* section) {
    LoadSection<TDataSkinObject>(section, {});
}

void SkinBuilder::LoadWithSecondImage(const char* section, const char* secondKey) {
    const SectionLoad how{.Groups = Without(TFieldGroup::All, TFieldGroup::Frame)};
    if (auto* element = LoadSection<TDataSkinBorder>(section, how))
        LoadImage(element->Image2, Str(section, secondKey));
}

void SkinBuilder::LoadProgress() {
    LoadSection<TDataSkinBorder>(
        "Progress",
        {.ImageKey = "Bitmap",
         .Groups = Without(TFieldGroup::All, TFieldGroup::Frame | TFieldGroup::TextColours),
         .TileAbove1 = 1});
}

void SkinBuilder::LoadGroupBox() {
    const char* section = "GroupBox";
    if (auto* element = LoadSection<TDataSkinBoxLabel>(
            section, {.Groups = Without(TFieldGroup::All, TFieldGroup::Frame)}))
        ReadFields<TDataSkinBoxLabel>(*element, kBoxLabelFields, section);
}

// Always present and refilled in place; its image is the "Bitmap" key, and it
// has no style or frame count of its own.
void SkinBuilder::LoadButtons() {
    const char* section = "Buttons";
    TDataSkinButton& b = D_.Buttons;
    ReadFields<TDataSkinObject>(b, kObjectFields, section,
                                Without(TFieldGroup::All, TFieldGroup::Frame | TFieldGroup::Style),
                                "Bitmap");
    ReadFields<TDataSkinButton>(b, kButtonFields, section);
    if (b.Tile > 1)
        b.Tile = 0;
}

void SkinBuilder::LoadTitle() {
    TDataSkinTitle& t = D_.Title;
    ReadFields<TDataSkinObject>(t, kTitleKeys, kPersonality);
    t.BottomHeight = 0;
    ReadFields<TDataSkinTitle>(t, kTitleFields, kPersonality);
    t.Frame = 2;
}

// The menu-bar strip. Its LeftWidth and RightWidth carry the two tiling flags
// of the strip's ends, not margins.
void SkinBuilder::LoadMenuBar() {
    D_.Remove(kPersonality);
    if (Str(kPersonality, "menuBar").empty())
        return;
    auto element = std::make_unique<TDataSkinObject>(kPersonality);
    ReadFields<TDataSkinObject>(*element, kMenuBarKeys, kPersonality);
    element->Tile = std::min(element->Tile, 1);
    element->Frame = 2;
    D_.Put(std::move(element));
}

void SkinBuilder::LoadRow(const ElementRow& row) {
    switch (row.Kind) {
    case LoaderKind::Buttons:
        LoadButtons();
        break;
    case LoaderKind::Title:
        LoadTitle();
        break;
    case LoaderKind::Progress:
        LoadProgress();
        break;
    case LoaderKind::Generic:
        LoadGeneric(row.Section);
        break;
    case LoaderKind::MenuBar:
        LoadMenuBar();
        break;
    case LoaderKind::GroupBox:
        LoadGroupBox();
        break;
    case LoaderKind::WithSecondImage:
        LoadWithSecondImage(row.Section, row.SecondKey);
        break;
    case LoaderKind::None:
        break;
    }
    RunAfterLoad(row);
}

// The built-in track images stand in for a skin without its own.
std::unique_ptr<TDataSkinObject> BuiltinTrackElement(const char* name, Bitmap image) {
    auto element = std::make_unique<TDataSkinObject>(name);
    element->Image = std::move(image);
    element->SetMargins({3, 3, 3, 3});
    element->Tile = 0;
    element->Frame = 1;
    return element;
}

void SkinBuilder::RunAfterLoad(const ElementRow& row) {
    switch (row.After) {
    case AfterLoad::Nothing:
        break;
    case AfterLoad::ClampMarginsTo4:
        if (TDataSkinObject* pane = D_.Find(row.Section)) {
            const Margins m = pane->GetMargins();
            pane->SetMargins({std::min(m.Left, 4), std::min(m.Top, 4), std::min(m.Right, 4),
                              std::min(m.Bottom, 4)});
        }
        break;
    case AfterLoad::MirrorComboButtonImage:
        if (auto* combo = D_.FindAs<TDataSkinBorder>("ComboButton");
            combo && !combo->Image.IsEmpty()) {
            combo->Image2 = combo->Image;
            combo->Image2.SetFormat(PixelFormat::Rgb24);
            Mirror(combo->Image2);
        }
        break;
    case AfterLoad::BuiltinTrack:
        if (!D_.Find(row.Section))
            D_.Put(BuiltinTrackElement("Track", BuiltinTrackImage()));
        break;
    case AfterLoad::BuiltinTrackVert:
        if (!D_.Find(row.Section))
            D_.Put(BuiltinTrackElement("TRACKVERT", BuiltinTrackVertImage()));
        break;
    }
}

void SkinBuilder::ApplyFrameRule(const ElementRow& row) {
    TDataSkinObject* element = row.Section ? D_.Find(row.Section) : nullptr;
    if (!element)
        return;
    switch (row.Rule) {
    case FrameRule::FromKey:
        break;
    case FrameRule::Fixed:
        element->Frame = row.Frames;
        break;
    case FrameRule::ProgressStyle:
        element->Frame = element->Style != 0 ? 1 : 2;
        break;
    case FrameRule::FixedWhenZero:
        if (element->Frame == 0)
            element->Frame = row.Frames;
        break;
    case FrameRule::FrameCountKey:
        element->Frame = Int(row.Section, "FrameCount", row.Frames);
        break;
    }
}

// A check or radio strip without a stated frame count: frames are 13 pixels
// wide in images under 16 pixels high, else 16; never fewer than 4 frames.
int DerivedFrameCount(const Bitmap& image) {
    const int frames = image.Width() / (image.Height() < 16 ? 13 : 16);
    return std::max(frames, 4);
}

void SkinBuilder::DeriveCheckAndRadioFrames() {
    TDataSkinButton& b = D_.Buttons;
    if (b.RadioButtonFrame == 0)
        b.RadioButtonFrame = DerivedFrameCount(b.RadioImage);
    if (b.CheckButtonFrame == 0)
        b.CheckButtonFrame = DerivedFrameCount(b.CheckImage);
}

Transparency TransparencyOf(const TDataSkinObject& element) {
    return element.Trans != 0 ? Transparency::KeyColour : Transparency::Opaque;
}

// The combo box picture: the sunken edge with the button drawn into its right
// end, frame by frame in 50 x 21 cells, with the edit area left transparent.
void SkinBuilder::BuildComboComposite() {
    TDataSkinObject* sunk = D_.Find("SunkEdge");
    TDataSkinObject* combo = D_.Find("ComboButton");
    if (!sunk || !combo)
        return;
    const int b = Options_.HScrollArrowWidth + 2;
    const int frames = std::max(sunk->Frame, 0);
    const Pixel key = PixelOf(kKeyColour);
    Bitmap result(kComboCellWidth * frames, kComboCellHeight, PixelFormat::Rgb24, key);
    const TDataSkinObject* extra = D_.Find("ExtraImages");
    const Rect cell = RectOfSize(0, 0, kComboCellWidth, kComboCellHeight);
    const Rect buttonPart{kComboCellWidth - b, 0, kComboCellWidth, kComboCellHeight};
    for (int k = 1; k <= frames; ++k) {
        Bitmap work(kComboCellWidth, kComboCellHeight, PixelFormat::Rgb24, key);
        DrawSlicedFrame(work, cell, sunk->Image, FrameLayout::Horizontal, MiddleFill::Stretch,
                        TransparencyOf(*sunk), sunk->Frame, k, sunk->GetMargins());
        DrawSlicedFrame(work, buttonPart, combo->Image, FrameLayout::Horizontal,
                        MiddleFill::Stretch, Transparency::KeyColour, combo->Frame, k,
                        combo->GetMargins());
        if (extra)
            DrawFrameCentred(work, buttonPart, extra->Image, Transparency::KeyColour, extra->Frame,
                             k);
        work.FillRect(Rect{2, 2, kComboCellWidth - 1 - b, 18}, key);
        DrawBitmap(result, kComboCellWidth * (k - 1), 0, work);
    }
    const Margins sunkMargins = sunk->GetMargins();
    combo->Style = 2;
    combo->SetMargins({2, sunkMargins.Top, b + 2, sunkMargins.Bottom});
    combo->Image = result;
    Mirror(result);
    sunk->Image = std::move(result);
    sunk->LeftWidth = b + 2;
    sunk->RightWidth = 2;
}

void SkinBuilder::BuildComboxArrow() {
    TDataSkinObject* arrow = D_.Find("ComboxArrow");
    if (!arrow)
        arrow = &D_.Put(std::make_unique<TDataSkinObject>("ComboxArrow"));
    const TDataSkinObject* sunk = D_.Find("SunkEdge");
    const TDataSkinObject* combo = D_.Find("ComboButton");
    if (!sunk) {
        if (combo) {
            arrow->Image = combo->Image;
            ReplaceKeyColour(arrow->Image, D_.Colours.ButtonFace);
            arrow->Frame = combo->Frame;
        }
        return;
    }
    if (!combo || combo->Style != 2)
        return;
    const int frames = std::max(sunk->Frame, 0);
    const int w = frames > 0 ? combo->Image.Width() / frames : 0;
    Bitmap image(kComboArrowSize * frames, kComboArrowSize, PixelFormat::Rgb24, kOpaque);
    for (int k = 1; k <= frames; ++k) {
        const Bitmap part = CopyPart(combo->Image, Rect{k * w - 19, 2, k * w - 2, 19});
        DrawBitmap(image, kComboArrowSize * (k - 1), 0, part);
    }
    arrow->Image = std::move(image);
    arrow->Frame = sunk->Frame;
}

// A soft vertical gradient for tool bars, from a light face colour down to a
// shade of the frame colour.
void SkinBuilder::BuildToolbar() {
    TDataSkinObject* toolbar = D_.Find("Toolbar");
    if (!toolbar)
        toolbar = &D_.Put(std::make_unique<TDataSkinObject>("Toolbar"));
    const Colour frame = ComputeFrameColour();
    const Colour top = Blend(D_.Colours.ButtonFace, kWhite, 150);
    Colour bottom = Blend(0x808080u, frame, 150);
    const int s = SaturationMeasure(frame);
    if (s > 110)
        bottom = Blend(frame, kWhite, (5625 - 25 * s) / 140 + 50);
    toolbar->Image = Bitmap(10, 40, PixelFormat::Rgb24, kOpaque);
    GradientFill(toolbar->Image, toolbar->Image.Bounds(), top, GradientDirection::Vertical, bottom);
    toolbar->Frame = 1;
}

// The top border's colour a third of the way into its first frame. A frame
// count below 1 counts as 1, so a careless "TopFrame=0" cannot divide by zero.
Colour SkinBuilder::ComputeFrameColour() const {
    const Bitmap& image = D_.Top.Image;
    if (image.IsEmpty())
        return D_.Colours.ButtonFace;
    const int frames = std::max(D_.Top.Frame, 1);
    const int x = image.Width() / 3;
    const int y = (image.Height() / frames) / 3;
    return ColourOf(image.At(x, y));
}

void SkinBuilder::Build() {
    Ini_.GetSections(&D_.Sections);
    D_.SkinName = Str("TitlebarSkin", "SkinName");
    LoadBorders();
    D_.Colours = LoadColourScheme(Ini_);
    LoadTitleButtons();
    for (const ElementRow& row : kElementRows)
        LoadRow(row);
    for (const ElementRow& row : kElementRows)
        ApplyFrameRule(row);
    DeriveCheckAndRadioFrames();
    BuildComboComposite();
    BuildComboxArrow();
    BuildToolbar();
    D_.FrameColour = ComputeFrameColour();
}

} // namespace

void BuildSkinDefinition(const TQuickIni& ini, const TSkinReader& members,
                         TSkinDefinition& definition, const TSkinLoadOptions& options) {
    SkinBuilder(ini, members, definition, options).Build();
}

namespace {

void BuildFromMembers(const TSkinReader& reader, TSkinDefinition& definition,
                      const TSkinLoadOptions& options) {
    std::vector<std::uint8_t> iniBytes;
    std::string iniName;
    reader.FindContaining(".ini", iniBytes, iniName);
    TQuickIni ini;
    ini.LoadBytes(iniBytes);
    TSkinDefinition built;
    BuildSkinDefinition(ini, reader, built, options);
    definition = std::move(built);
}

} // namespace

bool LoadSkinDefinition(std::span<const std::uint8_t> packed, TSkinDefinition& definition,
                        const TSkinLoadOptions& options, MessageSink sink) {
    TSkinReader reader(std::move(sink));
    if (!reader.Unpack(packed))
        return false;
    BuildFromMembers(reader, definition, options);
    return true;
}

bool LoadSkinDefinitionFromPayload(std::span<const std::uint8_t> payload,
                                   TSkinDefinition& definition, const TSkinLoadOptions& options,
                                   MessageSink sink) {
    TSkinReader reader(std::move(sink));
    if (!reader.ReadPayload(payload))
        return false;
    BuildFromMembers(reader, definition, options);
    return true;
}

bool IsKnownSection(std::string_view section) {
    for (const ElementRow& row : kElementRows)
        if (row.Section && SameName(row.Section, section))
            return true;
    for (const char* other : kOtherSections)
        if (SameName(other, section))
            return true;
    const std::string upper = UpperAscii(section);
    if (upper == "COLOURS" || StartsWith(upper, "COLOUR") || StartsWith(upper, "BUTTON"))
        return true;
    return false;
}

} // namespace veyra
