#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/CustomForm.h"
#include "skin/component/SkinData.h"
#include "skin/imaging/ImageWriters.h"
#include "skin/manager/SkinManage.h"
#include "tools/packer/SkinPacker.h"

namespace veyra::test {

// The packed bytes of a small but complete skin: a title, colours and a
// title bar the user can grab, enough for a window skinning object to attach
// and skin the frame.
inline std::vector<std::uint8_t> MgrTestPackedSkin(const std::string& buttonFace = "10,20,30") {
    const std::string ini = "[TitlebarSkin]\r\nSkinName=Probe\r\n[Personality]\r\nTop=top.bmp\r\n"
                            "TopFrame=1\r\n[Colours]\r\nButtonFace=" +
                            buttonFace + "\r\n";
    std::vector<tools::PackMember> members{
        {"Skin.INI", std::vector<std::uint8_t>(ini.begin(), ini.end())},
        {"top.bmp",
         WriteBmp(Bitmap(8, 20, PixelFormat::Rgb24, PixelOf(Rgb(40, 80, 160))), BmpDepth::Bits24)}};
    return tools::PackSkin(members, 20000);
}

// A packed skin file in the temporary folder, removed at the end of the test.
struct TMgrTestSkinFile {
    explicit TMgrTestSkinFile(const std::string& name = "veyra-mgr-test.skn",
                              const std::string& buttonFace = "10,20,30")
        : Path(std::filesystem::temp_directory_path() / name) {
        const std::vector<std::uint8_t> packed = MgrTestPackedSkin(buttonFace);
        std::ofstream(Path, std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()),
                   static_cast<std::streamsize>(packed.size()));
    }
    ~TMgrTestSkinFile() { std::filesystem::remove(Path); }
    std::wstring Wide() const { return Path.wstring(); }
    std::filesystem::path Path;
};

// Handles the thread's messages for about ms milliseconds (timers included).
inline void MgrTestPump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Whether SKINMSG_INIT (wParam 0, lParam 1000) waits in window's queue.
bool MgrTestInitPosted(HWND window);

// Every test starts and ends without a skin manager, so none leaks its hook,
// its windows or its state into the next.
class MgrTest : public testing::Test {
protected:
    void SetUp() override { TSkinManage::Shutdown(); }
    void TearDown() override { TSkinManage::Shutdown(); }
};

// A framework form with a window, shown or not.
inline std::unique_ptr<TForm> MgrTestForm(bool show, std::int64_t tag = 0) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetTag(tag);
    form->SetBounds(50, 50, 300, 200);
    form->SetCaption(L"Manager test");
    form->HandleNeeded();
    if (show)
        form->Show();
    return form;
}

// A skin component owned by owner that has finished loading and holds the
// probe skin, of the given type.
inline TSkinData* MgrTestSkinData(TComponent& owner, TSkinFormType type, bool loadSkin = true) {
    auto* skin = new TSkinData(&owner);
    skin->SetMessageSink([](std::string_view) {});
    skin->SetSkinFormtype(type);
    skin->Loaded();
    if (loadSkin) {
        const std::vector<std::uint8_t> packed = MgrTestPackedSkin();
        std::vector<std::uint8_t> stream(4, 0);
        for (int i = 0; i < 4; ++i)
            stream[i] = static_cast<std::uint8_t>(packed.size() >> (8 * i));
        stream.insert(stream.end(), packed.begin(), packed.end());
        skin->SetSkinStream(stream);
    }
    return skin;
}

} // namespace veyra::test
