#include "TitleButtons.h"

#include <algorithm>

#include "skin/data/SkinCodes.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

void TWinSysButton::Paint() {
    Group_.Paint(*this);
}

void TTitleButtons::Clear() {
    Hot_.Object = nullptr;
    Buttons_.clear();
    Elements_.clear();
    Layout_ = {};
}

void TTitleButtons::Rebuild(const TSkinDefinition* skin, const Bitmap& iconBitmap) {
    Clear();
    if (!skin)
        return;
    for (const auto& element : skin->TitleButtons) {
        // The window keeps its own copy: the icon button takes this window's
        // icon, which other windows of the same skin do not share.
        auto copy = std::make_unique<TDataSkinSysButton>(*element);
        if (IsIconAction(copy->Action)) {
            if (copy->Image.IsEmpty())
                copy->Image = iconBitmap;
            copy->Frame = 1;
        }
        Buttons_.push_back(std::make_unique<TWinSysButton>(Hot_, *this, copy.get()));
        Elements_.push_back(std::move(copy));
    }
}

void TTitleButtons::ApplyLayout(const TTitleButtonLayout& layout) {
    Hot_.Object = nullptr;
    Layout_ = layout;
    const std::size_t count =
        std::min({Buttons_.size(), layout.Bounds.size(), layout.State.size()});
    for (std::size_t i = 0; i < count; ++i) {
        TWinSysButton& button = *Buttons_[i];
        button.BoundsRect = layout.Bounds[i];
        button.Visible = layout.State[i].Visible;
        button.Enabled = layout.State[i].Enabled;
        button.State = TNCObject::Normal;
    }
}

TWinSysButton* TTitleButtons::At(int x, int y) const {
    const int index = TitleButtonAt(Layout_, Elements_, x, y);
    return index >= 0 && static_cast<std::size_t>(index) < Buttons_.size() ? Buttons_[index].get()
                                                                           : nullptr;
}

std::unique_ptr<DibSurface> TTitleButtons::Compose(const TWinSysButton& button, int frame) const {
    const Rect& bounds = button.BoundsRect;
    if (!button.Visible || bounds.IsEmpty())
        return nullptr;
    const TDataSkinSysButton& data = *button.ButtonData;
    auto surface = std::make_unique<DibSurface>(bounds.Width(), bounds.Height());
    Bitmap& pixels = surface->Pixels();
    pixels.Fill(PixelOf(ResolveColour(Canvas_.Face)));
    // What the title bar (or the menu bar) has under the button, then the button on it.
    Rect barRect;
    const Bitmap* bar = data.Align == TTitleAlign::MenuBar && Canvas_.MenuBarBackdrop
                            ? Canvas_.MenuBarBackdrop(barRect)
                            : nullptr;
    if (bar)
        DrawBitmap(pixels, barRect.Left - bounds.Left, barRect.Top - bounds.Top, *bar);
    else if (Canvas_.Backdrop)
        DrawBitmap(pixels, -bounds.Left, -bounds.Top, *Canvas_.Backdrop);
    const Rect target{0, 0, bounds.Width(), bounds.Height()};
    if (IsIconAction(data.Action)) {
        if (Canvas_.Icon) {
            const int size = GetSystemMetrics(SM_CXSMICON);
            DrawIconEx(surface->Dc(), 0, 0, Canvas_.Icon, size, size, 0, nullptr, DI_NORMAL);
        } else if (Canvas_.IconBitmap && !Canvas_.IconBitmap->IsEmpty()) {
            DrawFrameStretched(pixels, target, *Canvas_.IconBitmap, Transparency::KeyColour, 1, 1);
        }
    } else {
        DrawFrameStretched(pixels, target, data.Image, Transparency::KeyColour,
                           std::max(data.Frame, 1), frame);
    }
    return surface;
}

void TTitleButtons::Paint(const TWinSysButton& button) const {
    if (!Canvas_.Window || (Canvas_.CanPaint && !Canvas_.CanPaint()))
        return;
    try {
        const auto surface = Compose(
            button, TitleButtonFrameForState(*button.ButtonData, button.State, button.Enabled));
        if (!surface)
            return;
        WindowDcScope dc(Canvas_.Window);
        if (dc.Get())
            DrawBitmapToDc(dc.Get(), button.BoundsRect.Left, button.BoundsRect.Top,
                           surface->Pixels());
    } catch (...) {
        // A button that cannot be drawn now is drawn by the next frame paint.
    }
}

void TTitleButtons::PaintOnBar(HDC dc, const TWinSysButton& button) const {
    if (!dc)
        return;
    try {
        const auto surface =
            Compose(button, TitleButtonFrameForState(*button.ButtonData, TNCObject::Normal,
                                                     button.Enabled));
        if (surface)
            DrawBitmapToDc(dc, button.BoundsRect.Left, button.BoundsRect.Top, surface->Pixels());
    } catch (...) {
        // The next frame paint tries again.
    }
}

} // namespace veyra
