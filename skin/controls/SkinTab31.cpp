#include "SkinTab31.h"

#include <optional>
#include <string>
#include <vector>

#include "ControlDrawing.h"
#include "SkinUpDown.h"
#include "framework/Font.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/TabGeometry.h"
#include "skin/data/TabSetLayout.h"
#include "skin/form/SkinMessages.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/PixelOps.h"

namespace veyra {

namespace {

// An integer the tab set publishes; fallback when it publishes none.
int IntOf(const TObject* control, const char* name, int fallback) {
    if (!HasProperty(control, name))
        return fallback;
    return static_cast<int>(GetIntProp(control, name));
}

std::vector<std::wstring> TabsOf(const TObject* control) {
    const TPropInfo* tabs = FindPropInfo(control, "Tabs");
    if (!tabs || tabs->Kind != TTypeKind::tkStrings || !tabs->GetStrings)
        return {};
    return tabs->GetStrings(*control);
}

} // namespace

const TClassInfo& TSkinTab31::StaticClass() {
    static const TClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
    return info;
}

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinControl(owner) {}

void TSkinTab31::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (!Attached())
        return;
    PrepareImage();
    SkinScroller();
}

void TSkinTab31::SkinChanged() {
    // The image first, so that the repaint shows the new skin.
    PrepareImage();
    TSkinControl::SkinChanged();
}

void TSkinTab31::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == UpDown_)
        UpDown_ = nullptr;
}

void TSkinTab31::PrepareImage() {
    TabImage_ = Bitmap();
    const TSkinDefinition* skin = Skin();
    const auto* tabs = skin ? dynamic_cast<const TDataSkinBorder*>(skin->Find("Tabs")) : nullptr;
    if (!tabs)
        return;
    TabImage_ = tabs->Image;
    TabImage_.SetFormat(PixelFormat::Rgb24);
    Flip(TabImage_);
    // The margins stay with the edges of the picture they keep.
    TabMargins_ = TurnedMargins(tabs->GetMargins(), TTabSide::Bottom);
    TabFrames_ = tabs->Frame;
    TabTransparency_ = tabs->Trans == 1 ? Transparency::KeyColour : Transparency::Opaque;
    TabMiddle_ = tabs->Tile != 0 ? MiddleFill::Tile : MiddleFill::Stretch;
    NormalText_ = ToColorRef(tabs->NormalColour2);
    SelectedText_ = ToColorRef(tabs->MouseOverColour2);
}

void TSkinTab31::SkinScroller() {
    const TWinControl* control = Control();
    if (!control || control->Components().empty() || UpDown_)
        return;
    auto* scroller = dynamic_cast<TWinControl*>(control->Components().front());
    if (!scroller)
        return;
    scroller->HandleNeeded();
    if (!scroller->WindowHandle())
        return;
    UpDown_ = new TSkinUpDown(Owner());
    FreeNotification(UpDown_);
    UpDown_->SetForcedHorizontal(true);
    UpDown_->AttachHandle(scroller->WindowHandle(), SkinData(), SkinForm());
}

bool TSkinTab31::ScrollerVisible() const {
    return UpDown_ && UpDown_->Handle() && IsWindow(UpDown_->Handle()) &&
           (GetWindowLongPtrW(UpDown_->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TSkinTab31::SkinEnabledChanged() {
    // The scroller is part of the strip: switched with it.
    if (UpDown_ && UpDown_->Handle() && IsWindow(UpDown_->Handle()))
        SendMessageW(UpDown_->Handle(), SKINMSG_ENABLE, SkinEnabled() ? 1 : 0, 0);
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
    // A skin without a tab picture leaves the tab set to paint itself.
    // The tab set keeps nothing from its own paint, so it is not asked to
    // paint under the skin: with a DC in wParam it would cover it.
    if (!TabImage_.IsEmpty() && AnswerPaintMessage(message, TEraseAnswer::Skip))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
    const TWinControl* control = Control();
    if (LifeState() == TControlLife::Destroyed || !control || TabImage_.IsEmpty())
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const HDC target = buffer->Dc();
    FillFace(target, RECT{0, 0, width, height});
    const std::vector<std::wstring> tabs = TabsOf(control);
    std::optional<SelectObjectScope> font;
    if (control->Font())
        font.emplace(target, control->Font()->Handle());

    TTabSetInput input;
    input.Width = width;
    input.StartMargin = IntOf(control, "StartMargin", 0);
    input.EndMargin = IntOf(control, "EndMargin", 0);
    input.FirstIndex = IntOf(control, "FirstIndex", 0);
    input.ScrollerVisible = ScrollerVisible();
    for (const std::wstring& tab : tabs) {
        SIZE size{};
        GetTextExtentPoint32W(target, tab.c_str(), static_cast<int>(tab.size()), &size);
        input.CaptionWidths.push_back(size.cx);
    }
    const int selected = IntOf(control, "TabIndex", -1);
    for (const TTabSetPlace& place : LayoutTabSet(input)) {
        const int frame = place.Index == selected ? 2 : 1;
        const Rect tab{place.Left, 0, place.Right, height};
        // A skin whose tab image has too few frames shows no tab picture.
        if (FrameInRange(TabFrames_, frame) && TabImage_.Width() >= TabFrames_)
            DrawSlicedFrame(buffer->Pixels(), tab, TabImage_, FrameLayout::Horizontal, TabMiddle_,
                            TabTransparency_, TabFrames_, frame, TabMargins_);
        const TextColourScope colour(target, frame == 2 ? SelectedText_ : NormalText_);
        DrawCaptionText(target, RECT{tab.Left, tab.Top, tab.Right, tab.Bottom},
                        tabs[static_cast<std::size_t>(place.Index)], true, TTextPlace::Centre,
                        AddRtlFlag(0));
    }
    font.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
