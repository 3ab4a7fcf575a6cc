#include "StatusBar.h"

#include <commctrl.h>

#include <cwchar>

#include "Messages.h"

namespace veyra {

namespace {

constexpr int kDefaultHeight = 19;

// The words a panel line may carry after its width, and what each sets.
struct TPanelWord {
    const wchar_t* Word;
    void (*Apply)(TStatusPanel& panel);
};

constexpr TPanelWord kPanelWords[] = {
    {L"taLeftJustify", [](TStatusPanel& p) { p.Alignment = taLeftJustify; }},
    {L"taCenter", [](TStatusPanel& p) { p.Alignment = taCenter; }},
    {L"taRightJustify", [](TStatusPanel& p) { p.Alignment = taRightJustify; }},
    {L"pbNone", [](TStatusPanel& p) { p.Bevel = pbNone; }},
    {L"pbLowered", [](TStatusPanel& p) { p.Bevel = pbLowered; }},
    {L"pbRaised", [](TStatusPanel& p) { p.Bevel = pbRaised; }},
    {L"psOwnerDraw", [](TStatusPanel& p) { p.Style = psOwnerDraw; }},
    {L"bdRightToLeft", [](TStatusPanel& p) { p.BiDiMode = bdRightToLeft; }},
};

TStatusPanel ParsePanel(const std::wstring& line) {
    TStatusPanel panel;
    const std::size_t equals = line.rfind(L'=');
    panel.Text = line.substr(0, equals);
    if (equals == std::wstring::npos)
        return panel;
    std::wstring rest = line.substr(equals + 1);
    panel.Width = static_cast<int>(std::wcstol(rest.c_str(), nullptr, 10));
    for (std::size_t comma = rest.find(L','); comma != std::wstring::npos;
         comma = rest.find(L',', comma + 1)) {
        const std::size_t end = rest.find(L',', comma + 1);
        const std::wstring word = rest.substr(comma + 1, end - comma - 1);
        for (const TPanelWord& known : kPanelWords)
            if (word == known.Word)
                known.Apply(panel);
    }
    return panel;
}

std::wstring PanelLine(const TStatusPanel& panel) {
    std::wstring line = panel.Text + L"=" + std::to_wstring(panel.Width);
    if (panel.Alignment != taLeftJustify)
        line += panel.Alignment == taCenter ? L",taCenter" : L",taRightJustify";
    if (panel.Bevel != pbLowered)
        line += panel.Bevel == pbNone ? L",pbNone" : L",pbRaised";
    if (panel.Style == psOwnerDraw)
        line += L",psOwnerDraw";
    if (panel.BiDiMode != bdLeftToRight)
        line += L",bdRightToLeft";
    return line;
}

// The platform's panel text: tabs in front centre or right-align it.
std::wstring PlatformText(const TStatusPanel& panel) {
    switch (panel.Alignment) {
    case taCenter:
        return L"\t" + panel.Text;
    case taRightJustify:
        return L"\t\t" + panel.Text;
    default:
        return panel.Text;
    }
}

WPARAM PlatformType(const TStatusPanel& panel) {
    WPARAM type = 0;
    if (panel.Bevel == pbNone)
        type |= SBT_NOBORDERS;
    else if (panel.Bevel == pbRaised)
        type |= SBT_POPOUT;
    if (panel.Style == psOwnerDraw)
        type |= SBT_OWNERDRAW;
    if (panel.BiDiMode != bdLeftToRight)
        type |= SBT_RTLREADING;
    return type;
}

} // namespace

const TClassInfo& TCustomStatusBar::StaticClass() {
    static const TClassInfo info(
        "TCustomStatusBar", &TWinControl::StaticClass(),
        TPropertyList<TCustomStatusBar>()
            .Strings("Panels", &TCustomStatusBar::PanelLines, &TCustomStatusBar::SetPanelLines)
            .Bool("SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel)
            .WString("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText)
            .Bool("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip)
            .Take());
    return info;
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info(
        "TStatusBar", &TCustomStatusBar::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TStatusBar(owner); });
    return info;
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, kDefaultHeight);
    SetAlign(alBottom);
}

void TCustomStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
    Panels_ = std::move(panels);
    WriteAll();
}

std::vector<std::wstring> TCustomStatusBar::PanelLines() const {
    std::vector<std::wstring> lines;
    for (const TStatusPanel& panel : Panels_)
        lines.push_back(PanelLine(panel));
    return lines;
}

void TCustomStatusBar::SetPanelLines(const std::vector<std::wstring>& lines) {
    std::vector<TStatusPanel> panels;
    for (const std::wstring& line : lines)
        panels.push_back(ParsePanel(line));
    SetPanels(std::move(panels));
}

void TCustomStatusBar::SetSimplePanel(bool on) {
    SimplePanel_ = on;
    WriteAll();
}

void TCustomStatusBar::SetSimpleText(const std::wstring& text) {
    SimpleText_ = text;
    WriteAll();
}

void TCustomStatusBar::SetSizeGrip(bool on) {
    if (on == SizeGrip_)
        return;
    SizeGrip_ = on;
    RecreateWnd();
}

void TCustomStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = STATUSCLASSNAMEW;
    // The framework places the bar; the platform would glue it to the
    // parent's bottom itself.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (SizeGrip_)
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::WindowCreated() {
    WriteAll();
}

void TCustomStatusBar::WriteAll() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    const bool simple = SimplePanel_ || Panels_.empty();
    SendMessageW(window, SB_SIMPLE, simple, 0);
    if (simple) {
        SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID,
                     reinterpret_cast<LPARAM>(SimpleText_.c_str()));
        return;
    }
    // The platform takes at most 256 parts.
    const std::size_t count = std::min<std::size_t>(Panels_.size(), 256);
    std::vector<int> rights(count);
    int right = 0;
    for (std::size_t i = 0; i < count; ++i) {
        right += std::max(Panels_[i].Width, 0);
        rights[i] = right;
    }
    SendMessageW(window, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rights.data()));
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring text = PlatformText(Panels_[i]);
        SendMessageW(window, SB_SETTEXTW, i | PlatformType(Panels_[i]),
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TCustomStatusBar::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        if (item && OnDrawPanel)
            OnDrawPanel(this, static_cast<int>(item->itemID), item->hDC, item->rcItem);
        message.Result = TRUE;
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
