#include <windows.h>

#include "FormMain.h"
#include "framework/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace veyra;
    try {
        Application().Initialize();
        Application().CreateForm<TFormMain>();
        Application().Run();
    } catch (...) {
        // The main window could not be made: say why instead of vanishing.
        Application().HandleException(nullptr);
        return 1;
    }
    return 0;
}
