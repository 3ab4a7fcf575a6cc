#include "AxWebView.h"

#include <exdisp.h>
#include <oleauto.h>

#include "Application.h"

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

// The two string functions of the platform's automation library, looked up
// by name so that the program does not load the library at start (the
// browser loads it anyway).
struct TAutomationStrings {
    using AllocFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
    using FreeFunction = void(WINAPI*)(BSTR);

    AllocFunction Alloc = nullptr;
    FreeFunction Free = nullptr;

    TAutomationStrings() {
        const HMODULE library = LoadLibraryW(L"oleaut32.dll");
        if (!library)
            return;
        Alloc = reinterpret_cast<AllocFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "SysAllocStringLen")));
        Free = reinterpret_cast<FreeFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "SysFreeString")));
    }
    bool Ready() const { return Alloc && Free; }
    // The library stays loaded for the life of the process.
};

const TAutomationStrings& AutomationStrings() {
    static const TAutomationStrings strings;
    return strings;
}

// A BSTR owned for one call; null when it could not be made.
class TBstr {
public:
    explicit TBstr(const std::wstring& text)
        : Value_(AutomationStrings().Alloc(text.data(), static_cast<UINT>(text.size()))) {}
    ~TBstr() { AutomationStrings().Free(Value_); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Get() const { return Value_; }

private:
    BSTR Value_;
};

} // namespace

std::unique_ptr<TAxWebView> TAxWebView::Create(HWND host) {
    if (!Application().EnsureOle() || !AutomationStrings().Ready())
        return nullptr;
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
    if (!address.Get() && !url.empty())
        return E_OUTOFMEMORY;
    VARIANT empty{}; // VT_EMPTY
    return Browser_->Navigate(address.Get(), &empty, &empty, &empty, &empty);
}

void TAxWebView::SetBounds(const RECT& bounds) {
    if (IsWindow(Window_))
        MoveWindow(Window_, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
}

} // namespace veyra
