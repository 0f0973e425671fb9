#include "overlay/PadPictureElement.h"

namespace vtx {

void PadPictureElement::draw(const FrameContext& frame) {
    drawPad(LayerPainter{frame.canvas, frame.layout, frame.settings, skins_.layers()}, skins_.base(), frame.pad);
}

} // namespace vtx
