#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/ClassInfo.h"
#include "framework/CustomForm.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "framework/Timer.h"
#include "framework/WebBrowser.h"

namespace veyra {
namespace {

std::vector<std::string>& LoadedLog() {
    static std::vector<std::string> log;
    return log;
}

// A timer that notes when its Loaded runs.
class TLoggingTimer : public TTimer {
    VEYRA_CLASS()
public:
    using TTimer::TTimer;
    void Loaded() override {
        TTimer::Loaded();
        LoadedLog().push_back(Name());
    }
};

const TClassInfo& TLoggingTimer::StaticClass() {
    static const TClassInfo info(
        "TLoggingTimer", &TTimer::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TLoggingTimer(owner); });
    return info;
}

// A form that reads any description and has one published method.
class TReaderForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TReaderForm(TComponent* owner) : TForm(owner) {
        RegisterFrameworkClasses();
        RegisterComponentClass(TLoggingTimer::StaticClass());
    }
    void Loaded() override {
        TForm::Loaded();
        LoadedLog().push_back(Name());
    }
    void Clicked(TObject* sender) { Senders.push_back(sender); }
    std::vector<TObject*> Senders;
};

const TClassInfo& TReaderForm::StaticClass() {
    static const TClassInfo info("TReaderForm", &TForm::StaticClass(), {}, nullptr,
                                 {{"Clicked", [](TObject& self, TObject* sender) {
                                       static_cast<TReaderForm&>(self).Clicked(sender);
                                   }}});
    return info;
}

TEST(FormReader, BuildsTheTreeResolvesReferencesAndRunsLoadedInCreationOrder) {
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

TEST_P(BrokenFormRead, FailsNamingTheLineAndLeavesNothingBehind) {
    const TBadReadCase& c = GetParam();
    TReaderForm form(nullptr);
    const std::string text = std::string("object Reader: TReaderForm\n") + c.Body + "end\n";
    try {
        TFormReader::Read(form, text);
        FAIL() << c.Title << ": no error";
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), c.Line) << c.Title << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos)
            << c.Title << ": " << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0) << "components made before the error are destroyed";
    EXPECT_EQ(form.ControlCount(), 0);
    EXPECT_FALSE(form.IsLoading());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFormRead,
    testing::Values(
        TBadReadCase{"unknown property", "  Colour = 1\n", 2, "TReaderForm has no property Colour"},
        TBadReadCase{"unknown sub-property", "  Font.Weight = 1\n", 2,
                     "has no property Font.Weight"},
        TBadReadCase{"not a sub-object", "  Left.Value = 1\n", 2, "Left is not a sub-object"},
        TBadReadCase{"text for a number", "  Left = 'ten'\n", 2, "takes a number, not a text"},
        TBadReadCase{"unknown enumeration value", "  Position = poNowhere\n", 2,
                     "one of its value names"},
        TBadReadCase{"unknown set value", "  Anchors = [akLeft, akMiddle]\n", 2,
                     "has no value akMiddle"},
        TBadReadCase{"unknown class", "  object X: TNoSuchThing\n  end\n", 2,
                     "unknown class TNoSuchThing"},
        TBadReadCase{"duplicate name",
                     "  object Pages: TPageControl\n  end\n  object Pages: TPageControl\n  end\n",
                     4, "already exists"},
        TBadReadCase{"control under a non-control",
                     "  object T: TLoggingTimer\n    object P: TPageControl\n    end\n  end\n", 3,
                     "needs a windowed control"},
        TBadReadCase{"dangling reference",
                     "  object Pages: TPageControl\n    ActivePage = Nowhere\n  end\n", 3,
                     "no TTabSheet named Nowhere"},
        TBadReadCase{"reference of the wrong class",
                     "  object Pages: TPageControl\n    ActivePage = Pages\n  end\n", 3,
                     "no TTabSheet named Pages"},
        TBadReadCase{"unknown method", "  OnShow = Nowhere\n", 2,
                     "TReaderForm has no method Nowhere"},
        TBadReadCase{"method name as text", "  OnShow = 'Clicked'\n", 2,
                     "takes a method name, not a text"},
        TBadReadCase{"setter refuses", "  Name = '1bad'\n", 2, "not a valid component name"}),
    [](const testing::TestParamInfo<TBadReadCase>& info) {
        std::string name = info.param.Title;
        for (char& ch : name)
            if (ch == ' ' || ch == '-')
                ch = '_';
        return name;
    });

TEST(FormReader, RefusesADescriptionOfAnotherClass) {
    TReaderForm form(nullptr);
    EXPECT_THROW(TFormReader::Read(form, "object X: TPageControl\nend\n"), EFormDescriptionError);
}

TEST(FormReader, NamesAMissingResource) {
    TReaderForm form(nullptr);
    try {
        TFormReader::ReadFromResource(form, L"NO_SUCH_FORM");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("NO_SUCH_FORM"), std::string::npos);
    }
}

// A component with events of other handler types than notify; one of them is
// inherited, as a component's events often are.
class TEventSource : public TComponent {
    VEYRA_CLASS()
public:
    using TComponent::TComponent;
    std::function<void(TObject* sender, int& count)> OnCount;
    std::function<void(TObject* sender, const std::wstring& text)> OnText;
    TNotifyEvent OnPlain;
};

class TDerivedEventSource : public TEventSource {
    VEYRA_CLASS()
public:
    using TEventSource::TEventSource;
};

const TClassInfo& TEventSource::StaticClass() {
    static const TClassInfo info(
        "TEventSource", &TComponent::StaticClass(),
        TPropertyList<TEventSource>()
            .Event("OnCount", &TEventSource::OnCount)
            .Event("OnText", &TEventSource::OnText)
            .Event("OnPlain", &TEventSource::OnPlain)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TEventSource(owner); });
    return info;
}

const TClassInfo& TDerivedEventSource::StaticClass() {
    // OnCount is registered again on the derived class through the ancestor's member.
    static const TClassInfo info(
        "TDerivedEventSource", &TEventSource::StaticClass(),
        TPropertyList<TDerivedEventSource>().Event("OnCount", &TEventSource::OnCount).Take(),
        [](TComponent* owner) -> TComponent* { return new TDerivedEventSource(owner); });
    return info;
}

// A form that publishes methods of several signatures, and inherits the
// reader form's notify method Clicked.
class TTypedReaderForm : public TReaderForm {
    VEYRA_CLASS()
public:
    explicit TTypedReaderForm(TComponent* owner) : TReaderForm(owner) {
        RegisterComponentClass(TEventSource::StaticClass());
        RegisterComponentClass(TDerivedEventSource::StaticClass());
    }
    void Counted(TObject* sender, int& count) {
        Senders.push_back(sender);
        count += Step;
    }
    void Texted(TObject*, const std::wstring& text) const { Texts.push_back(text); }
    void TextedByValue(TObject*, std::wstring text) { Texts.push_back(text); }
    void Noticed(TObject* sender) noexcept { Senders.push_back(sender); }
    int Step = 5;
    mutable std::vector<std::wstring> Texts;
};

const TClassInfo& TTypedReaderForm::StaticClass() {
    static const TClassInfo info("TTypedReaderForm", &TReaderForm::StaticClass(), {}, nullptr,
                                 {PublishMethod<&TTypedReaderForm::Counted>("Counted"),
                                  PublishMethod<&TTypedReaderForm::Texted>("Texted"),
                                  PublishMethod<&TTypedReaderForm::TextedByValue>("TextedByValue"),
                                  PublishMethod<&TTypedReaderForm::Noticed>("Noticed")});
    return info;
}

// A form class that (wrongly) publishes a method of another form class.
class TMisregisteredForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TMisregisteredForm(TComponent* owner) : TForm(owner) {
        RegisterComponentClass(TEventSource::StaticClass());
    }
};

const TClassInfo& TMisregisteredForm::StaticClass() {
    static const TClassInfo info("TMisregisteredForm", &TForm::StaticClass(), {}, nullptr,
                                 {PublishMethod<&TTypedReaderForm::Counted>("Counted")});
    return info;
}

TEST(FormReaderEvents, BindEachEventToTheRootsMethodOfTheSameSignature) {
    TTypedReaderForm form(nullptr);
    TFormReader::Read(form, "object Typed: TTypedReaderForm\n"
                            "  OnShow = Clicked\n"
                            "  object Source: TEventSource\n"
                            "    OnCount = counted\n"
                            "    OnText = Texted\n"
                            "    OnPlain = Noticed\n"
                            "  end\n"
                            "  object Derived: TDerivedEventSource\n"
                            "    OnCount = Counted\n"
                            "  end\n"
                            "end\n");
    auto* source = As<TEventSource>(form.FindComponent("Source"));
    auto* derived = As<TEventSource>(form.FindComponent("Derived"));
    ASSERT_NE(source, nullptr);
    ASSERT_NE(derived, nullptr);
    ASSERT_TRUE(source->OnCount && source->OnText && source->OnPlain && derived->OnCount &&
                form.OnShow);

    int count = 1;
    source->OnCount(source, count);
    EXPECT_EQ(count, 6) << "the handler's answer comes back through the reference";
    form.Step = 10;
    derived->OnCount(derived, count);
    EXPECT_EQ(count, 16) << "the handler runs on the form itself, not on a copy";
    source->OnText(source, L"\x4E2D text");
    EXPECT_EQ(form.Texts, std::vector<std::wstring>{L"\x4E2D text"});
    source->OnPlain(source);
    form.OnShow(&form);
    EXPECT_EQ(form.Senders, (std::vector<TObject*>{source, derived, source, &form}));
}

TEST(FormReaderEvents, RefuseAMethodOfAnotherSignatureNamingTheLine) {
    struct TCase {
        const char* Binding;
        const char* Fragment;
    };
    const TCase cases[] = {
        {"OnCount = Clicked",
         "the method Clicked of TTypedReaderForm does not take the parameters of the event "
         "OnCount"},
        {"OnPlain = Counted",
         "the method Counted of TTypedReaderForm does not take the parameters"},
        {"OnText = TextedByValue",
         "the method TextedByValue of TTypedReaderForm does not take the parameters"},
        {"OnText = Textet", "TTypedReaderForm has no method Textet"},
    };
    for (const TCase& c : cases) {
        TTypedReaderForm form(nullptr);
        const std::string text = std::string("object Typed: TTypedReaderForm\n"
                                             "  object Before: TEventSource\n"
                                             "  end\n"
                                             "  object Source: TEventSource\n"
                                             "    OnCount = Counted\n    ") +
                                 c.Binding + "\n  end\nend\n";
        try {
            TFormReader::Read(form, text);
            ADD_FAILURE() << c.Binding << ": no error";
        } catch (const EFormDescriptionError& e) {
            EXPECT_EQ(e.Line(), 6) << c.Binding << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos)
                << c.Binding << ": " << e.what();
        }
        EXPECT_EQ(form.ComponentCount(), 0)
            << c.Binding << ": the components made before are destroyed";
    }
}

TEST(FormReaderEvents, AMethodPublishedForAnotherClassIsAnErrorNotACall) {
    TMisregisteredForm form(nullptr);
    try {
        TFormReader::Read(form, "object Wrong: TMisregisteredForm\n"
                                "  object Source: TEventSource\n"
                                "    OnCount = Counted\n"
                                "  end\n"
                                "end\n");
        ADD_FAILURE() << "no error";
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), 3) << e.what();
        EXPECT_NE(std::string(e.what()).find("property OnCount of Source"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(FormReaderEvents, ANotifyMethodMustHaveAFunction) {
    EXPECT_THROW(TMethodInfo("Nothing", nullptr), std::invalid_argument);
}

} // namespace
} // namespace veyra
