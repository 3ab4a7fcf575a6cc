#include <gtest/gtest.h>

#include "framework/CustomForm.h"
#include "framework/Framework.h"
#include "framework/FormReader.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "framework/Timer.h"
#include "framework/WebBrowser.h"

namespace veyra {
namespace {

std::vector<std::string>& LoadedLog()
{
    static std::vector<std::string> log;
    return log;
}

// A timer that notes when its Loaded runs.
class TLoggingTimer : public TTimer {
    VEYRA_CLASS()
public:
    using TTimer::TTimer;
    void Loaded() override
    {
        TTimer::Loaded();
        LoadedLog().push_back(Name());
    }
};

const TClassInfo& TLoggingTimer::StaticClass()
{
    static const TClassInfo info("TLoggingTimer", &TTimer::StaticClass(), {},
                                 [](TComponent* owner) -> TComponent* { return new TLoggingTimer(owner); });
    return info;
}

// A form that reads any description and has one published method.
class TReaderForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TReaderForm(TComponent* owner) : TForm(owner)
    {
        RegisterFrameworkClasses();
        RegisterComponentClass(TLoggingTimer::StaticClass());
    }
    void Loaded() override
    {
        TForm::Loaded();
        LoadedLog().push_back(Name());
    }
    void Clicked(TObject* sender) { Senders.push_back(sender); }
    std::vector<TObject*> Senders;
};

const TClassInfo& TReaderForm::StaticClass()
{
    static const TClassInfo info(
        "TReaderForm", &TForm::StaticClass(), {}, nullptr,
        {{"Clicked", [](TObject& self, TObject* sender) { static_cast<TReaderForm&>(self).Clicked(sender); }}});
    return info;
}

TEST(FormReader, BuildsTheTreeResolvesReferencesAndRunsLoadedInCreationOrder)
{
    LoadedLog().clear();
    TReaderForm form(nullptr);
    TFormReader::Read(form, "object Reader: TReaderForm\n"
                            "  Caption = 'Reader'\n"
                            "  Font.Height = -15\n"
                            "  OnShow = Clicked\n"
                            "  object Pages: TPageControl\n"
                            "    ActivePage = Second\n"
                            "    object First: TTabSheet\n"
                            "      Caption = 'One'\n"
                            "      object TimerA: TLoggingTimer\n"
                            "        Interval = 250\n"
                            "        Enabled = False\n"
                            "      end\n"
                            "    end\n"
                            "    object Second: TTabSheet\n"
                            "      Caption = 'Two'\n"
                            "    end\n"
                            "  end\n"
                            "  object TimerB: TLoggingTimer\n"
                            "    OnTimer = Clicked\n"
                            "  end\n"
                            "end\n");
    EXPECT_EQ(form.Name(), "Reader");
    EXPECT_EQ(form.Caption(), L"Reader");
    EXPECT_EQ(form.Font()->Height(), -15);
    auto* pages = As<TPageControl>(form.FindComponent("Pages"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->Parent(), &form);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), form.FindComponent("Second")) << "a reference to a later object";
    EXPECT_EQ(pages->Font()->Height(), -15) << "children follow the form's font";
    auto* timerA = As<TTimer>(form.FindComponent("TimerA"));
    ASSERT_NE(timerA, nullptr);
    EXPECT_EQ(timerA->Owner(), &form) << "everything is owned by the root";
    EXPECT_EQ(timerA->Interval(), 250);
    EXPECT_FALSE(timerA->Enabled());
    EXPECT_FALSE(timerA->IsLoading());
    EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Reader", "TimerA", "TimerB"}));

    // Events are bound to the root's published methods.
    auto* timerB = As<TTimer>(form.FindComponent("TimerB"));
    ASSERT_TRUE(timerB->OnTimer);
    timerB->OnTimer(timerB);
    ASSERT_TRUE(form.OnShow);
    form.OnShow(&form);
    EXPECT_EQ(form.Senders, (std::vector<TObject*>{timerB, &form}));
}

struct TBadReadCase {
    const char* Title;
    const char* Body; // the lines between the root's header and its "end"
    int Line;
    const char* Fragment;
};

class BrokenFormRead : public testing::TestWithParam<TBadReadCase> {};

TEST_P(BrokenFormRead, FailsNamingTheLineAndLeavesNothingBehind)
{
    const TBadReadCase& c = GetParam();
    TReaderForm form(nullptr);
    const std::string text = std::string("object Reader: TReaderForm\n") + c.Body + "end\n";
    try {
        TFormReader::Read(form, text);
        FAIL() << c.Title << ": no error";
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), c.Line) << c.Title << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos) << c.Title << ": " << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0) << "components made before the error are destroyed";
    EXPECT_EQ(form.ControlCount(), 0);
    EXPECT_FALSE(form.IsLoading());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFormRead,
    testing::Values(
        TBadReadCase{"unknown property", "  Colour = 1\n", 2, "TReaderForm has no property Colour"},
        TBadReadCase{"unknown sub-property", "  Font.Weight = 1\n", 2, "has no property Font.Weight"},
        TBadReadCase{"not a sub-object", "  Left.Value = 1\n", 2, "Left is not a sub-object"},
        TBadReadCase{"text for a number", "  Left = 'ten'\n", 2, "takes a number, not a text"},
        TBadReadCase{"unknown enumeration value", "  Position = poNowhere\n", 2, "one of its value names"},
        TBadReadCase{"unknown set value", "  Anchors = [akLeft, akMiddle]\n", 2, "has no value akMiddle"},
        TBadReadCase{"unknown class", "  object X: TNoSuchThing\n  end\n", 2, "unknown class TNoSuchThing"},
        TBadReadCase{"duplicate name",
                     "  object Pages: TPageControl\n  end\n  object Pages: TPageControl\n  end\n", 4,
                     "already exists"},
        TBadReadCase{"control under a non-control",
                     "  object T: TLoggingTimer\n    object P: TPageControl\n    end\n  end\n", 3,
                     "needs a windowed control"},
        TBadReadCase{"dangling reference", "  object Pages: TPageControl\n    ActivePage = Nowhere\n  end\n", 3,
                     "no TTabSheet named Nowhere"},
        TBadReadCase{"reference of the wrong class",
                     "  object Pages: TPageControl\n    ActivePage = Pages\n  end\n", 3, "no TTabSheet named Pages"},
        TBadReadCase{"unknown method", "  OnShow = Nowhere\n", 2, "TReaderForm has no method Nowhere"},
        TBadReadCase{"setter refuses", "  Name = '1bad'\n", 2, "not a valid component name"}),
    [](const testing::TestParamInfo<TBadReadCase>& info) {
        std::string name = info.param.Title;
        for (char& ch : name)
            if (ch == ' ' || ch == '-')
                ch = '_';
        return name;
    });

TEST(FormReader, RefusesADescriptionOfAnotherClass)
{
    TReaderForm form(nullptr);
    EXPECT_THROW(TFormReader::Read(form, "object X: TPageControl\nend\n"), EFormDescriptionError);
}

TEST(FormReader, NamesAMissingResource)
{
    TReaderForm form(nullptr);
    try {
        TFormReader::ReadFromResource(form, L"NO_SUCH_FORM");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("NO_SUCH_FORM"), std::string::npos);
    }
}

} // namespace
} // namespace veyra
