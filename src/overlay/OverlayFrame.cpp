// The canvas drawable: the per-frame work of the overlay, in order. Each step
// that decides nothing is to be shown ends the frame there.
#include "Vantrix.h"
#include "core/MatchPhase.h"
#include "core/PositionAutosave.h"
#include "overlay/Hotkey.h"
#include "overlay/LayerDrawing.h"
#include "overlay/SkinImages.h"
#include "overlay/Visibility.h"
#include "platform/Platform.h"

void Vantrix::renderOverlay(CanvasWrapper canvas) {
    try {
        runOverlayFrame(canvas);
    } catch (...) {
        // Nothing may reach the host from its frame; the next frame starts afresh.
    }
}

void Vantrix::runOverlayFrame(CanvasWrapper& canvas) {
    // While a capture waits for its key, the overlay does nothing else.
    if (capture.active()) {
        vtx::runHotkeyCapture(*this);
        return;
    }
    // Before the switch, so the hotkey can turn a disabled overlay back on.
    vtx::runHotkeyToggle(*this);
    if (!settings().enabled.on()) {
        return;
    }
    pollPad();

    if (!vtx::passModeGate(*this)) {
        return;
    }
    const std::int64_t now = vtx::platform::steadyNowNs();
    vtx::expireReplay(*this, now);
    vtx::pollGameReplay(*this, now);
    const bool hide = vtx::decideHide(*this);
    vtx::logDebugState(*this, hide, now);

    const float dt = vtx::frameSeconds(vtx::platform::steadyNowNs());
    if (!vtx::applyFade(*this, hide, dt)) {
        return;
    }

    vtx::loadSkinImages(*this);
    if (!imagesLoaded || !baseImage) {
        return;
    }
    const vtx::Layout layout = vtx::readLayout(settings(), fade().alpha());
    vtx::drawPad(vtx::LayerPainter{canvas, layout, settings(), layerImages}, baseImage.get(), pad);
    vtx::autosavePosition(*this);
}
