#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Component.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

class Bitmap;

// A list of equal-sized images held by the platform (an HIMAGELIST), for
// tabs and other controls that show an image per item. The platform's list
// is made when first needed and lives as long as the component; its handle
// never changes, so a control handed Handle() keeps showing this list.
class TImageList : public TComponent {
    VEYRA_CLASS()
public:
    // Sizes outside 1..kMaxSize are refused: a stored description with a
    // wild size must not make the platform allocate huge bitmaps.
    static constexpr int kMaxSize = 1024;

    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    // Sets the size of every image; the list is emptied, as the platform
    // does. Throws std::invalid_argument for a size outside 1..kMaxSize.
    void SetWidth(int width);
    void SetHeight(int height);
    // How many images the list holds.
    int Count() const;

    // Adds the images of a strip of Width-wide, Height-high images, with an
    // optional mask of the same size (set bits are transparent). The list
    // copies both; the caller keeps them. Returns the index of the first
    // image added, -1 when the platform refused. Throws
    // std::invalid_argument when the strip's size does not fit the list.
    int Add(HBITMAP image, HBITMAP mask = nullptr);
    // Adds a copy of icon, scaled to the list's size; the caller keeps it.
    // Returns its index, -1 when the platform refused.
    int Add(HICON icon);
    // Adds the images of a strip of pixels, as Add(HBITMAP) does.
    int Add(const Bitmap& image);
    // Removes every image.
    void Clear();

    // The platform's list, made on first use; owned by this component.
    // Throws std::runtime_error when the platform cannot make one.
    HIMAGELIST Handle();
    bool HandleAllocated() const { return static_cast<bool>(Handle_); }

private:
    void Resize(int width, int height);
    void CheckStrip(int width, int height) const;

    int Width_ = 16;
    int Height_ = 16;
    ImageListHandle Handle_;
};

} // namespace veyra
