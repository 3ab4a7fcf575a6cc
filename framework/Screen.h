#pragma once

#include <vector>

namespace veyra {

class TCustomForm;

// The forms of the program.
class TScreen {
public:
    // The forms, front-most window first; forms without a window come last, in creation order.
    std::vector<TCustomForm*> Forms() const;
    int FormCount() const { return static_cast<int>(Forms_.size()); }
    // Width and height of the primary screen in pixels.
    int Width() const;
    int Height() const;

    // Called by every form when it is created and destroyed.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> Forms_;
};

// The process's screen object.
TScreen& Screen();

} // namespace veyra
