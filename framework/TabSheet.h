#pragma once

#include "WinControl.h"

namespace veyra {

class TPageControl;

// One page of a page control: its tab shows Caption and ImageIndex.
class TTabSheet : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    // The page control the sheet is a page of, or nullptr.
    TPageControl* PageControl() const;
    void SetPageControl(TPageControl* pageControl);
    // The sheet's position among its page control's pages, or -1.
    int PageIndex() const;
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int index);

    void SetParent(TWinControl* parent) override;

protected:
    void TextChanged() override;
    bool PlacedByParent() const override { return true; }

private:
    int ImageIndex_ = -1;
};

} // namespace veyra
