#include "SkinProgress.h"

#include <commctrl.h>

#include "skin/data/BarGeometry.h"
#include "skin/data/SkinColours.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/PixelOps.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

Transparency TransOf(const TDataSkinObject& element) {
    return element.Trans == 1 ? Transparency::KeyColour : Transparency::Opaque;
}

// Chunks side by side, copies of them, as one strip.
Bitmap ChunkRow(const Bitmap& chunk, int copies) {
    Bitmap row(chunk.Width() * copies, chunk.Height());
    for (int i = 0; i < copies; ++i)
        DrawBitmap(row, i * chunk.Width(), 0, chunk);
    return row;
}

} // namespace

const TClassInfo& TSkinProgress::StaticClass() {
    static const TClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

bool TSkinProgress::BeforeMessage(TMessage& message) {
    // Without a bar picture the control paints itself.
    if (message.Msg == WM_PAINT) {
        const TSkinDefinition* skin = Skin();
        const TDataSkinObject* progress = skin ? skin->Find("Progress") : nullptr;
        if (!progress || progress->Image.IsEmpty())
            return TSkinControl::BeforeMessage(message);
    }
    if (AnswerPaintMessage(message, TEraseAnswer::Skip))
        return false;
    return TSkinControl::BeforeMessage(message);
}

Rect TSkinProgress::Fill(int length, int thickness) const {
    PBRANGE range{};
    SendMessageW(Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
    return ProgressFill({0, 0, length, thickness}, position, range.iLow, range.iHigh);
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* progress = skin ? skin->Find("Progress") : nullptr;
    if (!progress || progress->Image.IsEmpty())
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const bool vertical = (GetWindowLongPtrW(Handle(), GWL_STYLE) & PBS_VERTICAL) != 0;
    const int length = vertical ? height : width;
    const int thickness = vertical ? width : height;
    if (length <= 0 || thickness <= 0)
        return;
    Bitmap bar(length, thickness, PixelFormat::Bgra32,
               PixelOf(SchemeColour(&TSkinColours::ButtonFace)));
    const Rect whole{0, 0, length, thickness};
    const Rect fill = Fill(length, thickness);
    const MiddleFill middle = progress->Tile == 1 ? MiddleFill::Tile : MiddleFill::Stretch;
    const TDataSkinObject* chunk = skin->Find("Progress.Chunk");
    if (progress->Style != 1) {
        DrawSlicedFrame(bar, whole, progress->Image, FrameLayout::Horizontal, middle,
                        Transparency::KeyColour, 2, 1, progress->GetMargins());
        if (!fill.IsEmpty())
            DrawSlicedFrame(bar, fill, progress->Image, FrameLayout::Horizontal, middle,
                            Transparency::KeyColour, 2, 2, progress->GetMargins());
    } else if (chunk && !chunk->Image.IsEmpty()) {
        DrawSlicedFrame(bar, whole, progress->Image, FrameLayout::Horizontal, MiddleFill::Stretch,
                        Transparency::KeyColour, 1, 1, progress->GetMargins());
        if (chunk->Tile == 1) {
            const TChunkStrip strip = TiledChunkStrip(whole, fill, chunk->Image.Width(),
                                                      chunk->Image.Height(), chunk->LeftWidth);
            if (!strip.Strip.IsEmpty()) {
                const Bitmap row = ChunkRow(chunk->Image, strip.Copies);
                StretchDraw(bar, strip.Strip, row,
                            {0, 0, strip.Strip.Width(), strip.Strip.Height()}, TransOf(*chunk));
            }
        } else {
            const TChunkStrip strip = SlicedChunkStrip(whole, fill);
            if (!strip.Strip.IsEmpty())
                DrawThreeSliceStretched(bar, strip.Strip, chunk->Image, FrameLayout::Horizontal, 1,
                                        1, chunk->GetMargins());
        }
    }
    if (vertical)
        RotateLeft(bar);
    DrawBitmapToDc(dc, rect.left, rect.top, bar);
}

} // namespace veyra
