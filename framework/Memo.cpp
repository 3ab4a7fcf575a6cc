#include "Memo.h"

namespace veyra {

const TClassInfo& TCustomMemo::StaticClass() {
    static const TClassInfo info(
        "TCustomMemo", &TCustomEdit::StaticClass(),
        TPropertyList<TCustomMemo>()
            .Strings("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines)
            .Enum("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                  &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
            .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
            .Take());
    return info;
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info("TMemo", &TCustomMemo::StaticClass(), {},
                                 [](TComponent* owner) -> TComponent* { return new TMemo(owner); });
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {}

std::vector<std::wstring> TCustomMemo::Lines() const {
    const std::wstring text = Text();
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void TCustomMemo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += L"\r\n";
        text += lines[i];
    }
    SetText(text);
}

void TCustomMemo::SetScrollBars(TScrollStyle style) {
    if (style == ScrollBars_)
        return;
    ScrollBars_ = style;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool wordWrap) {
    if (wordWrap == WordWrap_)
        return;
    WordWrap_ = wordWrap;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    // A wrapping memo has no line wider than itself to scroll to.
    if (WordWrap_)
        params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (ScrollBars_ == ssHorizontal || ScrollBars_ == ssBoth)
        params.Style |= WS_HSCROLL;
    if (ScrollBars_ == ssVertical || ScrollBars_ == ssBoth)
        params.Style |= WS_VSCROLL;
}

} // namespace veyra
