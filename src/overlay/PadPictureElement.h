#pragma once
// The pad itself: the skin's base picture and a layer for each control as it
// is held, the sticks moved and the triggers by their pressure.
#include "overlay/OverlayElements.h"

namespace vtx {

class PadPictureElement final : public OverlayElement {
public:
    explicit PadPictureElement(const ElementParts& parts) : skins_(parts.skins) {}
    void update(const FrameInput&) override {}
    void draw(const FrameContext& frame) override;

private:
    const SkinLibrary& skins_;
};

} // namespace vtx
