#include "PlayerGlyphs.h"

#include "skin/imaging/Blit.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

namespace {

constexpr const char* kPrefixes[] = {"EN", "DI", "CL"}; // in TMPPicture order

// A bitmap resource's pixels; empty when the module has none of that name.
Bitmap LoadPicture(HMODULE module, const std::wstring& name) {
    const BitmapHandle handle(static_cast<HBITMAP>(
        LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!handle.Get() || !GetObjectW(handle.Get(), sizeof info, &info) || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
        return {};
    Bitmap pixels(info.bmWidth, info.bmHeight, PixelFormat::Rgb24);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top-down, as Bitmap keeps its rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    const MemoryDc dc(nullptr);
    if (GetDIBits(dc.Get(), handle.Get(), 0, static_cast<UINT>(info.bmHeight), pixels.Row(0),
                  &format, DIB_RGB_COLORS) != info.bmHeight)
        return {};
    pixels.SetFormat(PixelFormat::Rgb24);
    return pixels;
}

} // namespace

TPlayerGlyphs::TPlayerGlyphs(HMODULE module) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    for (int kind = 0; kind < kMPButtonCount; ++kind)
        for (int which = 0; which < 3; ++which)
            Pictures_[kind * 3 + which] =
                LoadPicture(module, ResourceName(static_cast<TMPBtnType>(kind),
                                                 static_cast<TMPPicture>(which)));
}

const Bitmap& TPlayerGlyphs::Picture(TMPBtnType kind, TMPPicture which) const {
    return Pictures_[(static_cast<std::size_t>(kind) % kMPButtonCount) * 3 +
                     static_cast<std::size_t>(which) % 3];
}

std::wstring TPlayerGlyphs::ResourceName(TMPBtnType kind, TMPPicture which) {
    const std::string name = std::string(kPrefixes[static_cast<int>(which) % 3]) + "_" +
                             std::string(MPPictureName(kind));
    return std::wstring(name.begin(), name.end());
}

void TPlayerGlyphs::Draw(Bitmap& target, const Rect& button, const Bitmap& picture, int sink) {
    if (picture.IsEmpty())
        return;
    const Rect place = MPPicturePlace(button, picture.Width(), picture.Height(), sink);
    DrawTransparent(target, place, picture, kTransparent);
}

} // namespace veyra
