#include "HeaderLayout.h"

namespace veyra {

namespace {

constexpr int kHotZoneInset = 3;

} // namespace

int HeaderSectionFrame(int index, int hot) {
    return index == hot ? 2 : 1;
}

Rect HeaderHotZone(const Rect& section) {
    return {section.Left + kHotZoneInset, section.Top, section.Right - kHotZoneInset,
            section.Bottom};
}

int HeaderHotAfterMove(const std::vector<Rect>& zones, int x, int y, int hot) {
    for (std::size_t i = 0; i < zones.size(); ++i)
        if (zones[i].Contains(x, y))
            return static_cast<int>(i);
    return hot;
}

Rect HeaderRemainder(int width, int height, int rightMost) {
    if (rightMost >= width || height <= 0)
        return {};
    return {rightMost, 0, width, height};
}

TPanelAlign HeaderTextAlign(std::uint32_t format) {
    if (format & kHeaderFormatRight)
        return TPanelAlign::Right;
    if (format & kHeaderFormatCentre)
        return TPanelAlign::Centre;
    return TPanelAlign::Left;
}

int HeaderImageIndex(std::uint32_t format, int imageIndex, bool hasText) {
    if (!hasText || (format & (kHeaderFormatImage | kHeaderFormatOwnerDraw)) == 0)
        return -1;
    return imageIndex;
}

} // namespace veyra
