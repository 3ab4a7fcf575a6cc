#include "SkinCheckBox.h"

#include <algorithm>

#include "ControlDrawing.h"
#include "SkinButton.h"
#include "framework/Font.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

// A message some data-aware check boxes send themselves after a change.
constexpr UINT kDataChanged = 0xB0D0;

// The platform's own glyph, which the skin's must cover on a bare window.
constexpr int kPlatformGlyph = 13;

std::string LowerEnum(const TObject* object, std::string_view name) {
    std::string value = GetEnumPropText(object, name);
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return value;
}

} // namespace

const TClassInfo& TSkinCheckBox::StaticClass() {
    static const TClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass());
    return info;
}

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinCheckBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    TSkinControl::AttachControl(form, skinData, keepColor);
    LastSetState_ = 0;
    SetMode(0);
    if (!Control())
        return;
    int frames = 0;
    const Bitmap* glyphs = Glyphs(frames);
    SetMode(glyphs ? 1 : 0);
    Transparent_ = Control()->Tag() == 5555 || (SkinData() && SkinData()->HasOption(xoTransparent));
}

const Bitmap* TSkinCheckBox::Glyphs(int& frameCount) const {
    const TSkinDefinition* skin = Skin();
    if (!skin || skin->Buttons.CheckImage.IsEmpty())
        return nullptr;
    frameCount = skin->Buttons.CheckButtonFrame;
    return &skin->Buttons.CheckImage;
}

TCheckValue TSkinCheckBox::ReadValue() const {
    const auto state = static_cast<UINT>(SendMessageW(Handle(), BM_GETSTATE, 0, 0));
    TCheckValue value = (state & BST_CHECKED) ? TCheckValue::Checked : TCheckValue::Unchecked;
    if (const TWinControl* control = Control()) {
        if (HasProperty(control, "State")) {
            const std::string name = LowerEnum(control, "State");
            if (name.find("uncheck") != std::string::npos)
                value = TCheckValue::Unchecked;
            else if (name.find("check") != std::string::npos)
                value = TCheckValue::Checked;
            else if (name.find("gray") != std::string::npos)
                value = TCheckValue::Mixed;
        } else if (HasProperty(control, "Checked")) {
            value = LowerEnum(control, "Checked") == "true" ? TCheckValue::Checked
                                                            : TCheckValue::Unchecked;
        }
        // A data-aware box shows what its field last set.
        if (HasProperty(control, "DataField") && LastSetState_ != 0)
            value = static_cast<TCheckValue>(std::min(LastSetState_ - 1, 2));
        if (HasProperty(control, "DataBinding"))
            value = TCheckValue::Unchecked;
    }
    if (state & BST_INDETERMINATE)
        value = TCheckValue::Mixed;
    return value;
}

bool TSkinCheckBox::BeforeMessage(TMessage& message) {
    const bool passOn = TSkinControl::BeforeMessage(message);
    if (!passOn)
        return false;
    if (Mode() == 1 && AnswerPaintMessage(message, TEraseAnswer::PassOn, TPrintAnswer::Paint))
        return false;
    if (message.Msg == WM_ERASEBKGND && Transparent_) {
        EraseWithParent(message);
        return false;
    }
    return true;
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case BM_SETCHECK:
        if (CheckKind() == TCheckKind::CheckBox)
            LastSetState_ = static_cast<int>(message.WParam) + 1;
        Repaint();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kDataChanged:
        Repaint();
        return;
    default:
        TSkinControl::AfterMessage(message);
    }
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    int frames = 0;
    const Bitmap* glyphs = Glyphs(frames);
    if (!glyphs) {
        SetMode(0);
        return;
    }
    RefreshState();
    const int n = std::max(frames, 1);
    const int glyphWidth = glyphs->Width() / n;
    const int glyphHeight = glyphs->Height();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    const int frame = CheckGlyphFrame(CheckKind(), ReadValue(), (style & WS_DISABLED) != 0, frames);
    const Rect whole{rect.left, rect.top, rect.right, rect.bottom};
    const TCheckLayout layout =
        LayoutCheckBox(CheckKind(), whole, glyphWidth, glyphHeight, leftText);
    const UINT extraFlags = leftText && Control() && Control()->BiDiMode() != bdLeftToRight
                                ? DT_RIGHT | DT_RTLREADING
                                : 0;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    if (Mode() != 1) {
        // The window drew itself: only its glyph is replaced, over a patch
        // as large as the platform's own so that none of that shows.
        Rect patch = layout.Glyph;
        const int cover = std::max(kPlatformGlyph, glyphHeight);
        patch.Top = std::min<int>(patch.Top, rect.top + (height - cover) / 2);
        patch.Bottom = std::max(patch.Bottom, patch.Top + cover);
        if (leftText)
            patch.Left = std::min<int>(patch.Left, rect.right - kPlatformGlyph);
        else
            patch.Right = std::max<int>(patch.Right, rect.left + kPlatformGlyph);
        DibSurface* buffer = Buffer(patch.Width(), patch.Height());
        if (!buffer)
            return;
        FillParentColor(buffer->Dc(), RECT{0, 0, patch.Width(), patch.Height()});
        GdiFlush();
        DrawStripFrame(buffer->Pixels(), layout.Glyph.Offset(-patch.Left, -patch.Top), n, frame,
                       *glyphs);
        CopyBuffer(dc, patch.Left, patch.Top, patch.Width(), patch.Height());
        return;
    }

    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const RECT local{0, 0, width, height};
    if (Transparent_)
        PaintParentBackground(*Control(), buffer->Dc());
    else
        FillFace(buffer->Dc(), local);
    GdiFlush();
    DrawStripFrame(buffer->Pixels(), layout.Glyph.Offset(-rect.left, -rect.top), n, frame, *glyphs);
    RECT text{layout.Text.Left - rect.left, layout.Text.Top - rect.top,
              layout.Text.Right - rect.left, layout.Text.Bottom - rect.top};
    DrawCaption(buffer->Dc(), text, extraFlags);
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

void TSkinCheckBox::DrawCaption(HDC dc, const RECT& textRect, UINT extraFlags) {
    Text_ = Control() ? GetStrPropW(Control(), "Caption") : WindowText(Handle());
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    COLORREF colour = GetTextColor(dc);
    if (auto* own = As<TFont>(GetObjectPropOf(Control(), "Font", TFont::StaticClass()))) {
        font = own->Handle();
        colour = Enabled_ ? CaptionColour(*this, *own) : GetSysColor(COLOR_BTNSHADOW);
    }
    std::optional<SelectObjectScope> selected;
    if (font)
        selected.emplace(dc, font);
    const TextColourScope textColour(dc, colour);
    const COLORREF oldBack = SetBkColor(dc, SchemeColour(&TSkinColours::ButtonFace));
    const BkModeScope transparent(dc, TRANSPARENT);

    RECT text = textRect;
    RECT measured = textRect;
    DrawUtf16Text(dc, Text_, measured,
                  DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | extraFlags);
    OffsetRect(&text, 0, (text.bottom - text.top - measured.bottom) / 2);
    if (Focused_ && !Text_.empty())
        DrawFocusAroundText(dc, text, DT_EXPANDTABS | DT_WORDBREAK | extraFlags);
    DrawUtf16Text(dc, Text_, text, DT_EXPANDTABS | DT_WORDBREAK | extraFlags);
    SetBkColor(dc, oldBack);
}

} // namespace veyra
