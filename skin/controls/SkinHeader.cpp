#include "SkinHeader.h"

#include <commctrl.h>

#include <optional>

#include "ControlDrawing.h"
#include "skin/data/HeaderLayout.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// The platform reads at most this many characters of a section.
constexpr int kSectionTextLength = 200;

struct TSection {
    std::wstring Text;
    std::uint32_t Format = 0;
    int Image = -1;
};

TSection ReadSection(HWND header, int index) {
    wchar_t text[kSectionTextLength + 1] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = kSectionTextLength + 1;
    item.iImage = -1;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item)))
        return {};
    text[kSectionTextLength] = L'\0';
    return {item.pszText ? std::wstring(item.pszText) : std::wstring(),
            static_cast<std::uint32_t>(item.fmt), item.iImage};
}

} // namespace

const TClassInfo& TSkinHeader::StaticClass() {
    static const TClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}

void TSkinHeader::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    TSkinControl::AttachControl(form, skinData, keepColor);
    Hot_ = kNoHotSection;
}

void TSkinHeader::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    TSkinControl::AttachHandle(window, skinData, form);
    Hot_ = kNoHotSection;
}

bool TSkinHeader::HasImage() const {
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* bar = skin ? skin->Find("Headerbar") : nullptr;
    return bar && !bar->Image.IsEmpty();
}

bool TSkinHeader::BeforeMessage(TMessage& message) {
    // Without a picture the header's own background stays under the paint.
    const TEraseAnswer erase =
        message.Msg == WM_ERASEBKGND && !HasImage() ? TEraseAnswer::PassOn : TEraseAnswer::Skip;
    if (AnswerPaintMessage(message, erase))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinHeader::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE: {
        const int x = static_cast<short>(LOWORD(message.LParam));
        const int y = static_cast<short>(HIWORD(message.LParam));
        const int hot = HeaderHotAfterMove(Zones_, x, y, Hot_);
        if (hot != Hot_) {
            Hot_ = hot;
            Repaint();
        }
        TrackMouseLeave(Handle());
        break;
    }
    case WM_MOUSELEAVE:
        Hot_ = kNoHotSection;
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinHeader::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed || !HasImage())
        return;
    const TDataSkinObject& bar = *Skin()->Find("Headerbar");
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const HDC target = buffer->Dc();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    std::optional<SelectObjectScope> fontScope;
    if (font)
        fontScope.emplace(target, font);
    const BkModeScope transparent(target, TRANSPARENT);
    Enabled_ = true;
    const auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), HDM_GETIMAGELIST, 0, 0));
    const int frames = bar.Frame > 0 ? bar.Frame : 5;
    const MiddleFill middle = bar.Tile != 0 ? MiddleFill::Tile : MiddleFill::Stretch;
    const bool framesFit = bar.Image.Width() >= frames;

    const int count = std::max(static_cast<int>(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0)), 0);
    Zones_.assign(static_cast<std::size_t>(count), Rect{});
    int rightMost = 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&r)))
            continue;
        const Rect section{r.left, r.top, r.right, r.bottom};
        const TSection item = ReadSection(Handle(), i);
        const int frame = HeaderSectionFrame(i, Hot_);
        if (framesFit && frame <= frames)
            DrawSlicedFrame(buffer->Pixels(), section, bar.Image, FrameLayout::Horizontal, middle,
                            Transparency::Opaque, frames, frame, bar.GetMargins());
        if (!item.Text.empty()) {
            const TextColourScope colour(
                target, ToColorRef(frame == 2 ? bar.MouseOverColour2 : bar.NormalColour2));
            const SavedDcScope saved(target);
            IntersectClipRect(target, r.left, r.top, r.right, r.bottom);
            DrawIconText(target, r, images, HeaderImageIndex(item.Format, item.Image, true),
                         item.Text, Enabled_, static_cast<TTextPlace>(HeaderTextAlign(item.Format)),
                         AddRtlFlag(0));
        }
        Zones_[static_cast<std::size_t>(i)] = HeaderHotZone(section);
        rightMost = std::max(rightMost, section.Right);
    }
    const Rect rest = HeaderRemainder(width, height, rightMost);
    if (!rest.IsEmpty() && framesFit)
        DrawSlicedFrame(buffer->Pixels(), rest, bar.Image, FrameLayout::Horizontal, middle,
                        Transparency::Opaque, frames, 1, bar.GetMargins());
    fontScope.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
