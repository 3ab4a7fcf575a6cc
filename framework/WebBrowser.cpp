#include "WebBrowser.h"

#include <cstdio>

#include "AxWebView.h"
#include "TextConv.h"

namespace veyra {
namespace {

// The web view's own timer, for its engine's start.
constexpr UINT_PTR kStartTimerId = 1;

TWebBrowser::TViewFactory& ViewFactory() {
    static TWebBrowser::TViewFactory factory = [](TWebBrowser&,
                                                  HWND host) -> std::unique_ptr<IWebView> {
        return TAxWebView::Create(host);
    };
    return factory;
}

std::string ResultText(HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    if (text)
        LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? std::string(code) : WideToUtf8(message) + " (" + code + ")";
}

} // namespace

const TClassInfo& TWebBrowser::StaticClass() {
    static const TClassInfo info(
        "TWebBrowser", &TWinControl::StaticClass(),
        TPropertyList<TWebBrowser>()
            .WString("LocationURL", &TWebBrowser::LocationURL, nullptr)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TWebBrowser(owner); });
    return info;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
}

TWebBrowser::~TWebBrowser() {
    // The engine's window is a child of ours: let it go first.
    StartTimer_.Stop();
    View_.reset();
    DestroyHandle();
}

TWebBrowser::TViewFactory TWebBrowser::SetViewFactory(TViewFactory factory) {
    return std::exchange(ViewFactory(), std::move(factory));
}

const wchar_t* TWebBrowser::UnavailableText() {
    return L"The web browser control is not available on this system.";
}

void TWebBrowser::WindowCreated() {
    View_.reset();
    Started_ = false;
    // A window made again shows again what the last one was asked for.
    NavigationPending_ = !LocationURL_.empty();
    // USER_TIMER_MINIMUM: as soon as the queue is otherwise idle.
    if (!StartTimer_.Start(WindowHandle(), kStartTimerId, USER_TIMER_MINIMUM))
        StartView();
}

void TWebBrowser::Navigate(const std::wstring& url) {
    HandleNeeded();
    LocationURL_ = url;
    if (!Started_) {
        NavigationPending_ = true;
        return;
    }
    NavigateView();
}

void TWebBrowser::StartView() {
    StartTimer_.Stop();
    if (Started_)
        return;
    Started_ = true;
    if (ViewFactory())
        View_ = ViewFactory()(*this, WindowHandle());
    PlaceView();
    if (!View_)
        InvalidateRect(WindowHandle(), nullptr, TRUE); // for the note
    if (std::exchange(NavigationPending_, false))
        NavigateView();
}

void TWebBrowser::NavigateView() {
    if (!View_)
        return;
    const HRESULT result = View_->Navigate(LocationURL_);
    if (FAILED(result))
        throw EWebBrowserError(result, "The web page " + WideToUtf8(LocationURL_) +
                                           " cannot be opened: " + ResultText(result));
}

void TWebBrowser::PlaceView() {
    RECT r{};
    if (View_ && WindowHandle() && GetClientRect(WindowHandle(), &r))
        View_->SetBounds(r);
}

void TWebBrowser::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SIZE:
        TWinControl::WndProc(message);
        PlaceView();
        return;
    case WM_PAINT:
        WmPaint(message);
        return;
    case WM_TIMER:
        if (message.WParam != kStartTimerId)
            break;
        StartView();
        message.Result = 0;
        return;
    case WM_NCDESTROY:
        StartTimer_.Stop();
        View_.reset();
        TWinControl::WndProc(message);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TWebBrowser::WmPaint(TMessage& message) {
    const TPaintScope paint(WindowHandle());
    const HDC dc = paint.Dc();
    // Before the start the view is left blank: the engine may yet come.
    if (!View_ && Started_ && dc) {
        RECT r{};
        GetClientRect(WindowHandle(), &r);
        InflateRect(&r, -12, -12);
        TSelectObject font(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        DrawTextW(dc, UnavailableText(), -1, &r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    message.Result = 0;
}

} // namespace veyra
