#include "GlyphStrip.h"

#include "skin/imaging/Blit.h"

namespace veyra {

namespace {

struct TStripRule {
    TGlyphStripKind Kind;
    int Cells;
    std::vector<TGlyphCell> Always;
    // Taken only from an image of exactly five frames.
    std::vector<TGlyphCell> FromFive;
};

const TStripRule kStripRules[] = {
    {TGlyphStripKind::CheckNine,
     9,
     {{0, 1}, {3, 1}, {1, 2}, {4, 2}, {6, 3}, {7, 4}},
     {{2, 5}, {5, 5}, {8, 5}}},
    {TGlyphStripKind::Radio, 6, {{0, 1}, {2, 1}, {1, 2}, {3, 2}, {4, 3}, {5, 4}}, {}},
    {TGlyphStripKind::CheckSix, 6, {{0, 1}, {3, 1}, {1, 2}, {4, 2}}, {{2, 5}, {5, 5}}},
};

const TStripRule* RuleOf(TGlyphStripKind kind) {
    for (const TStripRule& rule : kStripRules)
        if (rule.Kind == kind)
            return &rule;
    return nullptr;
}

} // namespace

int GlyphStripCellCount(TGlyphStripKind kind) {
    const TStripRule* rule = RuleOf(kind);
    return rule ? rule->Cells : 0;
}

std::vector<TGlyphCell> GlyphStripCells(TGlyphStripKind kind, int frameCount) {
    const TStripRule* rule = RuleOf(kind);
    if (!rule)
        return {};
    std::vector<TGlyphCell> cells;
    // A frame the image does not have is not copied.
    for (const TGlyphCell& cell : rule->Always)
        if (cell.Frame <= frameCount)
            cells.push_back(cell);
    if (frameCount == 5)
        cells.insert(cells.end(), rule->FromFive.begin(), rule->FromFive.end());
    return cells;
}

Bitmap BuildGlyphStrip(const Bitmap& image, int frameCount, TGlyphStripKind kind) {
    if (image.IsEmpty() || frameCount < 1 || image.Width() / frameCount < 1)
        return {};
    const int w = image.Width() / frameCount;
    const int h = image.Height();
    const int cells = GlyphStripCellCount(kind);
    if (cells == 0)
        return {};
    Bitmap strip(w * cells, h, PixelFormat::Bgra32, PixelOf(kKeyColour));
    for (const TGlyphCell& cell : GlyphStripCells(kind, frameCount))
        StretchDraw(strip, {cell.Cell * w, 0, cell.Cell * w + w, h}, image,
                    {(cell.Frame - 1) * w, 0, cell.Frame * w, h});
    return strip;
}

} // namespace veyra
