#include "HeaderControl.h"

#include <commctrl.h>

#include <cwchar>

#include "ImageList.h"
#include "Messages.h"

namespace veyra {

namespace {

constexpr int kDefaultHeight = 20;

THeaderSection ParseSection(const std::wstring& line) {
    THeaderSection section;
    const std::size_t equals = line.rfind(L'=');
    section.Text = line.substr(0, equals);
    if (equals == std::wstring::npos)
        return section;
    const std::wstring rest = line.substr(equals + 1);
    section.Width = static_cast<int>(std::wcstol(rest.c_str(), nullptr, 10));
    for (std::size_t comma = rest.find(L','); comma != std::wstring::npos;
         comma = rest.find(L',', comma + 1)) {
        const std::size_t end = rest.find(L',', comma + 1);
        const std::wstring word = rest.substr(comma + 1, end - comma - 1);
        if (word == L"taCenter")
            section.Alignment = taCenter;
        else if (word == L"taRightJustify")
            section.Alignment = taRightJustify;
        else if (word.rfind(L"image ", 0) == 0)
            section.ImageIndex = static_cast<int>(std::wcstol(word.c_str() + 6, nullptr, 10));
    }
    return section;
}

std::wstring SectionLine(const THeaderSection& section) {
    std::wstring line = section.Text + L"=" + std::to_wstring(section.Width);
    if (section.Alignment != taLeftJustify)
        line += section.Alignment == taCenter ? L",taCenter" : L",taRightJustify";
    if (section.ImageIndex >= 0)
        line += L",image " + std::to_wstring(section.ImageIndex);
    return line;
}

int FormatOf(const THeaderSection& section) {
    int format = HDF_STRING;
    if (section.Alignment == taCenter)
        format |= HDF_CENTER;
    else if (section.Alignment == taRightJustify)
        format |= HDF_RIGHT;
    if (section.ImageIndex >= 0)
        format |= HDF_IMAGE;
    return format;
}

} // namespace

const TClassInfo& TCustomHeaderControl::StaticClass() {
    static const TClassInfo info("TCustomHeaderControl", &TWinControl::StaticClass(),
                                 TPropertyList<TCustomHeaderControl>()
                                     .Object<TImageList>("Images", &TCustomHeaderControl::Images,
                                                         &TCustomHeaderControl::SetImages)
                                     .Strings("Sections", &TCustomHeaderControl::SectionLines,
                                              &TCustomHeaderControl::SetSectionLines)
                                     .Take());
    return info;
}

const TClassInfo& THeaderControl::StaticClass() {
    static const TClassInfo info(
        "THeaderControl", &TCustomHeaderControl::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new THeaderControl(owner); });
    return info;
}

TCustomHeaderControl::TCustomHeaderControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, kDefaultHeight);
    SetAlign(alTop);
}

void TCustomHeaderControl::SetSections(std::vector<THeaderSection> sections) {
    Sections_ = std::move(sections);
    WriteSections();
}

std::vector<std::wstring> TCustomHeaderControl::SectionLines() const {
    std::vector<std::wstring> lines;
    for (const THeaderSection& section : Sections_)
        lines.push_back(SectionLine(section));
    return lines;
}

void TCustomHeaderControl::SetSectionLines(const std::vector<std::wstring>& lines) {
    std::vector<THeaderSection> sections;
    for (const std::wstring& line : lines)
        sections.push_back(ParseSection(line));
    SetSections(std::move(sections));
}

void TCustomHeaderControl::SetImages(TImageList* images) {
    if (!ReplaceFreeNotification(Images_, images))
        return;
    if (WindowHandle())
        SendMessageW(WindowHandle(), HDM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_ ? Images_->Handle() : nullptr));
}

void TCustomHeaderControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images_)
        SetImages(nullptr);
}

void TCustomHeaderControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = WC_HEADERW;
    params.Style |= HDS_HORZ | HDS_BUTTONS | HDS_HOTTRACK | HDS_FULLDRAG;
}

void TCustomHeaderControl::WindowCreated() {
    if (Images_)
        SendMessageW(WindowHandle(), HDM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(Images_->Handle()));
    WriteSections();
}

void TCustomHeaderControl::WriteSections() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    while (SendMessageW(window, HDM_DELETEITEM, 0, 0))
        ;
    for (std::size_t i = 0; i < Sections_.size(); ++i) {
        THeaderSection& section = Sections_[i];
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        item.pszText = section.Text.data();
        item.cxy = std::max(section.Width, 0);
        item.fmt = FormatOf(section);
        item.iImage = section.ImageIndex;
        SendMessageW(window, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TCustomHeaderControl::CnNotify(TMessage& message) {
    const auto* header = reinterpret_cast<const NMHEADERW*>(message.LParam);
    const int index = header->iItem;
    const bool known = index >= 0 && index < static_cast<int>(Sections_.size());
    switch (header->hdr.code) {
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
        if (known && OnSectionClick)
            OnSectionClick(this, index);
        break;
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA:
        if (known && header->pitem && (header->pitem->mask & HDI_WIDTH) &&
            header->pitem->cxy != Sections_[index].Width) {
            Sections_[index].Width = header->pitem->cxy;
            if (OnSectionResize)
                OnSectionResize(this, index);
        }
        break;
    default:
        break;
    }
}

void TCustomHeaderControl::WndProc(TMessage& message) {
    // The number is shared with a message whose lParam is a small
    // signature; nothing below 64 KB is ever a notification's address.
    if (message.Msg == CN_NOTIFY && message.LParam >= 0x10000) {
        message.Result = 0;
        CnNotify(message);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
