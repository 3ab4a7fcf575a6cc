#include "FormTestSupport.h"

#include <algorithm>

#include "skin/manager/SkinManage.h"

namespace veyra::test {

namespace {

constexpr wchar_t kTestClass[] = L"VeyraFormTestWindow";

Bitmap SolidImage(int width, int height, Colour colour) {
    return Bitmap(std::max(width, 0), std::max(height, 0), PixelFormat::Rgb24, PixelOf(colour));
}

} // namespace

std::unique_ptr<TSkinDefinition> MakeTestSkin(const TTestSkinShape& shape) {
    auto skin = std::make_unique<TSkinDefinition>();
    const Colour frame = Rgb(40, 80, 160);
    skin->Left.Image = SolidImage(shape.Left, 20, frame);
    skin->Right.Image = SolidImage(shape.Right, 20, frame);
    skin->Top.Image = SolidImage(40, shape.Top, frame);
    skin->Bottom.Image = SolidImage(40, shape.Bottom, frame);
    for (TDataSkinBorder* border : {&skin->Left, &skin->Right, &skin->Top, &skin->Bottom})
        border->Frame = 1;
    if (shape.TransparentLeftCorner && shape.Left >= 2) {
        // Kept corner rows, so the key pixels land at the window's top-left.
        skin->Left.TopHeight = 4;
        skin->Left.BottomHeight = 4;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 2; ++x)
                skin->Left.Image.At(x, y) = PixelOf(kKeyColour);
        skin->Left.Trans = 1;
    }
    skin->Title.LeftWidth = shape.TextShift;
    skin->Title.RightWidth = shape.TextRightClip;
    skin->Colours.ButtonFace = Rgb(10, 200, 30);
    return skin;
}

TTestWindow::TTestWindow(DWORD style, DWORD exStyle, HWND parent, int width, int height, HMENU menu,
                         const wchar_t* caption) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &TTestWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kTestClass;
        return RegisterClassW(&wc);
    }();
    (void)atom;
    Handle_ = CreateWindowExW(exStyle, kTestClass, caption, style, 50, 60, width, height, parent,
                              menu, GetModuleHandleW(nullptr), this);
}

TTestWindow::~TTestWindow() {
    if (Handle_ && IsWindow(Handle_))
        DestroyWindow(Handle_);
}

int TTestWindow::CountOf(UINT msg) const {
    return static_cast<int>(std::count_if(Seen.begin(), Seen.end(),
                                          [msg](const TSeenMessage& m) { return m.Msg == msg; }));
}

LRESULT CALLBACK TTestWindow::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TTestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        self->Seen.push_back({msg, wParam, lParam});
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->Handle_ = nullptr;
        }
    }
    if (msg == WM_APP)
        return kTestAnswer;
    return DefWindowProcW(window, msg, wParam, lParam);
}

TWindowFrame FrameOf(HWND window) {
    TWindowFrame frame;
    GetWindowRect(window, &frame.Outer);
    GetClientRect(window, &frame.Client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&frame.Client), 2);
    return frame;
}

HMENU MakeTestMenu() {
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 100, L"&File");
    return menu;
}

TEngineState& TestEngine() {
    static TEngineState own;
    TSkinManage* manager = TSkinManage::Instance();
    return manager ? manager->Engine() : own;
}

Bitmap Strip(int frames, int frameWidth, int height, Colour (*colour)(int)) {
    Bitmap strip(frames * frameWidth, height);
    for (int f = 0; f < frames; ++f)
        strip.FillRect(RectOfSize(f * frameWidth, 0, frameWidth, height), PixelOf(colour(f + 1)));
    return strip;
}

COLORREF Ref(Colour c) {
    return RGB(RedOf(c), GreenOf(c), BlueOf(c));
}

void SettlePointer(POINT screen, bool handleMessages) {
    int settled = 0;
    for (int i = 0; i < 200 && settled < 5; ++i) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) {
            ++settled;
        } else {
            settled = 0;
            SetCursorPos(screen.x, screen.y);
        }
        MSG msg;
        if (handleMessages) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        } else {
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        }
        Sleep(10);
    }
}

INPUT MouseInput(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return input;
}

void SendMouseInput(POINT screen, DWORD flags) {
    INPUT input = MouseInput(screen, flags);
    SendInput(1, &input, sizeof(input));
}

} // namespace veyra::test
