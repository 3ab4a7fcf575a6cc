#pragma once

#include <windows.h>

#include "SkinScrollbar.h"

namespace veyra {
class TSkinHeader;
}

namespace veyra {

// A list view's scroll bars, skinned as TSkinScrollbar skins any control's.
// Its column header (LVM_GETHEADER), found at attach, gets a TSkinHeader
// of its own, owned by the list view's owner and registered with the form.
class TSkinListView : public TSkinScrollbar {
    VEYRA_CLASS()
public:
    explicit TSkinListView(TComponent* owner);

    void AttachScrollbars(TWinSkinForm* form, TSkinData* skinData) override;

    // The list view's header window, or null (not in report view).
    HWND Header() const { return Header_; }
    // The header's skinning object, or null.
    TSkinHeader* HeaderSkin() const { return HeaderSkin_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    HWND Header_ = nullptr;
    TSkinHeader* HeaderSkin_ = nullptr;
};

} // namespace veyra
