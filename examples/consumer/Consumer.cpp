// A plain program that adopts the skinning engine: one form with a skin
// component, both made in code. "Consumer --check" ends by itself: 0 once its
// window answers that it is skinned, 1 when it is not within five seconds.
#include <windows.h>

#include <string>

#include "framework/Application.h"
#include "framework/CustomForm.h"
#include "skin/component/SkinData.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/SkinManage.h"

namespace {

std::wstring ExecutableDirectory() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

// Handles messages until the window says it is skinned or the time is up.
bool WaitUntilSkinned(HWND window, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        veyra::Application().ProcessMessages();
        if (SendMessageW(window, veyra::SKINMSG_ISSKINNED, 0, 0) == 1)
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace veyra;
    const bool check =
        std::string(commandLine ? commandLine : "").find("--check") != std::string::npos;
    int result = 0;
    try {
        Application().Initialize();
        TForm& form = Application().CreateForm<TForm>();
        form.SetCaption(L"Veyra consumer");
        form.SetBounds(120, 120, 420, 300);
        // The two calls a program makes: the skin file, then the switch.
        auto* skin = new TSkinData(&form);
        skin->SetSkinFile(ExecutableDirectory() + L"skin\\skin.skn");
        skin->SetActive(true);
        form.Show();
        if (check)
            result = WaitUntilSkinned(form.Handle(), 5000) ? 0 : 1;
        else
            Application().Run();
    } catch (...) {
        result = 2;
    }
    // Every skinned window is given back while the forms still exist.
    TSkinManage::Shutdown();
    return result;
}
