#pragma once

#include "WinControl.h"

namespace veyra {

// A frame with a caption around other controls: the platform's group box.
class TCustomGroupBox : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    // The platform's group box draws only its frame and caption: the face
    // inside is filled here with Color.
    void WmEraseBkgnd(TMessage& message) override;
};

} // namespace veyra
