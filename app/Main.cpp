#include <windows.h>

#include "FormMain.h"
#include "framework/Application.h"
#include "skin/manager/SkinManage.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace veyra;
    try {
        Application().Initialize();
        Application().CreateForm<TFormMain>();
        Application().Run();
    } catch (...) {
        // The main window could not be made: say why instead of vanishing.
        Application().HandleException(nullptr);
        TSkinManage::Shutdown();
        return 1;
    }
    // Every skinned window is given back and the hook removed while the
    // forms and the application object still exist.
    TSkinManage::Shutdown();
    return 0;
}
