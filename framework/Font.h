#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GdiObject.h"
#include "Object.h"

namespace veyra {

// The colour constants that stored descriptions may name (clBtnFace ...).
std::vector<std::pair<std::string, std::int64_t>> ColorNames();

// Font style bits, in the order of their value names.
enum TFontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A control's font description and the platform font made from it.
class TFont : public TObject {
    VEYRA_CLASS()
public:
    TFont();

    const std::wstring& Name() const { return Name_; }
    void SetName(const std::wstring& name);
    int Charset() const { return Charset_; }
    void SetCharset(int charset);
    // Height in pixels; negative for the character height, as the platform takes it.
    int Height() const { return Height_; }
    void SetHeight(int height);
    // Size in points at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return Color_; }
    void SetColor(TColor color);
    std::uint32_t Style() const { return Style_; }
    void SetStyle(std::uint32_t style);

    // Copies every attribute of source.
    void Assign(const TFont& source);
    // The platform font, created on first use; owned by this object.
    HFONT Handle() const;

    // Called after every change.
    std::function<void()> OnChange;

private:
    void Changed();

    std::wstring Name_ = L"Tahoma";
    int Charset_ = DEFAULT_CHARSET;
    int Height_ = -11;
    TColor Color_ = clWindowText;
    std::uint32_t Style_ = 0;
    mutable TGdiObject<HFONT> Handle_;
};

} // namespace veyra
