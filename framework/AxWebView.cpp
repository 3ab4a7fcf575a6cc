#include "AxWebView.h"

#include <exdisp.h>
#include <oleauto.h>

namespace veyra {
namespace {

// The hosting functions of the platform's ATL library. MinGW ships no ATL
// headers, so the two functions are looked up by name.
struct TAtlHost {
    using InitFunction = BOOL(WINAPI*)();
    using GetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

    HMODULE Library = nullptr;
    GetControlFunction GetControl = nullptr;
    bool Ready = false;

    TAtlHost() {
        Library = LoadLibraryW(L"atl.dll");
        if (!Library)
            return;
        auto init = reinterpret_cast<InitFunction>(
            reinterpret_cast<void*>(GetProcAddress(Library, "AtlAxWinInit")));
        GetControl = reinterpret_cast<GetControlFunction>(
            reinterpret_cast<void*>(GetProcAddress(Library, "AtlAxGetControl")));
        Ready = init && GetControl && init();
    }
    // The library stays loaded for the life of the process: the hosted
    // controls' windows use its window procedure until they are gone.
};

const TAtlHost& AtlHost() {
    static const TAtlHost host;
    return host;
}

// A BSTR owned for one call.
class TBstr {
public:
    explicit TBstr(const std::wstring& text)
        : Value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~TBstr() { SysFreeString(Value_); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Get() const { return Value_; }

private:
    BSTR Value_;
};

} // namespace

std::unique_ptr<TAxWebView> TAxWebView::Create(HWND host) {
    const TAtlHost& atl = AtlHost();
    if (!atl.Ready)
        return nullptr;
    RECT r{};
    GetClientRect(host, &r);
    const HWND window = CreateWindowExW(
        0, L"AtlAxWin", L"Shell.Explorer.2", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, r.right,
        r.bottom, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return nullptr;
    IUnknown* unknown = nullptr;
    IWebBrowser2* browser = nullptr;
    if (SUCCEEDED(atl.GetControl(window, &unknown)) && unknown) {
        unknown->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
        unknown->Release();
    }
    if (!browser) {
        DestroyWindow(window);
        return nullptr;
    }
    return std::unique_ptr<TAxWebView>(new TAxWebView(window, browser));
}

TAxWebView::~TAxWebView() {
    Browser_->Release();
    if (IsWindow(Window_))
        DestroyWindow(Window_);
}

HRESULT TAxWebView::Navigate(const std::wstring& url) {
    const TBstr address(url);
    VARIANT empty;
    VariantInit(&empty);
    return Browser_->Navigate(address.Get(), &empty, &empty, &empty, &empty);
}

void TAxWebView::SetBounds(const RECT& bounds) {
    if (IsWindow(Window_))
        MoveWindow(Window_, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
}

} // namespace veyra
