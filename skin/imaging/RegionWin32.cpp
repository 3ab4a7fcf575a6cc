#include "RegionWin32.h"

#include "FaultSeamWin32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace veyra {
namespace {

// Room for rectangles grows by this many at a time.
constexpr std::size_t kGrowth = 500;
// One region is built per this many rectangles and united with the rest:
// ExtCreateRegion gets slow, and on some systems fails, with huge lists.
constexpr std::size_t kBatch = 2000;

RegionHandle RegionOfBlock(const std::vector<RECT>& block) {
    RECT bound = block.front();
    for (const RECT& r : block) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + block.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(block.size());
    header.nRgnSize = static_cast<DWORD>(block.size() * sizeof(RECT));
    header.rcBound = bound;
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, block.data(), block.size() * sizeof(RECT));
    RegionHandle region;
    if (!VEYRA_PLATFORM_FAILS(ExtCreateRegion))
        region.Reset(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                     reinterpret_cast<const RGNDATA*>(data.data())));
    if (!region)
        throw std::runtime_error("ExtCreateRegion failed");
    return region;
}

} // namespace

RegionHandle RegionFromRects(std::span<const Rect> rects) {
    RegionHandle result;
    std::vector<RECT> block;
    const auto flush = [&] {
        if (block.empty())
            return;
        RegionHandle part = RegionOfBlock(block);
        if (!result)
            result = std::move(part);
        else if (VEYRA_PLATFORM_FAILS(CombineRgn) ||
                 CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR) == ERROR)
            throw std::runtime_error("CombineRgn failed");
        block.clear();
    };
    for (const Rect& r : rects) {
        if (r.IsEmpty())
            continue;
        if (block.size() == block.capacity())
            block.reserve(block.capacity() + kGrowth);
        block.push_back({r.Left, r.Top, r.Right, r.Bottom});
        if (block.size() == kBatch)
            flush();
    }
    flush();
    return result;
}

} // namespace veyra
