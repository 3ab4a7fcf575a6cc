#include "Bitmap.h"

#include <span>

#include "ClassInfo.h"
#include "skin/imaging/BmpReader.h"

namespace veyra {

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info(
        "TBitmap", &TObject::StaticClass(),
        TPropertyList<TBitmap>().Binary("Data", &TBitmap::Data, &TBitmap::SetData).Take());
    return info;
}

void TBitmap::SetData(const std::vector<std::uint8_t>& bmpFile) {
    Bitmap pixels;
    if (!bmpFile.empty())
        pixels = ReadBmp(std::span<const std::uint8_t>(bmpFile.data(), bmpFile.size()));
    Pixels_ = std::move(pixels);
    Data_ = bmpFile;
    Changed();
}

void TBitmap::SetPixels(const Bitmap& pixels) {
    Pixels_ = pixels;
    Data_.clear();
    Changed();
}

void TBitmap::Assign(const TBitmap* source) {
    if (!source || source == this)
        return;
    Pixels_ = source->Pixels_;
    Data_ = source->Data_;
    Changed();
}

void TBitmap::Changed() {
    if (OnChange)
        OnChange();
}

} // namespace veyra
