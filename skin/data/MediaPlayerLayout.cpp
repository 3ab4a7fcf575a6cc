#include "MediaPlayerLayout.h"

#include <array>

namespace veyra {

namespace {

struct TMPNames {
    std::string_view Button;
    std::string_view Picture;
};

constexpr std::array<TMPNames, kMPButtonCount> kNames{{
    {"btPlay", "MPPLAY"},
    {"btPause", "MPPAUSE"},
    {"btStop", "MPSTOP"},
    {"btNext", "MPNEXT"},
    {"btPrev", "MPPREV"},
    {"btStep", "MPSTEP"},
    {"btBack", "MPBACK"},
    {"btRecord", "MPRECORD"},
    {"btEject", "MPEJECT"},
}};

int CountOf(TMPBtnSet set) {
    int n = 0;
    for (int i = 0; i < kMPButtonCount; ++i)
        n += (set >> i) & 1;
    return n;
}

} // namespace

std::string_view MPButtonName(TMPBtnType kind) {
    return kNames[static_cast<std::size_t>(kind) % kNames.size()].Button;
}

std::string_view MPPictureName(TMPBtnType kind) {
    return kNames[static_cast<std::size_t>(kind) % kNames.size()].Picture;
}

TMPBtnSet MPButtonSetFromText(std::string_view text) {
    TMPBtnSet set = 0;
    for (int i = 0; i < kMPButtonCount; ++i)
        if (text.find(kNames[i].Button) != std::string_view::npos)
            set |= MPButtonBit(static_cast<TMPBtnType>(i));
    return set;
}

int MPButtonWidth(int width, TMPBtnSet visible) {
    const int n = CountOf(visible & kAllMPButtons);
    return n == 0 || width <= 0 ? 0 : width / n;
}

std::vector<TMPButtonPlace> LayoutMPButtons(int width, int height, TMPBtnSet visible) {
    std::vector<TMPButtonPlace> places;
    const int w = MPButtonWidth(width, visible);
    int x = 0;
    for (int i = 0; i < kMPButtonCount; ++i) {
        if (!((visible >> i) & 1))
            continue;
        places.push_back({static_cast<TMPBtnType>(i), {x, 0, x + w, height}});
        x += w;
    }
    return places;
}

int MPButtonAt(int x, int width, TMPBtnSet visible) {
    if (x < 0 || x >= width)
        return kMPNoButton;
    const int w = MPButtonWidth(width, visible);
    int start = 0;
    for (int i = 0; i < kMPButtonCount; ++i) {
        if (!((visible >> i) & 1))
            continue;
        if (start <= x && x <= start + w)
            return i;
        start += w;
    }
    return kMPNoButton;
}

TMPButtonLook MPButtonLook(bool enabled, bool coloured, bool pressed) {
    if (!enabled)
        return {3, TMPPicture::Disabled, 0};
    const TMPPicture picture = coloured ? TMPPicture::Coloured : TMPPicture::Normal;
    return pressed ? TMPButtonLook{2, picture, 1} : TMPButtonLook{1, picture, 0};
}

Rect MPPicturePlace(const Rect& button, int pictureWidth, int pictureHeight, int sink) {
    const int x = button.Left + (button.Width() - pictureWidth) / 2 + sink;
    const int y = button.Top + (button.Height() - pictureHeight) / 2 + sink;
    return {x, y, x + pictureWidth, y + pictureHeight};
}

} // namespace veyra
