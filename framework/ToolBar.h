#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include "ToolButton.h"
#include "WinControl.h"

namespace veyra {

class TImageList;
class TToolBar;

// One button's custom draw: the DC and rectangle, the CDIS_* state, the
// text colour the platform will use, and what the platform still draws.
struct TToolButtonDraw {
    HDC Dc = nullptr;
    RECT Rect{};
    UINT State = 0;
    COLORREF TextColour = 0;
    // Whether the platform draws the button after the handler (its image
    // and caption), and its own face (edges and background) too.
    bool DefaultDraw = true;
    bool DrawFace = true;
};

// Paints the tool bar's background into rect of dc; defaultDraw false keeps
// the platform's background off.
using TToolBarCustomDrawEvent =
    std::function<void(TToolBar* sender, const RECT& rect, HDC dc, bool& defaultDraw)>;
// Paints one button before the platform does.
using TToolButtonCustomDrawEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TToolButtonDraw& draw)>;

// A row of buttons on the platform's tool bar (window class "TToolBar",
// superclassing it). The buttons are TToolButton components added in order;
// a click runs the button's OnClick. OnCustomDraw and OnCustomDrawButton
// reach the background and button painting through the platform's custom
// draw.
class TToolBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    // Flat buttons show their edges only under the mouse.
    bool Flat() const { return Flat_; }
    void SetFlat(bool flat);
    // The images the buttons show by ImageIndex; not owned.
    TImageList* Images() const { return Images_; }
    void SetImages(TImageList* images);

    // Appends button (taking it from any other tool bar).
    void AddButton(TToolButton* button);
    // Takes button out of the row without freeing it.
    void RemoveButton(TToolButton* button);
    const std::vector<TToolButton*>& Buttons() const { return Buttons_; }
    // The button with the platform's command, or nullptr.
    TToolButton* ButtonByCommand(int command) const;
    // A button's caption, state or image changed.
    void ButtonChanged(TToolButton* button);

    TToolBarCustomDrawEvent OnCustomDraw;
    TToolButtonCustomDrawEvent OnCustomDrawButton;

    void Notification(TComponent* component, TOperation operation) override;
    bool InsertChildComponent(TComponent* component) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteButtons();
    // Drops button's menu down under it.
    void DropDown(TToolButton& button);
    LRESULT CustomDraw(NMCUSTOMDRAW& draw);

    bool Flat_ = false;
    TImageList* Images_ = nullptr;
    std::vector<TToolButton*> Buttons_;
};

} // namespace veyra
