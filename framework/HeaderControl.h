#pragma once

#include <functional>
#include <string>
#include <vector>

#include "StatusBar.h"
#include "WinControl.h"

namespace veyra {

class TImageList;

// One section of a header control.
struct THeaderSection {
    std::wstring Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    // An image of the control's Images, or -1.
    int ImageIndex = -1;
    bool operator==(const THeaderSection&) const = default;
};

class TCustomHeaderControl;

// A section (by index) was clicked, or resized by dragging its divider.
using TSectionEvent = std::function<void(TCustomHeaderControl* sender, int section)>;

// The platform's header under the framework: sections that can be clicked
// and resized, with images from Images. Aligned to its parent's top unless
// told otherwise.
//
// In a stored description the sections are lines "Text=Width" followed by
// any of ",taCenter", ",taRightJustify", ",image N".
class TCustomHeaderControl : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomHeaderControl(TComponent* owner);

    const std::vector<THeaderSection>& Sections() const { return Sections_; }
    void SetSections(std::vector<THeaderSection> sections);
    std::vector<std::wstring> SectionLines() const;
    void SetSectionLines(const std::vector<std::wstring>& lines);
    TImageList* Images() const { return Images_; }
    void SetImages(TImageList* images);

    TSectionEvent OnSectionClick;
    TSectionEvent OnSectionResize;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void WriteSections();
    void CnNotify(TMessage& message);

    std::vector<THeaderSection> Sections_;
    TImageList* Images_ = nullptr;
};

// The header control as forms place it.
class THeaderControl : public TCustomHeaderControl {
    VEYRA_CLASS()
public:
    explicit THeaderControl(TComponent* owner) : TCustomHeaderControl(owner) {}
};

} // namespace veyra
