#include <gtest/gtest.h>

#include "framework/ClassInfo.h"
#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/PageControl.h"
#include "framework/PropAccess.h"
#include "framework/TabSheet.h"

namespace veyra {
namespace {

enum TShade { shLight, shDark };

// A component with one published property of every kind.
class TProbe : public TComponent {
    VEYRA_CLASS()
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}

    int Count = 7;
    TShade Shade = shDark;
    bool Flag = true;
    std::uint32_t Bits = 0b101;
    std::string Ansi = "abc";
    std::wstring Wide = L"\x67E5\x8BE2";
    TFont FontValue;
    TComponent* Link = nullptr;
    std::vector<std::wstring> Lines{L"a", L"b"};
    std::vector<std::uint8_t> Data{1, 2};

    int GetCount() const { return Count; }
    void SetCount(int value) {
        if (value < 0)
            throw std::invalid_argument("negative");
        Count = value;
    }
};

const TClassInfo& TProbe::StaticClass() {
    static const TClassInfo info(
        "TProbe", &TComponent::StaticClass(),
        TPropertyList<TProbe>()
            .Integer("Count", &TProbe::GetCount, &TProbe::SetCount, {{"cnMany", 1000}})
            .Enum(
                "Shade", {"shLight", "shDark"}, [](const TProbe& p) { return p.Shade; },
                [](TProbe& p, TShade v) { p.Shade = v; })
            .Bool(
                "Flag", [](const TProbe& p) { return p.Flag; },
                [](TProbe& p, bool v) { p.Flag = v; })
            .Set(
                "Bits", {"bA", "bB", "bC"}, [](const TProbe& p) { return p.Bits; },
                [](TProbe& p, std::uint32_t v) { p.Bits = v; })
            .String(
                "Ansi", [](const TProbe& p) { return p.Ansi; },
                [](TProbe& p, const std::string& v) { p.Ansi = v; })
            .WString(
                "Wide", [](const TProbe& p) { return p.Wide; },
                [](TProbe& p, const std::wstring& v) { p.Wide = v; })
            .WString(
                "ReadOnly", [](const TProbe&) { return std::wstring(L"fixed"); }, nullptr)
            .Object<TFont>(
                "Font", [](const TProbe& p) { return const_cast<TFont*>(&p.FontValue); }, nullptr)
            .Object<TComponent>(
                "Link", [](const TProbe& p) { return p.Link; },
                [](TProbe& p, TComponent* v) { p.Link = v; })
            .Strings(
                "Lines", [](const TProbe& p) { return p.Lines; },
                [](TProbe& p, const std::vector<std::wstring>& v) { p.Lines = v; })
            .Binary(
                "Data", [](const TProbe& p) { return p.Data; },
                [](TProbe& p, const std::vector<std::uint8_t>& v) { p.Data = v; })
            .Take());
    return info;
}

TEST(Properties, ReadEachKindByName) {
    TProbe probe(nullptr);
    EXPECT_EQ(GetIntProp(&probe, "Count"), 7);
    EXPECT_EQ(GetIntProp(&probe, "count"), 7) << "names are matched without regard to case";
    EXPECT_EQ(GetEnumPropText(&probe, "Shade"), "shDark");
    EXPECT_EQ(GetEnumPropText(&probe, "Flag"), "True");
    EXPECT_EQ(GetSetPropText(&probe, "Bits"), "[bA,bC]");
    EXPECT_EQ(GetStrPropW(&probe, "Wide"), L"\x67E5\x8BE2");
    EXPECT_EQ(GetStrPropW(&probe, "Ansi"), L"abc");
    EXPECT_EQ(GetObjectPropOf(&probe, "Font", TFont::StaticClass()), &probe.FontValue);
    EXPECT_EQ(GetObjectPropOf(&probe, "Font", TObject::StaticClass()), &probe.FontValue);
}

TEST(Properties, MissingOrMismatchedReadsAsNothing) {
    TProbe probe(nullptr);
    EXPECT_EQ(GetIntProp(nullptr, "Count"), -1);
    EXPECT_EQ(GetIntProp(&probe, "Nothing"), -1);
    EXPECT_EQ(GetIntProp(&probe, "Shade"), -1) << "an enumeration is not an integer";
    EXPECT_EQ(GetEnumPropText(&probe, "Count"), "");
    EXPECT_EQ(GetEnumPropText(&probe, "Nothing"), "");
    EXPECT_EQ(GetStrPropW(&probe, "Count"), L"");
    EXPECT_EQ(GetStrPropW(nullptr, "Wide"), L"");
    EXPECT_EQ(GetObjectPropOf(&probe, "Font", TComponent::StaticClass()), nullptr)
        << "a font is not a component";
    EXPECT_EQ(GetObjectPropOf(&probe, "Link", TComponent::StaticClass()), nullptr)
        << "an empty reference";
    EXPECT_EQ(GetObjectPropOf(&probe, "Count", TObject::StaticClass()), nullptr);
    EXPECT_EQ(GetSetPropText(&probe, "Flag"), "");
    EXPECT_FALSE(HasProperty(&probe, "Nothing"));
    EXPECT_TRUE(HasProperty(&probe, "Tag")) << "inherited from TComponent";
}

TEST(Properties, SetFromTextByKind) {
    TProbe probe(nullptr);
    EXPECT_TRUE(SetPropText(&probe, "Count", L"42"));
    EXPECT_EQ(probe.Count, 42);
    EXPECT_TRUE(SetPropText(&probe, "Count", L"$1F"));
    EXPECT_EQ(probe.Count, 31);
    EXPECT_TRUE(SetPropText(&probe, "Count", L"cnMany"));
    EXPECT_EQ(probe.Count, 1000);
    EXPECT_TRUE(SetPropText(&probe, "Shade", L"shlight"));
    EXPECT_EQ(probe.Shade, shLight);
    EXPECT_TRUE(SetPropText(&probe, "Flag", L"False"));
    EXPECT_FALSE(probe.Flag);
    EXPECT_TRUE(SetPropText(&probe, "Bits", L"[bB, bC]"));
    EXPECT_EQ(probe.Bits, 0b110u);
    EXPECT_TRUE(SetPropText(&probe, "Wide", L"DDE\x6307\x6807"));
    EXPECT_EQ(probe.Wide, L"DDE\x6307\x6807");
    EXPECT_TRUE(SetPropText(&probe, "Ansi", L"xyz"));
    EXPECT_EQ(probe.Ansi, "xyz");
    EXPECT_TRUE(SetPropText(&probe, "Tag", L"-5"));
    EXPECT_EQ(probe.Tag(), -5);
}

TEST(Properties, SetFromBadTextLeavesTheValue) {
    TProbe probe(nullptr);
    EXPECT_FALSE(SetPropText(&probe, "Count", L"12abc"));
    EXPECT_FALSE(SetPropText(&probe, "Count", L""));
    EXPECT_FALSE(SetPropText(&probe, "Count", L"-3")) << "the setter refuses it";
    EXPECT_EQ(probe.Count, 7);
    EXPECT_FALSE(SetPropText(&probe, "Shade", L"shPurple"));
    EXPECT_EQ(probe.Shade, shDark);
    EXPECT_FALSE(SetPropText(&probe, "Bits", L"[bA, bZ]"));
    EXPECT_FALSE(SetPropText(&probe, "Bits", L"bA"));
    EXPECT_EQ(probe.Bits, 0b101u);
    EXPECT_FALSE(SetPropText(&probe, "ReadOnly", L"other"));
    EXPECT_EQ(GetStrPropW(&probe, "ReadOnly"), L"fixed");
    EXPECT_FALSE(SetPropText(&probe, "Lines", L"x")) << "lists are not written from text";
    EXPECT_FALSE(SetPropText(&probe, "Font", L"x"));
    EXPECT_FALSE(SetPropText(&probe, "Nothing", L"1"));
    EXPECT_FALSE(SetPropText(nullptr, "Count", L"1"));
}

TEST(Properties, ClassNamesAndAncestry) {
    TPageControl pages(nullptr);
    EXPECT_EQ(pages.ClassName(), "TPageControl");
    EXPECT_TRUE(pages.Is<TWinControl>());
    EXPECT_TRUE(pages.ClassType().InheritsFrom("TControl"));
    EXPECT_FALSE(pages.Is<TTabSheet>());
    EXPECT_FALSE(pages.ClassType().InheritsFrom("TCustomForm"));
    EXPECT_EQ(As<TTabSheet>(&pages), nullptr);
    EXPECT_EQ(pages.ClassType().ClassParent(), &TCustomTabControl::StaticClass());
    EXPECT_EQ(pages.ClassType().ClassParent()->ClassParent(), &TWinControl::StaticClass());
    // A property of a parent class is found from the child class, once.
    int anchors = 0;
    for (const TPropInfo* p : pages.ClassType().Properties())
        anchors += p->Name == "Anchors";
    EXPECT_EQ(anchors, 1);
}

TEST(Properties, CreatableClassesAreFoundByName) {
    RegisterComponentClass(TProbe::StaticClass());
    EXPECT_EQ(FindClass("tprobe"), &TProbe::StaticClass());
    EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
    EXPECT_EQ(TProbe::StaticClass().Create(nullptr), nullptr) << "TProbe registers no factory";
}

TEST(Components, NamesAreIdentifiersAndUniquePerOwner) {
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner);
    auto* b = new TProbe(&owner);
    a->SetName("First");
    EXPECT_THROW(b->SetName("first"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    b->SetName("Second");
    EXPECT_EQ(owner.FindComponent("FIRST"), a);
    EXPECT_EQ(owner.ComponentCount(), 2);
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.FindComponent("First"), nullptr);
}

// Records the notifications it receives.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove)
            Removed.push_back(component);
    }
    std::vector<TComponent*> Removed;
};

TEST(Components, WatchersAreToldWhenAComponentGoes) {
    TWatcher watcher(nullptr);
    auto* watched = new TProbe(nullptr);
    watcher.FreeNotification(watched);
    delete watched;
    ASSERT_EQ(watcher.Removed.size(), 1u);
    EXPECT_EQ(watcher.Removed[0], watched);

    // The owner hears of its own components leaving.
    auto* owned = new TProbe(&watcher);
    delete owned;
    EXPECT_EQ(watcher.Removed.back(), owned);
    EXPECT_EQ(watcher.ComponentCount(), 0);
}

// A kept reference moved to another component watches only the new one.
TEST(Components, AReplacedReferenceWatchesOnlyItsNewComponent) {
    TWatcher watcher(nullptr);
    auto* first = new TProbe(nullptr);
    auto* second = new TProbe(nullptr);
    TProbe* kept = nullptr;
    EXPECT_TRUE(watcher.ReplaceFreeNotification(kept, first));
    EXPECT_FALSE(watcher.ReplaceFreeNotification(kept, first));
    EXPECT_TRUE(watcher.ReplaceFreeNotification(kept, second));
    EXPECT_EQ(kept, second);
    delete first;
    EXPECT_TRUE(watcher.Removed.empty()) << "the old one is no longer watched";
    delete second;
    ASSERT_EQ(watcher.Removed.size(), 1u);
    EXPECT_EQ(watcher.Removed[0], second);
}

} // namespace
} // namespace veyra
