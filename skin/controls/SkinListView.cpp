#include "SkinListView.h"

#include <commctrl.h>

#include "SkinHeader.h"

namespace veyra {

const TClassInfo& TSkinListView::StaticClass() {
    static const TClassInfo info("TSkinListView", &TSkinScrollbar::StaticClass());
    return info;
}

TSkinListView::TSkinListView(TComponent* owner) : TSkinScrollbar(owner) {}

void TSkinListView::AttachScrollbars(TWinSkinForm* form, TSkinData* skinData) {
    TSkinScrollbar::AttachScrollbars(form, skinData);
    if (!Attached())
        return;
    Header_ = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    if (!Header_ || HeaderSkin_)
        return;
    // Owned as this object is, so that the list view frees both.
    HeaderSkin_ = new TSkinHeader(Owner());
    FreeNotification(HeaderSkin_);
    HeaderSkin_->AttachHandle(Header_, skinData, form);
}

void TSkinListView::Notification(TComponent* component, TOperation operation) {
    TSkinScrollbar::Notification(component, operation);
    if (operation == TOperation::opRemove && component == HeaderSkin_)
        HeaderSkin_ = nullptr;
}

} // namespace veyra
