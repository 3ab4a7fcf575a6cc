#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "GdiObject.h"
#include "WinControl.h"

namespace veyra {

// One band of a cool bar: a caption and the control it holds, on a colour
// of its own.
struct TCoolBand {
    std::wstring Text;
    TWinControl* Control = nullptr; // not owned; the band goes when it is freed
    TColor Color = clBtnFace;
    int MinHeight = 0; // the control's height when 0
};

// The platform's rebar under the framework (window class "TCoolBar",
// superclassing it): bands in rows, each holding a control (a tool bar, an
// edit ...) that the rebar places and sizes. The platform lays the bar
// along its parent's top.
class TCoolBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCoolBar(TComponent* owner);

    // Appends a band holding control, which becomes a child of the bar (or
    // a band with no control when null).
    void AddBand(TWinControl* control, const std::wstring& text);
    const std::vector<TCoolBand>& Bands() const { return Bands_; }
    // Paints band index on color; throws EComponentError for an index out of range.
    void SetBandColor(int index, TColor color);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;

private:
    void WriteBands();

    std::vector<TCoolBand> Bands_;
};

} // namespace veyra
