#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Alignment.h"
#include "WinControl.h"

namespace veyra {

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

// One panel of a status bar.
struct TStatusPanel {
    std::wstring Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    TStatusPanelBevel Bevel = pbLowered;
    TStatusPanelStyle Style = psText;
    TBiDiMode BiDiMode = bdLeftToRight;
    bool operator==(const TStatusPanel&) const = default;
};

class TCustomStatusBar;

// An owner-drawn panel (by index) is to be drawn into dc at rect.
using TDrawPanelEvent =
    std::function<void(TCustomStatusBar* sender, int panel, HDC dc, const RECT& rect)>;

// The platform's status bar under the framework: panels side by side, each
// as wide as its Width (the last as wide as it is given; the bar's own
// painting leaves the rest empty), or one simple panel showing SimpleText.
// Aligned to its parent's bottom unless told otherwise.
//
// In a stored description the panels are lines "Text=Width" followed by any
// of ",taCenter", ",taRightJustify", ",pbNone", ",pbRaised", ",psOwnerDraw",
// ",bdRightToLeft".
class TCustomStatusBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomStatusBar(TComponent* owner);

    const std::vector<TStatusPanel>& Panels() const { return Panels_; }
    void SetPanels(std::vector<TStatusPanel> panels);
    // Panels as the stored description writes them.
    std::vector<std::wstring> PanelLines() const;
    void SetPanelLines(const std::vector<std::wstring>& lines);
    bool SimplePanel() const { return SimplePanel_; }
    void SetSimplePanel(bool on);
    const std::wstring& SimpleText() const { return SimpleText_; }
    void SetSimpleText(const std::wstring& text);
    bool SizeGrip() const { return SizeGrip_; }
    void SetSizeGrip(bool on);

    // Draws owner-drawn panels; the skin calls it too.
    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteAll();

    std::vector<TStatusPanel> Panels_;
    std::wstring SimpleText_;
    bool SimplePanel_ = false;
    bool SizeGrip_ = true;
};

// The status bar as forms place it.
class TStatusBar : public TCustomStatusBar {
    VEYRA_CLASS()
public:
    explicit TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
};

} // namespace veyra
