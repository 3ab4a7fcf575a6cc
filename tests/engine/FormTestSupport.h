#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/SkinDefinition.h"

#include "skin/manager/EngineState.h"

namespace veyra::test {

// The border widths and looks of a small skin made in memory.
struct TTestSkinShape {
    int Left = 5;
    int Top = 30;
    int Right = 6;
    int Bottom = 7;
    // The left border's top-left 2 x 3 pixels are the key colour, and the
    // element is marked transparent.
    bool TransparentLeftCorner = false;
    // The title's TextShift and TextRightClip.
    int TextShift = 0;
    int TextRightClip = 0;
};

// A skin definition with one-frame border images of the given widths.
std::unique_ptr<TSkinDefinition> MakeTestSkin(const TTestSkinShape& shape = {});

// One message as a window procedure received it.
struct TSeenMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

// A plain Unicode window of the test class. Its procedure records every
// message into Seen and answers kTestAnswer to WM_APP; everything else goes
// to DefWindowProc. Destroyed with the object unless already gone.
class TTestWindow {
public:
    static constexpr LRESULT kTestAnswer = 4242;

    TTestWindow(DWORD style, DWORD exStyle = 0, HWND parent = nullptr, int width = 400,
                int height = 300, HMENU menu = nullptr, const wchar_t* caption = L"Test window");
    ~TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;

    HWND Handle() const { return Handle_; }
    // How often msg reached the window's own procedure.
    int CountOf(UINT msg) const;
    std::vector<TSeenMessage> Seen;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND Handle_ = nullptr;
};

// Outer and client rectangles of a window, both in screen coordinates.
struct TWindowFrame {
    RECT Outer{};
    RECT Client{};
};
TWindowFrame FrameOf(HWND window);

// A menu with one item, for windows with a menu bar.
HMENU MakeTestMenu();

// The engine state a window skinning object made by a test shares: the
// manager's when one exists, else one of the tests' own.
TEngineState& TestEngine();

// A strip of frames side by side, frame f (from 1) filled with colour(f).
Bitmap Strip(int frames, int frameWidth, int height, Colour (*colour)(int));

// A plain colour as the platform's COLORREF.
COLORREF Ref(Colour c);

// Puts the pointer at screen and waits until the platform keeps reporting it
// there: Wine answers GetCursorPos from the X server's pointer events, which
// arrive late and may still carry an earlier place. With handleMessages
// false the queue is only looked at, which takes in the X server's events
// but leaves the input waiting there alone (a click queued before may have
// to open a menu loop first).
void SettlePointer(POINT screen, bool handleMessages = true);

// Real mouse input at a screen point: an absolute move there with flags (a
// button going down or up, or 0 for the move alone).
INPUT MouseInput(POINT screen, DWORD flags);
void SendMouseInput(POINT screen, DWORD flags);

} // namespace veyra::test
