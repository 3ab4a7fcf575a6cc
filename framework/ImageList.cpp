#include "ImageList.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {
namespace {

// Room the list grows by when full; the platform reallocates in these steps.
constexpr int kGrowBy = 4;

void CheckSize(int size, const char* what) {
    if (size < 1 || size > TImageList::kMaxSize)
        throw std::invalid_argument(std::string("An image list's ") + what + " must be 1 to " +
                                    std::to_string(TImageList::kMaxSize) + ", not " +
                                    std::to_string(size));
}

} // namespace

const TClassInfo& TImageList::StaticClass() {
    static const TClassInfo info(
        "TImageList", &TComponent::StaticClass(),
        TPropertyList<TImageList>()
            .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
            .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TImageList(owner); });
    return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
    Resize(width, Height_);
}

void TImageList::SetHeight(int height) {
    Resize(Width_, height);
}

void TImageList::Resize(int width, int height) {
    CheckSize(width, "width");
    CheckSize(height, "height");
    if (width == Width_ && height == Height_)
        return;
    Width_ = width;
    Height_ = height;
    // Keeps the handle, which controls may hold, and empties the list.
    if (Handle_)
        ImageList_SetIconSize(Handle_.Get(), width, height);
}

int TImageList::Count() const {
    return Handle_ ? ImageList_GetImageCount(Handle_.Get()) : 0;
}

HIMAGELIST TImageList::Handle() {
    if (!Handle_) {
        Handle_.Reset(ImageList_Create(Width_, Height_, ILC_COLOR32 | ILC_MASK, 0, kGrowBy));
        if (!Handle_)
            throw std::runtime_error("The platform cannot make an image list of " +
                                     std::to_string(Width_) + " x " + std::to_string(Height_));
    }
    return Handle_.Get();
}

void TImageList::CheckStrip(int width, int height) const {
    if (width <= 0 || width % Width_ != 0 || height != Height_)
        throw std::invalid_argument("A " + std::to_string(width) + " x " + std::to_string(height) +
                                    " picture is no strip of " + std::to_string(Width_) + " x " +
                                    std::to_string(Height_) + " images");
}

int TImageList::Add(HBITMAP image, HBITMAP mask) {
    BITMAP info{};
    if (!image || !GetObjectW(image, sizeof info, &info))
        throw std::invalid_argument("Not a bitmap");
    // A bottom-up DIB reports a positive height, a top-down one a negative.
    CheckStrip(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
    return ImageList_Add(Handle(), image, mask);
}

int TImageList::Add(HICON icon) {
    if (!icon)
        return -1;
    return ImageList_AddIcon(Handle(), icon);
}

int TImageList::Add(const Bitmap& image) {
    CheckStrip(image.Width(), image.Height());
    // A DIB section of its own: the list copies the picture through a DC of
    // its own, and a bitmap can be selected into only one DC at a time.
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = image.Width();
    header.bmiHeader.biHeight = -image.Height();
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        return -1;
    const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * sizeof(Pixel);
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + static_cast<std::size_t>(y) * rowBytes,
                    image.Row(y), rowBytes);
    GdiFlush();
    return Add(dib.Get());
}

void TImageList::Clear() {
    if (Handle_)
        ImageList_RemoveAll(Handle_.Get());
}

} // namespace veyra
