#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MgrTestSupport.h"
#include "framework/ClassInfo.h"
#include "framework/CustomForm.h"
#include "framework/FormReader.h"
#include "framework/WindowClass.h"
#include "skin/component/SkinData.h"
#include "skin/manager/SkinManage.h"

namespace veyra {
namespace {

using test::MgrTestPackedSkin;
using test::MgrTestPump;

using SkinDataEvents = test::MgrTest;

// The main form of a program that handles every event of its skin component
// in its own methods, as a form designer writes them.
class TSkinEventsForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TSkinEventsForm(TComponent* owner) : TForm(owner) {
        RegisterComponentClass(TSkinData::StaticClass());
    }

    void SkinDataFormSkin(TObject* Sender, const std::wstring& aName, bool& DoSkin) {
        Log.push_back(L"ask " + aName);
        Senders.push_back(Sender);
        DoSkin = aName != L"TRefusedWindow";
    }
    void SkinDataSkinControl(TComponent* Sender, TSkinData* SkinData, TControl* Form,
                             TControl* Control, const std::wstring& ControlClass,
                             TComponent*& SkinnedControl) {
        Log.push_back(L"control " + ControlClass);
        Senders.insert(Senders.end(), {Sender, SkinData, Form, Control});
        SkinnedControl = ControlAnswer;
    }
    void SkinDataBeforeSkinForm(TObject* Sender, HWND ahwnd, const std::wstring& aName) {
        Log.push_back(L"before " + aName);
        Senders.push_back(Sender);
        Windows.push_back(ahwnd);
    }
    void SkinDataAfterSkinForm(TObject* Sender, HWND ahwnd, const std::wstring& aName) {
        Log.push_back(L"after " + aName);
        Senders.push_back(Sender);
        Windows.push_back(ahwnd);
    }
    void SkinDataSkinChanged(TObject* Sender) {
        Log.push_back(L"changed");
        Senders.push_back(Sender);
    }
    // A handler whose DoSkin lacks the reference: its answer could never reach the component.
    void WrongFormSkin(TObject*, const std::wstring&, bool) {}

    std::vector<std::wstring> Log;
    std::vector<TObject*> Senders;
    std::vector<HWND> Windows;
    TComponent* ControlAnswer = nullptr;
};

const TClassInfo& TSkinEventsForm::StaticClass() {
    static const TClassInfo info(
        "TSkinEventsForm", &TForm::StaticClass(), {}, nullptr,
        {PublishMethod<&TSkinEventsForm::SkinDataFormSkin>("SkinDataFormSkin"),
         PublishMethod<&TSkinEventsForm::SkinDataSkinControl>("SkinDataSkinControl"),
         PublishMethod<&TSkinEventsForm::SkinDataBeforeSkinForm>("SkinDataBeforeSkinForm"),
         PublishMethod<&TSkinEventsForm::SkinDataAfterSkinForm>("SkinDataAfterSkinForm"),
         PublishMethod<&TSkinEventsForm::WrongFormSkin>("WrongFormSkin"),
         // Notify methods are still published as plain functions too.
         {"SkinDataSkinChanged", [](TObject& self, TObject* sender) {
              static_cast<TSkinEventsForm&>(self).SkinDataSkinChanged(sender);
          }}});
    return info;
}

// The skin stream property of a component holding the managers' probe skin, as hexadecimal.
std::string StoredSkinStream() {
    const std::vector<std::uint8_t> packed = MgrTestPackedSkin();
    std::string hex;
    const char* digits = "0123456789ABCDEF";
    for (int i = 0; i < 4; ++i) {
        const auto b = static_cast<std::uint8_t>(packed.size() >> (8 * i));
        hex += {digits[b >> 4], digits[b & 15]};
    }
    for (std::uint8_t b : packed)
        hex += {digits[b >> 4], digits[b & 15]};
    return hex;
}

const char* const kEventLines = "    OnFormSkin = SkinDataFormSkin\n"
                                "    OnSkinChanged = SkinDataSkinChanged\n"
                                "    OnSkinControl = SkinDataSkinControl\n"
                                "    OnBeforeSkinForm = SkinDataBeforeSkinForm\n"
                                "    OnAfterSkinForm = SkinDataAfterSkinForm\n";

TEST_F(SkinDataEvents, EveryStoredEventRunsTheFormsMethodWhenTheSkinRaisesIt) {
    TSkinEventsForm form(nullptr);
    TFormReader::Read(form, "object Host: TSkinEventsForm\n"
                            "  object SkinData: TSkinData\n"
                            "    Active = True\n"
                            "    SkinStream = {" +
                                StoredSkinStream() + "}\n" + kEventLines +
                                "  end\n"
                                "end\n");
    auto* skin = As<TSkinData>(form.FindComponent("SkinData"));
    ASSERT_NE(skin, nullptr);
    skin->SetMessageSink([](std::string_view) {});

    // Showing the form: the manager asks OnFormSkin, attaches (OnBeforeSkinForm)
    // and finishes the skinning later (OnAfterSkinForm).
    form.SetBounds(40, 40, 320, 220);
    form.HandleNeeded();
    const HWND window = form.WindowHandle();
    const std::wstring windowClass = ClassNameOf(window);
    form.Show();
    MgrTestPump(100);
    ASSERT_NE(TSkinManage::Instance()->Find(window), nullptr)
        << "the handler let the form be skinned";
    EXPECT_EQ(form.Log, (std::vector<std::wstring>{L"ask " + windowClass, L"before " + windowClass,
                                                   L"after " + windowClass}));
    EXPECT_EQ(form.Senders, (std::vector<TObject*>{skin, &form, &form}));
    EXPECT_EQ(form.Windows, (std::vector<HWND>{window, window}));

    // The form-skin question is answered by the handler, also against the
    // component's own rule for calendars.
    form.Log.clear();
    EXPECT_FALSE(skin->FormSkinQuestion(window, L"TRefusedWindow", true));
    EXPECT_TRUE(skin->FormSkinQuestion(window, L"SysMonthCal32", true));
    EXPECT_EQ(form.Log, (std::vector<std::wstring>{L"ask TRefusedWindow", L"ask SysMonthCal32"}));

    // Switching off runs from the manager's timer and reports the change.
    form.Log.clear();
    form.Senders.clear();
    skin->SetActive(false);
    MgrTestPump(400);
    EXPECT_EQ(TSkinManage::Instance()->Find(window), nullptr);
    EXPECT_EQ(form.Log, std::vector<std::wstring>{L"changed"});
    EXPECT_EQ(form.Senders, std::vector<TObject*>{skin});
}

TEST_F(SkinDataEvents, TheControlEventHandsBackTheFormsSkinningObject) {
    TSkinEventsForm form(nullptr);
    TFormReader::Read(form, std::string("object Host: TSkinEventsForm\n"
                                        "  object SkinData: TSkinData\n") +
                                kEventLines + "  end\nend\n");
    auto* skin = As<TSkinData>(form.FindComponent("SkinData"));
    ASSERT_NE(skin, nullptr);
    ASSERT_TRUE(skin->OnSkinControl);
    TComponent answer(nullptr);
    form.ControlAnswer = &answer;
    TComponent asker(nullptr);
    TForm control(nullptr);
    TComponent* skinned = nullptr;
    skin->OnSkinControl(&asker, skin, &form, &control, L"TBUTTON", skinned);
    EXPECT_EQ(skinned, &answer);
    EXPECT_EQ(form.Log, std::vector<std::wstring>{L"control TBUTTON"});
    EXPECT_EQ(form.Senders, (std::vector<TObject*>{&asker, skin, &form, &control}));
}

TEST_F(SkinDataEvents, AMethodThatDoesNotFitIsAnErrorNamingItsLine) {
    struct TCase {
        const char* Binding;
        const char* Fragment;
    };
    const TCase cases[] = {
        {"OnFormSkin = WrongFormSkin",
         "the method WrongFormSkin of TSkinEventsForm does not take the parameters "
         "of the event OnFormSkin"},
        {"OnBeforeSkinForm = SkinDataFormSkin",
         "the method SkinDataFormSkin of TSkinEventsForm does not take"},
        {"OnSkinChanged = SkinDataAfterSkinForm",
         "the method SkinDataAfterSkinForm of TSkinEventsForm does not"},
        {"OnAfterSkinForm = SkinDataSkinChanged",
         "the method SkinDataSkinChanged of TSkinEventsForm does not"},
        {"OnSkinControl = SkinDataControl", "TSkinEventsForm has no method SkinDataControl"},
        {"OnFormSkin = 12", "takes a method name, not a number"},
    };
    for (const TCase& c : cases) {
        TSkinEventsForm form(nullptr);
        const std::string text = std::string("object Host: TSkinEventsForm\n"
                                             "  object SkinData: TSkinData\n"
                                             "    OnSkinChanged = SkinDataSkinChanged\n"
                                             "    ") +
                                 c.Binding + "\n  end\nend\n";
        try {
            TFormReader::Read(form, text);
            ADD_FAILURE() << c.Binding << ": no error";
        } catch (const EFormDescriptionError& e) {
            EXPECT_EQ(e.Line(), 4) << c.Binding << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos)
                << c.Binding << ": " << e.what();
        }
        EXPECT_EQ(form.FindComponent("SkinData"), nullptr)
            << c.Binding << ": the component is destroyed again";
        EXPECT_EQ(TSkinManage::Instance(), nullptr)
            << c.Binding << ": nothing was registered with a manager";
    }
}

} // namespace
} // namespace veyra
