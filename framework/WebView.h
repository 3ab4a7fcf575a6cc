#pragma once

#include <windows.h>

#include <string>

namespace veyra {

// The engine behind a TWebBrowser: something that shows pages inside a window.
class IWebView {
public:
    virtual ~IWebView() = default;
    // Starts loading url; the result is the engine's own.
    virtual HRESULT Navigate(const std::wstring& url) = 0;
    // Places the view in its host window's client area.
    virtual void SetBounds(const RECT& bounds) = 0;
};

} // namespace veyra
