#include "SkinListView.h"

#include <commctrl.h>

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
    // FIXME: the header gets a TSkinHeader here, attached by handle with the
    // same skin and form, once the header skinning class exists.
    Header_ = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

} // namespace veyra
