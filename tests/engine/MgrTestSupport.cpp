#include "MgrTestSupport.h"

#include "skin/form/SkinMessages.h"

namespace veyra::test {

bool MgrTestInitPosted(HWND window) {
    MSG msg;
    return PeekMessageW(&msg, window, SKINMSG_INIT, SKINMSG_INIT, PM_NOREMOVE) && msg.wParam == 0 &&
           msg.lParam == kSkinInitParam;
}

} // namespace veyra::test
