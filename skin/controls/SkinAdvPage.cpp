#include "SkinAdvPage.h"

#include <commctrl.h>

#include "SkinUpDown.h"
#include "framework/Bitmap.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/TabGeometry.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

constexpr const char* kPictureNames[] = {"TabBackGround", "TabBackGroundActive"};

TBitmap* PictureOf(const TObject* control, const char* name) {
    return static_cast<TBitmap*>(GetObjectPropOf(control, name, TBitmap::StaticClass()));
}

} // namespace

const TClassInfo& TSkinAdvPage::StaticClass() {
    static const TClassInfo info("TSkinAdvPage", &TSkinControl::StaticClass());
    return info;
}

TSkinAdvPage::TSkinAdvPage(TComponent* owner) : TSkinControl(owner) {}

void TSkinAdvPage::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (Attached())
        Render();
}

void TSkinAdvPage::RestoreControl() {
    // The colour goes back too: the attach recoloured the control.
    TSkinControl::RestoreControl();
    for (const char* name : kPictureNames)
        if (TBitmap* picture = PictureOf(Control(), name))
            picture->SetPixels(Bitmap());
}

void TSkinAdvPage::SkinChanged() {
    Render();
    // The new face colour too: the attach recoloured the control.
    TSkinControl::SkinChanged();
}

void TSkinAdvPage::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == UpDown_)
        UpDown_ = nullptr;
}

void TSkinAdvPage::Render() {
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* tabs = skin ? skin->Find("Tabs") : nullptr;
    if (Mode() != kRenderMode || !tabs || !Control())
        return;
    const MiddleFill middle = tabs->Trans == 1 ? MiddleFill::Tile : MiddleFill::Stretch;
    for (int frame = 1; frame <= 2; ++frame) {
        TBitmap* picture = PictureOf(Control(), kPictureNames[frame - 1]);
        // A skin whose tab image has too few frames gives no picture.
        if (!picture || !FrameInRange(tabs->Frame, frame) || tabs->Image.Width() < tabs->Frame)
            continue;
        picture->SetPixels(BuildSlicedFrame({0, 0, kTabWidth, kTabHeight}, tabs->Image,
                                            tabs->GetMargins(), FrameLayout::Horizontal, middle,
                                            tabs->Frame, frame));
    }
}

void TSkinAdvPage::SkinScrollArrows() {
    const HWND arrows =
        Handle() ? FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
    if (!arrows || (UpDown_ && UpDown_->Handle() == arrows))
        return;
    if (UpDown_)
        RemoveFreeNotification(UpDown_);
    UpDown_ = new TSkinUpDown(Owner());
    FreeNotification(UpDown_);
    UpDown_->AttachHandle(arrows, SkinData(), SkinForm());
}

void TSkinAdvPage::PaintSkin(HDC, const RECT&) {
    if (LifeState() != TControlLife::Destroyed)
        SkinScrollArrows();
}

} // namespace veyra
