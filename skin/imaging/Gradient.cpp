#include "Gradient.h"

#include <algorithm>

namespace veyra {
namespace {

int Step(int from, int to, int i, int c) {
    const long long half = c / 2;
    return from + static_cast<int>((half + static_cast<long long>(i) * (to - from)) / c);
}

} // namespace

std::vector<Colour> BuildGradientTable(int n, Colour c1, Colour c2) {
    if (n <= 0)
        throw EAssertionFailed();
    std::vector<Colour> table(static_cast<std::size_t>(n));
    if (n == 1) {
        table[0] = Rgb(RedOf(c1) + (RedOf(c2) - RedOf(c1)) / 2,
                       GreenOf(c1) + (GreenOf(c2) - GreenOf(c1)) / 2,
                       BlueOf(c1) + (BlueOf(c2) - BlueOf(c1)) / 2);
        return table;
    }
    const int c = n - 1;
    for (int i = 0; i < n; ++i)
        table[static_cast<std::size_t>(i)] =
            Rgb(Step(RedOf(c1), RedOf(c2), i, c), Step(GreenOf(c1), GreenOf(c2), i, c),
                Step(BlueOf(c1), BlueOf(c2), i, c));
    return table;
}

GradientCache& GradientCache::Shared() {
    static GradientCache cache;
    return cache;
}

const std::vector<Colour>& GradientCache::GradientTable(int n, Colour c1, Colour c2) {
    if (n <= 0)
        throw EAssertionFailed();
    for (int i = kSlots - 1; i >= 0; --i) {
        const Slot& slot = Slots_[static_cast<std::size_t>(i)];
        if (slot.Length == n && slot.First == c1 && slot.Last == c2)
            return slot.Colours;
    }
    Slot& slot = Slots_[static_cast<std::size_t>(Counter_)];
    slot = {n, c1, c2, BuildGradientTable(n, c1, c2)};
    Counter_ = (Counter_ + 1) % kSlots;
    ++BuildCount_;
    return slot.Colours;
}

void GradientFill(Bitmap& target, const Rect& rect, Colour c1, GradientDirection direction,
                  Colour c2, GradientCache& cache) {
    const Rect visible = Intersect(rect, target.Bounds());
    if (visible.IsEmpty())
        return;
    const bool vertical = direction == GradientDirection::Vertical;
    const int n = vertical ? rect.Height() : rect.Width();
    const std::vector<Colour>& table = cache.GradientTable(n, ResolveColour(c1), ResolveColour(c2));
    if (vertical) {
        for (int y = visible.Top; y < visible.Bottom; ++y)
            target.FillRect({visible.Left, y, visible.Right, y + 1},
                            PixelOf(table[static_cast<std::size_t>(y - rect.Top)]));
        return;
    }
    // Column by column, but written a row at a time.
    Pixel* first = target.Row(visible.Top);
    for (int x = visible.Left; x < visible.Right; ++x)
        first[x] = PixelOf(table[static_cast<std::size_t>(x - rect.Left)]);
    for (int y = visible.Top + 1; y < visible.Bottom; ++y)
        std::copy(first + visible.Left, first + visible.Right, target.Row(y) + visible.Left);
}

} // namespace veyra
