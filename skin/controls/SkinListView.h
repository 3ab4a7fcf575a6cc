#pragma once

#include <windows.h>

#include "SkinScrollbar.h"

namespace veyra {

// A list view's scroll bars, skinned as TSkinScrollbar skins any control's.
// Its column header (LVM_GETHEADER) is found at attach; the header skinning
// class is not built yet, so the header keeps the platform's look.
class TSkinListView : public TSkinScrollbar {
    VEYRA_CLASS()
public:
    explicit TSkinListView(TComponent* owner);

    void AttachScrollbars(TWinSkinForm* form, TSkinData* skinData) override;

    // The list view's header window, or null (not in report view).
    HWND Header() const { return Header_; }

private:
    HWND Header_ = nullptr;
};

} // namespace veyra
