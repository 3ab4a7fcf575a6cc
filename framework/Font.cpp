#include "Font.h"

#include "ClassInfo.h"

namespace veyra {
namespace {

std::vector<std::pair<std::string, std::int64_t>> CharsetNames() {
    return {{"ANSI_CHARSET", ANSI_CHARSET},
            {"DEFAULT_CHARSET", DEFAULT_CHARSET},
            {"SYMBOL_CHARSET", SYMBOL_CHARSET},
            {"GB2312_CHARSET", GB2312_CHARSET},
            {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
            {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
            {"HANGEUL_CHARSET", HANGEUL_CHARSET},
            {"OEM_CHARSET", OEM_CHARSET}};
}

} // namespace

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info(
        "TFont", &TObject::StaticClass(),
        TPropertyList<TFont>()
            .Integer("Charset", &TFont::Charset, &TFont::SetCharset, CharsetNames())
            .Integer("Color", &TFont::Color, &TFont::SetColor, ColorNames())
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .WString("Name", &TFont::Name, &TFont::SetName)
            .Integer("Size", &TFont::Size, &TFont::SetSize)
            .Set("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style,
                 &TFont::SetStyle)
            .Take());
    return info;
}

std::vector<std::pair<std::string, std::int64_t>> ColorNames() {
    return {{"clBlack", 0x000000},
            {"clWhite", 0xFFFFFF},
            {"clRed", 0x0000FF},
            {"clGreen", 0x008000},
            {"clBlue", 0xFF0000},
            {"clSilver", 0xC0C0C0},
            {"clGray", 0x808080},
            {"clBtnFace", clBtnFace},
            {"clWindow", clWindow},
            {"clWindowText", clWindowText},
            {"clBtnText", static_cast<TColor>(0xFF000000u | COLOR_BTNTEXT)},
            {"clHighlight", static_cast<TColor>(0xFF000000u | COLOR_HIGHLIGHT)},
            {"clHighlightText", static_cast<TColor>(0xFF000000u | COLOR_HIGHLIGHTTEXT)}};
}

TFont::TFont() = default;

void TFont::SetName(const std::wstring& name) {
    if (name != Name_) {
        Name_ = name;
        Changed();
    }
}

void TFont::SetCharset(int charset) {
    if (charset != Charset_) {
        Charset_ = charset;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != Height_) {
        Height_ = height;
        Changed();
    }
}

int TFont::Size() const {
    return -MulDiv(Height_, 72, 96);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}

void TFont::SetColor(TColor color) {
    if (color != Color_) {
        Color_ = color;
        Changed();
    }
}

void TFont::SetStyle(std::uint32_t style) {
    if (style != Style_) {
        Style_ = style;
        Changed();
    }
}

void TFont::Assign(const TFont& source) {
    Name_ = source.Name_;
    Charset_ = source.Charset_;
    Height_ = source.Height_;
    Color_ = source.Color_;
    Style_ = source.Style_;
    Changed();
}

HFONT TFont::Handle() const {
    if (!Handle_) {
        LOGFONTW lf{};
        lf.lfHeight = Height_;
        lf.lfWeight = (Style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (Style_ & fsItalic) != 0;
        lf.lfUnderline = (Style_ & fsUnderline) != 0;
        lf.lfStrikeOut = (Style_ & fsStrikeOut) != 0;
        lf.lfCharSet = static_cast<BYTE>(Charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, Name_.c_str(), LF_FACESIZE);
        Handle_.Reset(CreateFontIndirectW(&lf));
    }
    return Handle_.Get();
}

void TFont::Changed() {
    Handle_.Reset();
    if (OnChange)
        OnChange();
}

} // namespace veyra
