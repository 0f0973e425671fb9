// The canvas drawable's work, in order. Each step that decides nothing is to
// be shown ends the frame there.
#include "overlay/Overlay.h"

#include <array>
#include <string>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "overlay/LayerDrawing.h"
#include "overlay/PadSurroundings.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
// Between the pad and a display beside it, and between two displays, in
// pixels at overlay scale 1.
constexpr float kGapAroundPad = 6.0f;
} // namespace

bool Overlay::frame(CanvasWrapper& canvas) noexcept {
    try {
        return runFrame(canvas);
    } catch (...) {
        // Nothing may reach the host from its frame; the next frame starts afresh.
        return false;
    }
}

void Overlay::pollPad() {
    // A trigger counts as pressed as it is drawn: above the threshold.
    parts_.input.poll(frame_, settings_.integer(cvar::kPad), settings_.number(cvar::kStickSmooth),
                      settings_.number(cvar::kTriggerThresh));
    changeCount_ = parts_.input.takeChanges(changes_);
}

bool Overlay::runFrame(CanvasWrapper& canvas) {
    // While a capture waits for its key, the overlay does nothing else.
    if (parts_.hotkey.capturing()) {
        parts_.hotkey.runCapture();
        return false;
    }
    // Before the switch, so the hotkey can turn a disabled overlay back on.
    parts_.hotkey.runToggle(settings_);
    if (!settings_.on(cvar::kEnabled)) {
        return false;
    }
    pollPad();
    const std::int64_t now = platform::steadyNowNs();
    elements_.update(FrameInput{frame_, changes(), settings_, now});

    GameWrapper* game = host_.game.get();
    if (!passModeGate(game, settings_, parts_.phase)) {
        return false;
    }
    const PhaseView phase =
        parts_.phase.frameStep(now, game ? std::optional<bool>(game->IsInReplay()) : std::nullopt, settings_);
    const bool hide = decideHide(game, settings_, phase);
    logDebugState(phase, hide, now);

    const float dt = clock_.secondsSincePrevious(now);
    if (!applyFade(game, settings_, parts_.fade, hide, dt)) {
        return false;
    }
    if (!parts_.skins.preparePictures()) {
        return false;
    }
    drawElements(canvas, now);
    return true;
}

void Overlay::drawElements(CanvasWrapper& canvas, std::int64_t nowNs) {
    Layout layout = readLayout(settings_, parts_.fade.alpha());
    const Vector2 canvasSize = canvas.GetSize();
    const PixelBox& kept = parts_.skins.baseKeptBox();
    // Drawn whole on any screen; the stored place stays as the user set it.
    keepOnCanvas(layout, kept, canvasSize);
    const Vector2 base = parts_.skins.baseSize();
    const PadPlace picture{layout.drawX, layout.drawY, static_cast<float>(base.X) * layout.scale,
                           static_cast<float>(base.Y) * layout.scale};
    // A base without a visible part of its own: the displays go beside the whole picture.
    const PadPlace visible = kept.right > kept.left && kept.bottom > kept.top
                                 ? PadPlace{layout.drawX + static_cast<float>(kept.left) * layout.scale,
                                            layout.drawY + static_cast<float>(kept.top) * layout.scale,
                                            static_cast<float>(kept.right - kept.left) * layout.scale,
                                            static_cast<float>(kept.bottom - kept.top) * layout.scale}
                                 : picture;
    PadSurroundings room(picture, visible, canvasSize, kGapAroundPad * layout.scale);
    elements_.draw(FrameContext{canvas, settings_, layout, frame_, picture, visible, canvasSize, nowNs, room});
}

void Overlay::setTimedButton(std::optional<ControlId> control) {
    timedControl_.store(control ? static_cast<int>(*control) : kNoTimedControl);
}

// While vtx_debug_state is on, one line of the match phase and the hide
// decision at most every 501 ms.
void Overlay::logDebugState(PhaseView phase, bool hide, std::int64_t nowNs) {
    if (!settings_.on(cvar::kDebugState) || !debugLog_.due(nowNs)) {
        return;
    }
    logLine(host_.cvars, "inReplay=" + std::to_string(int{phase.inReplay}) + " inPostGame=" +
                             std::to_string(int{phase.inPostGame}) + " hide=" + std::to_string(int{hide}));
}

} // namespace vtx
