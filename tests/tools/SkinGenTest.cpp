// The product's own skins as they are checked in (skins/default, skins/dark,
// drawn by tools/skingen): every picture the definition names is there and
// readable, its width divides into the frames the engine cuts it into, the
// pictures the engine copies opaque carry no key colour, the window frame's
// key pixels form clean rounded top corners, and the folder survives packing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestData.h"
#include "skin/imaging/BmpReader.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"
#include "tools/packer/SkinPacker.h"

namespace veyra {
namespace {

namespace fs = std::filesystem;

fs::path SkinDir(const std::string& name) {
    return test::TestDataDir() / ".." / ".." / "skins" / name;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// One picture named by the definition: where, under which key, and the file.
struct ImageRef {
    std::string Section;
    std::string Key;
    std::string File;
};

bool IsKey(Pixel p) {
    return SameRgb(p, PixelOf(kKeyColour));
}

// How many frames the engine cuts a picture into, and which way.
struct FrameCut {
    int Frames = 1;
    bool Stacked = false;
};

class ProductSkin : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        Dir_ = SkinDir(GetParam());
        const std::vector<std::uint8_t> text = test::ReadTestFile(Dir_ / "skin.ini");
        Ini_.LoadBytes(text);
        ParseImageRefs(std::string(text.begin(), text.end()));
    }

    // Every value that names a picture (the loader takes only ".bmp" ones;
    // anything with another ending is collected too so the test can object).
    void ParseImageRefs(const std::string& text) {
        std::string section;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            const std::string line(
                TQuickIni::Trim(std::string_view(text).substr(start, end - start)));
            start = end + 1;
            if (line.empty() || line[0] == ';')
                continue;
            if (line.front() == '[' && line.back() == ']') {
                section = line.substr(1, line.size() - 2);
                continue;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string::npos)
                continue;
            const std::string value = line.substr(eq + 1);
            if (EndsWith(Lower(value), ".bmp") || EndsWith(Lower(value), ".png"))
                Refs_.push_back({section, line.substr(0, eq), value});
        }
    }

    int Int(const char* section, const std::string& key, int defaultValue) const {
        return Ini_.ReadInteger(section, key, defaultValue);
    }

    Bitmap Load(const std::string& file) const { return ReadBmp(test::ReadTestFile(Dir_ / file)); }

    const ImageRef* Find(const std::string& section, const std::string& key) const {
        for (const ImageRef& ref : Refs_)
            if (Lower(ref.Section) == Lower(section) && Lower(ref.Key) == Lower(key))
                return &ref;
        return nullptr;
    }

    // The engine's frame count for the picture under section/key, or none
    // when this test does not know the element (which fails the test).
    std::optional<FrameCut> CutOf(const ImageRef& ref) const {
        const std::string section = Lower(ref.Section), key = Lower(ref.Key);
        if (section == "personality") {
            // Left and Right side by side, Top and Bottom stacked, two
            // caption backs stacked, two menu-bar looks side by side.
            for (const char* border : {"left", "right", "top", "bottom"})
                if (key == border)
                    return FrameCut{Int("Personality", ref.Key + "Frame", 1),
                                    key == "top" || key == "bottom"};
            if (key == "textback")
                return FrameCut{2, true};
            if (key == "menubar")
                return FrameCut{2, false};
            return std::nullopt;
        }
        if (section.rfind("button.", 0) == 0 && key == "buttonimage")
            return FrameCut{std::max(1, Int(ref.Section.c_str(), "frame", 0)), false};
        if (section == "buttons") {
            if (key == "checkbutton")
                return FrameCut{Int("Buttons", "CheckButtonFrame", 0), false};
            if (key == "radiobutton")
                return FrameCut{Int("Buttons", "RadioButtonFrame", 0), false};
            return FrameCut{5, false};
        }
        if (section == "progress")
            return FrameCut{Int("Progress", "Style", 0) == 0 ? 2 : 1, false};
        if (section == "horzscrollthumb" || section == "vertscrollthumb")
            return FrameCut{Int(ref.Section.c_str(), "FrameCount", 3), false};
        if (section == "headerbar") {
            const int frames = Int("Headerbar", "Frame", 0);
            return FrameCut{frames == 0 ? 5 : frames, false};
        }
        if (section == "tabs")
            return FrameCut{key == "border" ? 1 : 5, false};
        if (section == "progress.chunk" || section == "track" || section == "trackvert")
            return FrameCut{std::max(1, Int(ref.Section.c_str(), "Frame", 1)), false};
        if (section.rfind("trackbar.thumb", 0) == 0)
            return FrameCut{5, false};
        // Counts the loader fixes whatever the definition says.
        static const std::map<std::string, int> fixed{
            {"tab.pane", 1},     {"statusbaredges", 3}, {"combobutton", 4},    {"sunkedge", 4},
            {"extraimages", 5},  {"menuitem", 5},       {"menubackground", 1}, {"scrollbar", 23},
            {"horzscroll", 4},   {"vertscroll", 4},     {"updown.horz", 8},    {"updown.vert", 8},
            {"groupboxedge", 2}, {"groupbox", 1},       {"toolbars", 5},       {"mdicontrols", 12}};
        if (const auto it = fixed.find(section); it != fixed.end())
            return FrameCut{it->second, false};
        return std::nullopt;
    }

    fs::path Dir_;
    TQuickIni Ini_;
    std::vector<ImageRef> Refs_;
};

TEST_P(ProductSkin, EveryPictureNamedIsAReadable24BitBmpInTheFolder) {
    ASSERT_FALSE(Refs_.empty());
    for (const ImageRef& ref : Refs_) {
        SCOPED_TRACE(ref.Section + "/" + ref.Key + " = " + ref.File);
        // The loader ignores any other ending, and names are looked up by
        // their file-name part only.
        EXPECT_TRUE(EndsWith(ref.File, ".bmp"));
        EXPECT_EQ(ref.File.find_first_of("\\/:"), std::string::npos);
        ASSERT_TRUE(fs::is_regular_file(Dir_ / ref.File));
        const std::vector<std::uint8_t> bytes = test::ReadTestFile(Dir_ / ref.File);
        ASSERT_GE(bytes.size(), 30u);
        EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << "not a 24-bit file";
        EXPECT_FALSE(ReadBmp(bytes).IsEmpty());
    }
}

TEST_P(ProductSkin, FolderHoldsNothingButTheDefinitionAndItsPictures) {
    // Everything in the folder is packed into the skin; a picture left over
    // from an older generator would be shipped for nothing.
    std::set<std::string> used{"skin.ini"};
    for (const ImageRef& ref : Refs_)
        used.insert(ref.File);
    std::uintmax_t total = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(Dir_)) {
        EXPECT_TRUE(used.count(entry.path().filename().string())) << entry.path().filename();
        total += entry.file_size();
    }
    EXPECT_LT(total, 300u * 1024) << "the skin's sources have grown past their budget";
}

TEST_P(ProductSkin, EveryPictureDividesIntoTheFramesTheEngineCuts) {
    for (const ImageRef& ref : Refs_) {
        SCOPED_TRACE(ref.Section + "/" + ref.Key + " = " + ref.File);
        const std::optional<FrameCut> cut = CutOf(ref);
        ASSERT_TRUE(cut.has_value()) << "an element this test does not know how the engine cuts";
        ASSERT_GE(cut->Frames, 1);
        const Bitmap image = Load(ref.File);
        const int length = cut->Stacked ? image.Height() : image.Width();
        EXPECT_EQ(length % cut->Frames, 0) << length << " pixels into " << cut->Frames << " frames";
    }
    // The counts of the check and radio glyphs must be given: derived from
    // the picture's height they would come out wrong for 13-pixel glyphs.
    EXPECT_GT(Int("Buttons", "CheckButtonFrame", 0), 0);
    EXPECT_GT(Int("Buttons", "RadioButtonFrame", 0), 0);
}

TEST_P(ProductSkin, PicturesCopiedOpaqueHaveNoKeyPixels) {
    // These are copied as they are, so a key pixel would show as magenta.
    const std::pair<const char*, const char*> opaque[] = {
        {"StatusBarEdges", "Image"}, {"Headerbar", "Image"},      {"Track", "Image"},
        {"TRACKVERT", "Image"},      {"HorzScroll", "Image"},     {"VertScroll", "Image"},
        {"Tabs", "Border"},          {"MenuBackground", "Image"}, {"Personality", "Bottom"},
        {"Personality", "menuBar"}};
    for (const auto& [section, key] : opaque) {
        SCOPED_TRACE(std::string(section) + "/" + key);
        const ImageRef* ref = Find(section, key);
        ASSERT_NE(ref, nullptr);
        const Bitmap image = Load(ref->File);
        int keys = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                keys += IsKey(image.At(x, y)) ? 1 : 0;
        EXPECT_EQ(keys, 0);
    }
}

// The key pixels of one frame of a border: in each row they must run from
// the window's outer edge inwards without a gap (a gap would cut a hole into
// the window region), and must lie where the engine never stretches.
void ExpectCornerShape(const Bitmap& image, const Rect& frame, bool outerEdgeLeft, int keptRows,
                       int keptLeft, int keptRight) {
    int cornerRows = 0;
    for (int y = frame.Top; y < frame.Bottom; ++y) {
        int run = 0;
        bool inRun = true;
        for (int i = 0; i < frame.Width(); ++i) {
            const int x = outerEdgeLeft ? frame.Left + i : frame.Right - 1 - i;
            const bool key = IsKey(image.At(x, y));
            if (key && !inRun)
                ADD_FAILURE() << "a key pixel inside the frame at (" << x << ", " << y << ")";
            if (!key) {
                inRun = false;
                continue;
            }
            ++run;
            const bool keptRow = y - frame.Top < keptRows;
            const bool keptColumn = x - frame.Left < keptLeft || x >= frame.Right - keptRight;
            if (!keptRow || !keptColumn)
                ADD_FAILURE() << "a key pixel where the engine stretches, at (" << x << ", " << y
                              << ")";
        }
        if (run > 0)
            ++cornerRows;
    }
    EXPECT_GT(cornerRows, 0) << "no rounded corner";
}

TEST_P(ProductSkin, WindowFrameHasKeyedRoundedTopCornersAndNoHoles) {
    ASSERT_EQ(Int("Personality", "LeftTrans", 1), 1);
    ASSERT_EQ(Int("Personality", "RightTrans", 1), 1);
    ASSERT_EQ(Int("Personality", "TopTrans", 1), 1);
    const int title = Int("Personality", "LeftTopHeight", 0);
    for (const char* side : {"Left", "Right"}) {
        SCOPED_TRACE(side);
        const Bitmap image = Load(Find("Personality", side)->File);
        const int frames = Int("Personality", std::string(side) + "Frame", 1);
        ASSERT_EQ(frames, 2) << "an active and an inactive look";
        const int w = image.Width() / frames;
        for (int k = 0; k < frames; ++k) {
            const Rect frame{k * w, 0, (k + 1) * w, image.Height()};
            const bool left = std::string(side) == "Left";
            // Only the kept top part (the title's height) may hold key pixels.
            ExpectCornerShape(image, frame, left, title, w, 0);
            EXPECT_TRUE(IsKey(image.At(left ? frame.Left : frame.Right - 1, 0)));
            EXPECT_FALSE(IsKey(image.At(left ? frame.Left : frame.Right - 1, frame.Bottom - 1)))
                << "the bottom corners are square";
        }
    }
    const Bitmap top = Load(Find("Personality", "Top")->File);
    const int frameHeight = top.Height() / 2;
    const int keptLeft = Int("Personality", "TopTopHeight", 0),
              keptRight = Int("Personality", "TopBotHeight", 0);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE("Top frame " + std::to_string(k + 1));
        const Rect frame{0, k * frameHeight, top.Width(), (k + 1) * frameHeight};
        // Left half from the left, right half from the right: each corner
        // is a run from its own end.
        const int half = top.Width() / 2;
        ExpectCornerShape(top, {0, frame.Top, half, frame.Bottom}, true, frameHeight, keptLeft, 0);
        ExpectCornerShape(top, {half, frame.Top, top.Width(), frame.Bottom}, false, frameHeight, 0,
                          keptRight);
        EXPECT_TRUE(IsKey(top.At(0, frame.Top)));
        EXPECT_TRUE(IsKey(top.At(top.Width() - 1, frame.Top)));
        // The frame colour is read from the Top picture a third of the way
        // in; it must be a real colour.
        EXPECT_FALSE(IsKey(top.At(top.Width() / 3, frame.Top + frameHeight / 3)));
    }
    // The corner continues across the seam between the Left and the Top
    // picture: the Top's first column is keyed down to at least the row
    // where the Left's last column stops being keyed.
    const Bitmap left = Load(Find("Personality", "Left")->File);
    const int leftWidth = left.Width() / 2;
    int leftRows = 0, topRows = 0;
    while (leftRows < frameHeight && IsKey(left.At(leftWidth - 1, leftRows)))
        ++leftRows;
    while (topRows < frameHeight && IsKey(top.At(0, topRows)))
        ++topRows;
    EXPECT_LE(topRows, leftRows) << "the corner must be highest at the window's edge";
    EXPECT_GT(topRows, 0);
}

TEST_P(ProductSkin, PackedSkinFindsItsDefinitionAndEveryPicture) {
    std::vector<tools::PackMember> members;
    for (const fs::directory_entry& entry : fs::directory_iterator(Dir_))
        members.push_back({entry.path().filename().string(), test::ReadTestFile(entry.path())});
    TSkinReader reader([](std::string_view) {});
    ASSERT_TRUE(reader.Unpack(tools::PackSkin(members, TSkinReader::kFormat20000)));
    std::vector<std::uint8_t> ini;
    std::string found;
    reader.FindContaining(".ini", ini, found);
    EXPECT_EQ(found, "skin.ini");
    TQuickIni packedIni;
    packedIni.LoadBytes(ini);
    EXPECT_EQ(packedIni.ReadString("TitlebarSkin", "SkinName", ""),
              Ini_.ReadString("TitlebarSkin", "SkinName", "?"));
    for (const ImageRef& ref : Refs_) {
        std::vector<std::uint8_t> bytes;
        reader.ExtractByName(ref.File, bytes);
        EXPECT_EQ(bytes, test::ReadTestFile(Dir_ / ref.File)) << ref.File;
    }
}

// The three numbers of a colour value; fewer when the value has fewer.
std::vector<int> Numbers(const std::string& value) {
    std::vector<int> numbers;
    bool inNumber = false;
    for (char c : value) {
        const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (digit && !inNumber)
            numbers.push_back(0);
        if (digit)
            numbers.back() = numbers.back() * 10 + (c - '0');
        inNumber = digit;
    }
    return numbers;
}

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminance(int red, int green, int blue) {
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST_P(ProductSkin, ColourSchemeGivesAllSixteenMembersAsThreeNumbers) {
    for (const char* key :
         {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
          "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
          "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
        SCOPED_TRACE(key);
        const std::vector<int> numbers = Numbers(Ini_.ReadString("Colours", key, ""));
        ASSERT_EQ(numbers.size(), 3u);
        for (int n : numbers)
            EXPECT_LE(n, 255);
    }
}

TEST_P(ProductSkin, TextStandsOutFromWhatItIsDrawnOn) {
    const auto scheme = [&](const char* key) {
        const std::vector<int> n = Numbers(Ini_.ReadString("Colours", key, ""));
        return n.size() == 3 ? Luminance(n[0], n[1], n[2]) : -1.0;
    };
    // Body text: the usual 4.5 : 1 for normal text; selections at least 3 : 1.
    EXPECT_GE(Contrast(scheme("ButtonText"), scheme("ButtonFace")), 4.5);
    EXPECT_GE(Contrast(scheme("MenuText"), scheme("Menu")), 4.5);
    EXPECT_GE(Contrast(scheme("MenuBarText"), scheme("Menubar")), 4.5);
    EXPECT_GE(Contrast(scheme("HilightText"), scheme("Hilight")), 3.0);
    // Captions over the middle of the title bar, active (frame 1) and
    // inactive (frame 2); an inactive caption may be quieter.
    const Bitmap top = Load(Find("Personality", "Top")->File);
    const int frameHeight = top.Height() / 2;
    const auto titleAt = [&](int frame) {
        const Colour c = ColourOf(top.At(top.Width() / 2, frame * frameHeight + frameHeight / 2));
        return Luminance(RedOf(c), GreenOf(c), BlueOf(c));
    };
    EXPECT_GE(Contrast(scheme("TitleTextActive"), titleAt(0)), 4.5);
    EXPECT_GE(Contrast(scheme("TitleTextNoActive"), titleAt(1)), 3.0);
}

INSTANTIATE_TEST_SUITE_P(Skins, ProductSkin, ::testing::Values("default", "dark"));

} // namespace
} // namespace veyra
