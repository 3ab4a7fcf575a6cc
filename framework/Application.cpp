#include "Application.h"

#include <commctrl.h>

#include "CustomForm.h"
#include "TextConv.h"

namespace veyra {
namespace {

std::wstring ExecutableTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring title = path;
    title = title.substr(title.find_last_of(L"\\/") + 1);
    if (const auto dot = title.rfind(L'.'); dot != std::wstring::npos)
        title.resize(dot);
    return title;
}

// The focused window takes this key itself (a multi-line edit takes Enter,
// Tab and the arrows; a single-line edit the arrows), as it says when asked
// for its dialog code: then the key is no dialog key.
bool WantsKey(const MSG& msg) {
    const auto code = static_cast<UINT>(
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return true;
    switch (msg.wParam) {
    case VK_TAB:
        return (code & DLGC_WANTTAB) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return (code & DLGC_WANTARROWS) != 0;
    default:
        return false;
    }
}

} // namespace

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info("TApplication", &TComponent::StaticClass());
    return info;
}

TApplication& Application() {
    static TApplication application;
    return application;
}

std::wstring ExceptionMessage(const std::exception_ptr& error) {
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return Utf8ToWide(e.what());
    } catch (...) {
        return L"Unknown error";
    }
    return {};
}

TApplication::TApplication() : TComponent(nullptr), Title(ExecutableTitle()) {
    MessageBox_ = [](const std::wstring& text, const std::wstring& caption) {
        MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    };
}

TApplication::~TApplication() {
    // The forms, and the browsers in them, go while OLE is still there.
    DestroyComponents();
    if (OleUninitialize_)
        OleUninitialize_();
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc,
                             ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
}

bool TApplication::EnsureOle() {
    if (OleUninitialize_)
        return true;
    // Looked up by name, so that the program does not load the library at
    // start.
    const HMODULE library = LoadLibraryW(L"ole32.dll");
    if (!library)
        return false;
    const auto initialize = reinterpret_cast<HRESULT(WINAPI*)(void*)>(
        reinterpret_cast<void*>(GetProcAddress(library, "OleInitialize")));
    const auto uninitialize = reinterpret_cast<void(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(library, "OleUninitialize")));
    // S_FALSE (already prepared on this thread) counts too: every success is
    // paired with one OleUninitialize.
    if (!initialize || !uninitialize || FAILED(initialize(nullptr))) {
        FreeLibrary(library);
        return false;
    }
    // The library stays loaded until the process ends.
    OleUninitialize_ = uninitialize;
    return true;
}

void TApplication::AdoptForm(TCustomForm& form) {
    if (!MainForm_)
        MainForm_ = &form;
}

void TApplication::Run() {
    Terminated_ = false;
    if (MainForm_) {
        try {
            MainForm_->Show();
        } catch (...) {
            HandleException(this);
        }
    }
    while (HandleMessage()) {
    }
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        Terminated_ = true;
        return false;
    }
    if (!IsDialogMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

bool TApplication::IsDialogMessage(const MSG& msg) {
    // Navigation keys and Alt+character go to the form first: CM_DIALOGKEY
    // and CM_DIALOGCHAR; a non-zero answer means the form used the key.
    UINT request = 0;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_CANCEL:
            request = CM_DIALOGKEY;
            break;
        default:
            break;
        }
    } else if (msg.message == WM_SYSCHAR) {
        request = CM_DIALOGCHAR;
    }
    if (!request)
        return false;
    if (request == CM_DIALOGKEY && WantsKey(msg))
        return false;
    TWinControl* control = TWinControl::FindOwningControl(msg.hwnd);
    TWinControl* form = control ? control->ParentForm() : nullptr;
    if (!form)
        return false;
    try {
        return form->Perform(request, msg.wParam, msg.lParam) != 0;
    } catch (...) {
        HandleException(form);
        return true;
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!Terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ProcessMessage(msg);
}

bool TApplication::HandleMessage() {
    if (Terminated_)
        return false;
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1 || got == 0) {
        Terminated_ = true;
        return false;
    }
    return ProcessMessage(msg);
}

void TApplication::Terminate() {
    if (!Terminated_)
        PostQuitMessage(0);
}

void TApplication::HandleException(TObject* sender) noexcept {
    const std::exception_ptr error = std::current_exception();
    try {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(ExceptionMessage(error));
    } catch (...) {
        // The error handler's own failure has nowhere left to go.
    }
}

void TApplication::ShowException(const std::wstring& message) noexcept {
    try {
        std::wstring text = message;
        if (!text.empty() && text.back() != L'.' && text.back() != L'!' && text.back() != L'?')
            text += L'.';
        if (MessageBox_)
            MessageBox_(text, Title);
    } catch (...) {
    }
}

TApplication::TMessageBoxFunction
TApplication::SetMessageBoxFunction(TMessageBoxFunction function) {
    return std::exchange(MessageBox_, std::move(function));
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == MainForm_)
        MainForm_ = nullptr;
}

} // namespace veyra
