#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "UnusableSkinFile.h"
#include "framework/CustomForm.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/PropAccess.h"
#include "skin/component/SkinData.h"
#include "skin/data/SystemColours.h"
#include "tools/packer/SkinPacker.h"

namespace veyra {
namespace {

namespace fs = std::filesystem;

// A packed skin file in the temporary folder, removed at the end of the test.
struct TSkinFile {
    explicit TSkinFile(std::int32_t format, const std::string& name = "veyra-test.skn")
        : Path(fs::temp_directory_path() / name) {
        const std::string ini = "[TitlebarSkin]\r\nSkinName=Probe\r\n";
        std::vector<tools::PackMember> members{
            {"Skin.INI", std::vector<std::uint8_t>(ini.begin(), ini.end())},
            {"title.bmp", std::vector<std::uint8_t>(10, 7)}};
        const std::vector<std::uint8_t> packed = tools::PackSkin(members, format);
        std::ofstream(Path, std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()),
                   static_cast<std::streamsize>(packed.size()));
    }
    ~TSkinFile() { fs::remove(Path); }
    fs::path Path;
};

// The file's bytes as the SkinStream property stores them.
std::vector<std::uint8_t> StoredStreamOf(const TSkinFile& file) {
    std::ifstream in(file.Path, std::ios::binary);
    const std::vector<std::uint8_t> packed{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::uint8_t> stream(4 + packed.size());
    for (int i = 0; i < 4; ++i)
        stream[i] = static_cast<std::uint8_t>(packed.size() >> (8 * i));
    std::copy(packed.begin(), packed.end(), stream.begin() + 4);
    return stream;
}

struct TRecordingSkin {
    TRecordingSkin() {
        Skin.SetMessageSink([this](std::string_view text) { Messages.emplace_back(text); });
    }
    TSkinData Skin{nullptr};
    std::vector<std::string> Messages;
};

TEST(SkinData, StartsWithTheDefaults) {
    TSkinData skin(nullptr);
    EXPECT_FALSE(skin.Active());
    EXPECT_TRUE(skin.NoSkin());
    EXPECT_EQ(skin.DisableTag(), 99);
    EXPECT_EQ(skin.SkinControls() & Bit(xcMenuItem), 0u);
    EXPECT_EQ(skin.SkinControls() & Bit(xcFastReport), 0u);
    EXPECT_EQ(skin.SkinControls() | Bit(xcMenuItem) | Bit(xcFastReport), (1u << 22) - 1);
    EXPECT_EQ(GetSetPropText(&skin, "Options"), "[xoPreview,xoToolbarBK]");
    ASSERT_EQ(skin.Skin3rd().size(), 117u);
    EXPECT_EQ(skin.Skin3rd().front(), L"TCategoryButtons=scrollbar");
    EXPECT_EQ(skin.Skin3rd()[47], L"TDBCheckboxEh=Checkbox");
    EXPECT_EQ(skin.Skin3rd()[48], L"TDBCheckboxEh=Checkbox") << "duplicates are part of the list";
    EXPECT_EQ(skin.Skin3rd().back(), L"TOVCDBNUMERICFIELD=Edit");
    EXPECT_EQ(GetStrPropW(&skin, "Version"), L"4.22.08.28");
    EXPECT_EQ(GetStrPropW(&skin, "SkinStore"), L"(none)");
    EXPECT_EQ(GetEnumPropText(&skin, "SkinFormtype"), "sfMainform");
    EXPECT_EQ(GetEnumPropText(&skin, "MenuUpdate"), "True");
    EXPECT_EQ(GetEnumPropText(&skin, "MenuMerge"), "False");
}

TEST(SkinData, ReadOnlyPropertiesIgnoreWrites) {
    TSkinData skin(nullptr);
    SetPropText(&skin, "Version", L"9.99");
    SetPropText(&skin, "SkinStore", L"(Good)");
    EXPECT_EQ(GetStrPropW(&skin, "Version"), L"4.22.08.28");
    EXPECT_EQ(GetStrPropW(&skin, "SkinStore"), L"(none)");
}

TEST(SkinData, AssigningSkinFileReadsAndUnpacksIt) {
    for (const std::int32_t format : {20000, 30000}) {
        TSkinFile file(format);
        TRecordingSkin r;
        r.Skin.SetSkinFile(file.Path.wstring());
        EXPECT_FALSE(r.Skin.NoSkin()) << format;
        EXPECT_EQ(r.Skin.Skin().SkinName, "Probe");
        EXPECT_EQ(r.Skin.PackedSkin().size(), fs::file_size(file.Path));
        EXPECT_TRUE(r.Messages.empty());
    }
}

TEST(SkinData, AMissingFileLoadsNothing) {
    TRecordingSkin r;
    r.Skin.SetSkinFile(L"C:\\no\\such\\skin.skn");
    EXPECT_TRUE(r.Skin.NoSkin());
    EXPECT_EQ(r.Skin.SkinFile(), L"C:\\no\\such\\skin.skn");
    EXPECT_TRUE(r.Skin.PackedSkin().empty());
    EXPECT_TRUE(r.Messages.empty());
}

TEST(SkinData, AnOlderFormatShowsItsMessageAndKeepsTheSkinOff) {
    TSkinFile good(20000, "veyra-good.skn");
    TSkinFile older(10000, "veyra-older.skn");
    TRecordingSkin r;
    r.Skin.SetSkinFile(good.Path.wstring());
    ASSERT_FALSE(r.Skin.NoSkin());
    r.Skin.SetSkinFile(older.Path.wstring());
    EXPECT_TRUE(r.Skin.NoSkin());
    ASSERT_EQ(r.Messages.size(), 1u);
    EXPECT_EQ(r.Messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(r.Skin.Skin().SkinName, "Probe") << "the previous skin stays";
}

TEST(SkinData, AFileThatIsNoSkinLeavesTheSkinInForceAndSaysNothing) {
    TSkinFile good(20000, "veyra-good.skn");
    TSkinFile older(10000, "veyra-older.skn");
    const fs::path unusable = fs::temp_directory_path() / "veyra-unusable.skn";
    struct TCase {
        const char* Name;
        fs::path Path;
        std::optional<test::TUnusable> Made; // what is put at Path for the case
        std::size_t Messages;
    };
    const TCase cases[] = {
        {"missing", fs::temp_directory_path() / "veyra-no-such.skn", std::nullopt, 0},
        {"folder", unusable, test::TUnusable::Folder, 0},
        {"locked", unusable, test::TUnusable::Locked, 0},
        {"oversized", unusable, test::TUnusable::Oversized, 0},
        {"older", older.Path, std::nullopt, 1},
    };
    for (const TCase& c : cases) {
        std::optional<test::TUnusableSkinFile> file;
        if (c.Made)
            file.emplace(c.Path, *c.Made);
        TRecordingSkin r;
        r.Skin.SetSkinFile(good.Path.wstring());
        ASSERT_TRUE(r.Skin.HasSkin());
        const HBRUSH brush = r.Skin.BackgroundBrush();
        const HFONT font = r.Skin.CaptionFont();
        ASSERT_NE(brush, nullptr);
        ASSERT_NE(font, nullptr);

        EXPECT_NO_THROW(r.Skin.SetSkinFile(c.Path.wstring())) << c.Name;
        EXPECT_TRUE(r.Skin.NoSkin()) << c.Name << ": switching on stays blocked";
        EXPECT_EQ(r.Messages.size(), c.Messages) << c.Name;
        EXPECT_TRUE(r.Skin.HasSkin()) << c.Name;
        EXPECT_EQ(r.Skin.Skin().SkinName, "Probe") << c.Name << ": the elements in force stay";
        EXPECT_EQ(r.Skin.BackgroundBrush(), brush) << c.Name;
        EXPECT_EQ(r.Skin.CaptionFont(), font) << c.Name;
        LOGBRUSH logBrush{};
        EXPECT_EQ(GetObjectW(brush, sizeof logBrush, &logBrush), static_cast<int>(sizeof logBrush))
            << c.Name;
    }

    // Nothing loaded yet: such a file leaves no skin at all.
    const test::TUnusableSkinFile file(unusable, test::TUnusable::Oversized);
    TRecordingSkin fresh;
    EXPECT_NO_THROW(fresh.Skin.SetSkinFile(unusable.wstring()));
    EXPECT_FALSE(fresh.Skin.HasSkin());
    EXPECT_TRUE(fresh.Skin.PackedSkin().empty());
    EXPECT_TRUE(fresh.Messages.empty());
}

TEST(SkinData, ADamagedFileIsAnErrorForTheCaller) {
    const fs::path path = fs::temp_directory_path() / "veyra-damaged.skn";
    std::ofstream(path, std::ios::binary) << "\xFF\xFF\xFF\x7Fgarbage";
    TRecordingSkin r;
    EXPECT_ANY_THROW(r.Skin.SetSkinFile(path.wstring()));
    EXPECT_TRUE(r.Skin.NoSkin());
    fs::remove(path);
}

TEST(SkinData, StoredSkinStreamMustMatchItsLength) {
    TRecordingSkin r;
    EXPECT_THROW(r.Skin.SetSkinStream({5, 0, 0, 0, 1, 2}), std::invalid_argument);
    EXPECT_THROW(r.Skin.SetSkinStream({1, 0}), std::invalid_argument);
    EXPECT_THROW(r.Skin.SetSkinStream({0xFF, 0xFF, 0xFF, 0xFF}), std::invalid_argument);
    r.Skin.SetSkinStream({0, 0, 0, 0});
    EXPECT_TRUE(r.Skin.PackedSkin().empty());

    TSkinFile file(20000);
    std::ifstream in(file.Path, std::ios::binary);
    const std::vector<std::uint8_t> packed{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::uint8_t> stream(4 + packed.size(), 0);
    stream[0] = static_cast<std::uint8_t>(packed.size());
    stream[1] = static_cast<std::uint8_t>(packed.size() >> 8);
    std::copy(packed.begin(), packed.end(), stream.begin() + 4);
    r.Skin.SetSkinStream(stream);
    EXPECT_FALSE(r.Skin.NoSkin()) << "a stored skin is loaded";
    EXPECT_EQ(r.Skin.SkinStream(), stream);
}

TEST(SkinData, AStoredSkinStreamOfLengthZeroHoldsNoSkin) {
    TSkinFile file(20000);
    TRecordingSkin r;
    r.Skin.SetSkinStream(StoredStreamOf(file));
    ASSERT_FALSE(r.Skin.PackedSkin().empty());

    r.Skin.SetSkinStream({0, 0, 0, 0});
    EXPECT_TRUE(r.Skin.PackedSkin().empty()) << "the skin held before does not stay";
    EXPECT_EQ(r.Skin.SkinStream(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_TRUE(r.Skin.HasSkin()) << "the skin in force is not taken from the windows";
}

// Sets one system colour for the scope, and the table of system colours back
// to the built-in defaults, as they are before anything has read the platform's.
class TSystemColourScope {
public:
    TSystemColourScope(int index, COLORREF colour) : Index_(index), Previous_(GetSysColor(index)) {
        SetSysColors(1, &Index_, &colour);
        SystemColours::ResetToDefaults();
    }
    ~TSystemColourScope() {
        SetSysColors(1, &Index_, &Previous_);
        RefreshSystemColours();
    }

private:
    int Index_;
    COLORREF Previous_;
};

TEST(SkinData, GeneratedImagesUseTheSystemColoursOfTheMomentOfLoading) {
    const Colour face = Rgb(200, 40, 90);
    const TSystemColourScope scope(COLOR_BTNFACE, face);
    ASSERT_NE(ResolveColour(clBtnFace), face) << "the table starts stale";

    TSkinFile file(20000); // no [Colours]: ButtonFace is the system's button face
    TRecordingSkin r;
    r.Skin.SetSkinStream(StoredStreamOf(file));
    ASSERT_TRUE(r.Skin.HasSkin());
    ASSERT_EQ(r.Skin.Skin().Colours.ButtonFace, clBtnFace);
    const TDataSkinObject* toolbar = r.Skin.Skin().Find("Toolbar");
    ASSERT_NE(toolbar, nullptr);
    ASSERT_FALSE(toolbar->Image.IsEmpty());
    EXPECT_TRUE(SameRgb(toolbar->Image.At(0, 0), PixelOf(Blend(face, kWhite, 150))))
        << std::hex << toolbar->Image.At(0, 0)
        << ": the tool-bar gradient starts from this machine's button face";
}

// A form that holds a skin component read from a description.
class TSkinHostForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TSkinHostForm(TComponent* owner) : TForm(owner) {
        RegisterComponentClass(TSkinData::StaticClass());
    }
};

const TClassInfo& TSkinHostForm::StaticClass() {
    static const TClassInfo info("TSkinHostForm", &TForm::StaticClass());
    return info;
}

TEST(SkinData, LoadedSwitchesOffWithoutASkinAndSettlesTheMenuKinds) {
    TSkinHostForm form(nullptr);
    TFormReader::Read(form, "object Host: TSkinHostForm\n"
                            "  object Skin: TSkinData\n"
                            "    Active = True\n"
                            "    SkinControls = [xcMainMenu, xcMenuItem, xcSystemMenu]\n"
                            "    Skin3rd = (\n"
                            "      'TMine=button')\n"
                            "  end\n"
                            "end\n");
    auto* skin = As<TSkinData>(form.FindComponent("Skin"));
    ASSERT_NE(skin, nullptr);
    EXPECT_FALSE(skin->Active()) << "stored on, but no skin is held";
    EXPECT_EQ(GetSetPropText(skin, "SkinControls"), "[xcMainMenu,xcSystemMenu]");
    EXPECT_EQ(skin->Skin3rd(), (std::vector<std::wstring>{L"TMine=button"}))
        << "the stored list replaces the default";

    TSkinHostForm other(nullptr);
    TFormReader::Read(other, "object Host: TSkinHostForm\n"
                             "  object Skin: TSkinData\n"
                             "    SkinControls = [xcMenuItem, xcSystemMenu]\n"
                             "  end\n"
                             "end\n");
    EXPECT_EQ(GetSetPropText(other.FindComponent("Skin"), "SkinControls"), "[xcMenuItem]");
}

TEST(SkinData, BrokenStoredSkinStreamNamesItsLine) {
    TSkinHostForm form(nullptr);
    try {
        TFormReader::Read(form, "object Host: TSkinHostForm\n"
                                "  object Skin: TSkinData\n"
                                "    SkinStream = {0900000001}\n"
                                "  end\n"
                                "end\n");
        FAIL();
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_NE(std::string(e.what()).find("SkinStream"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace veyra
