#pragma once

#include <string>
#include <vector>

#include "CustomEdit.h"

namespace veyra {

// Which scroll bars a memo shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit: its lines, its scroll bars and whether it wraps.
// ScrollBars and WordWrap are window styles; changing one on a control with
// a window makes a new window, keeping the text.
class TCustomMemo : public TCustomEdit {
    VEYRA_CLASS()
public:
    explicit TCustomMemo(TComponent* owner);

    // The lines of the text (as the user left it).
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);
    TScrollStyle ScrollBars() const { return ScrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return WordWrap_; }
    void SetWordWrap(bool wordWrap);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TScrollStyle ScrollBars_ = ssNone;
    bool WordWrap_ = true;
};

// The memo as forms place it.
class TMemo : public TCustomMemo {
    VEYRA_CLASS()
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

} // namespace veyra
