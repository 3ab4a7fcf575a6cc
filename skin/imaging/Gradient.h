#pragma once

#include <array>
#include <stdexcept>
#include <vector>

#include "Bitmap.h"
#include "skin/package/AssertionFailed.h"

namespace veyra {

// Which way a gradient runs: Vertical goes from the top row down, Horizontal
// from the left column across.
enum class GradientDirection { Horizontal, Vertical };

// The colour tables of recent gradients, so repeated fills of the same length
// and ends reuse their table. Holds 16 tables; a new one replaces the slots in
// turn.
class GradientCache {
public:
    static constexpr int kSlots = 16;

    // The cache that GradientFill uses.
    static GradientCache& Shared();

    // The n colours from c1 to c2 (both already resolved). The reference stays
    // valid until 16 further tables have been built. Throws EAssertionFailed
    // when n is 0 or less.
    const std::vector<Colour>& GradientTable(int n, Colour c1, Colour c2);

    // How many tables have been built (not found in the cache) so far.
    int BuildCount() const { return BuildCount_; }

private:
    // A slot remembers the ends it was asked for: two requests whose tables
    // merely start and end alike do not share it.
    struct Slot {
        int Length = 0;
        Colour First = 0;
        Colour Last = 0;
        std::vector<Colour> Colours;
    };

    std::array<Slot, kSlots> Slots_;
    int Counter_ = 0;
    int BuildCount_ = 0;
};

// Entry i of the n-colour gradient from c1 to c2, per channel
// c1 + (half + i (c2 - c1)) / (n - 1) with half = (n - 1) / 2; the single
// entry of a 1-colour gradient is halfway.
std::vector<Colour> BuildGradientTable(int n, Colour c1, Colour c2);

// Fills rect with a gradient from c1 to c2 (system colours resolved), one
// solid line per colour; only the lines inside target are drawn.
void GradientFill(Bitmap& target, const Rect& rect, Colour c1, GradientDirection direction,
                  Colour c2, GradientCache& cache = GradientCache::Shared());

} // namespace veyra
