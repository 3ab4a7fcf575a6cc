#pragma once

#include <windows.h>

#include <memory>

#include "WScrollbar.h"

namespace veyra {

class TSkinControl;

// The two overlays of a window with built-in scroll bars, kept in step
// together: the scroll-bar skins of framework controls and of bare windows
// both hold one.
class TScrollbarPair {
public:
    // Makes both overlays (hidden) over target's bars, drawn with owner's
    // skin; overlays made before are freed.
    void Create(TSkinControl& owner, HWND target);
    // Frees both overlays (their windows go with them).
    void Free();
    bool Exists() const { return Horz_ != nullptr; }

    void Position();
    void Hide();
    // Places, draws or hides each overlay as its bar now is (see
    // TWScrollbar::Refresh).
    void Refresh();
    // Draws each shown overlay now.
    void Repaint();
    void SetEnabled(bool enabled);
    // WM_HSCROLL or WM_VSCROLL reached the target: the matching overlay
    // shows the part its code names.
    void NoteScroll(UINT msg, WPARAM wParam);
    // The box between two shown bars, in the target's window coordinates;
    // empty unless both are shown.
    RECT Corner() const;

    TWScrollbar* Horz() const { return Horz_.get(); }
    TWScrollbar* Vert() const { return Vert_.get(); }

private:
    template <class F> void ForEach(F f) const {
        for (TWScrollbar* bar : {Horz_.get(), Vert_.get()})
            if (bar)
                f(*bar);
    }

    std::unique_ptr<TWScrollbar> Horz_;
    std::unique_ptr<TWScrollbar> Vert_;
};

} // namespace veyra
