#pragma once

#include <windows.h>

#include <vector>

#include "framework/Component.h"
#include "framework/GdiObject.h"

namespace veyra {

class TCoolBar;
class TWinControl;

// The cool bars whose bands a form object paints on the skin's face, with
// every band's colours as skinning found them: the framework's band colour
// and the rebar's own pair, which the application may have set apart from
// it. Release gives each band back exactly what it had. A bar freed on the
// way is forgotten (the record watches it).
class TBandColours : public TComponent {
public:
    TBandColours() : TComponent(nullptr) {}

    // Keeps the bands' colours the first time bar is seen, then paints
    // every band of it on face.
    void Adopt(TCoolBar& bar, TColor face);
    // Paints the bands of every bar kept on face (the skin changed).
    void Recolour(TColor face);
    // Gives every band kept its own colours back and forgets the bars.
    void Release();

    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TSavedBand {
        // The band's control tells a band apart when one before it went.
        const TWinControl* Control = nullptr;
        TColor Color = 0;
        // The rebar's pair, when its window answered.
        bool Read = false;
        COLORREF Fore = 0;
        COLORREF Back = 0;
    };
    struct TKeptBar {
        TCoolBar* Bar = nullptr;
        std::vector<TSavedBand> Bands;
    };

    static void PaintFace(TCoolBar& bar, TColor face);
    static void GiveBack(TCoolBar& bar, const std::vector<TSavedBand>& saved);

    std::vector<TKeptBar> Bars_;
};

} // namespace veyra
