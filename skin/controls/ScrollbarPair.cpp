#include "ScrollbarPair.h"

namespace veyra {

void TScrollbarPair::Create(TSkinControl& owner, HWND target) {
    Free();
    Horz_ = std::make_unique<TWScrollbar>(owner, target, TScrollKind::HorzBar);
    Vert_ = std::make_unique<TWScrollbar>(owner, target, TScrollKind::VertBar);
}

void TScrollbarPair::Free() {
    Horz_.reset();
    Vert_.reset();
}

void TScrollbarPair::Position() {
    ForEach([](TWScrollbar& bar) { bar.Position(); });
}

void TScrollbarPair::Hide() {
    ForEach([](TWScrollbar& bar) { bar.Hide(); });
}

void TScrollbarPair::Refresh() {
    ForEach([](TWScrollbar& bar) { bar.Refresh(); });
}

void TScrollbarPair::Repaint() {
    ForEach([](TWScrollbar& bar) { bar.Repaint(); });
}

void TScrollbarPair::SetEnabled(bool enabled) {
    ForEach([enabled](TWScrollbar& bar) { bar.SetEnabled(enabled); });
}

void TScrollbarPair::NoteScroll(UINT msg, WPARAM wParam) {
    TWScrollbar* bar = msg == WM_HSCROLL ? Horz_.get() : Vert_.get();
    if (bar)
        bar->NoteScrollCode(LOWORD(wParam));
}

RECT TScrollbarPair::Corner() const {
    if (!Horz_ || !Vert_ || !Horz_->Shown() || !Vert_->Shown())
        return {};
    // Placed from where the bars really are, whatever the border: the
    // vertical bar gives the columns, the horizontal one the rows.
    const RECT horz = Horz_->BarInWindow();
    const RECT vert = Vert_->BarInWindow();
    return {vert.left, horz.top, vert.right, horz.bottom};
}

} // namespace veyra
