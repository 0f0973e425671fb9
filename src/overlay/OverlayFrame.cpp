// The canvas drawable: the per-frame work of the overlay.
#include "Vantrix.h"

void Vantrix::renderOverlay(CanvasWrapper /*canvas*/) {
    if (!cvarManager || cvarManager->getCvar("vtx_enabled").getIntValue() == 0) {
        return;
    }
    pollPad();
}
