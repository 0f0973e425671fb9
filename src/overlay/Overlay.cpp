// The canvas drawable's work, in order. Each step that decides nothing is to
// be shown ends the frame there.
#include "overlay/Overlay.h"

#include <array>
#include <string>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "overlay/LayerDrawing.h"
#include "overlay/TimingDrawing.h"
#include "platform/Platform.h"

namespace vtx {

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
    const bool timing = settings_.on(cvar::kTimingEnable);
    pollPad();
    timePresses(timing);

    GameWrapper* game = host_.game.get();
    if (!passModeGate(game, settings_, parts_.phase)) {
        return false;
    }
    const std::int64_t now = platform::steadyNowNs();
    const PhaseView phase =
        parts_.phase.frameStep(now, game ? std::optional<bool>(game->IsInReplay()) : std::nullopt, settings_);
    const bool hide = decideHide(game, settings_, phase);
    logDebugState(phase, hide, now);

    const float dt = clock_.secondsSincePrevious(platform::steadyNowNs());
    if (!applyFade(game, settings_, parts_.fade, hide, dt)) {
        return false;
    }
    if (!parts_.skins.preparePictures()) {
        return false;
    }
    Layout layout = readLayout(settings_, parts_.fade.alpha());
    // Drawn whole on any screen; the stored place stays as the user set it.
    keepOnCanvas(layout, parts_.skins.baseKeptBox(), canvas.GetSize());
    drawPad(LayerPainter{canvas, layout, settings_, parts_.skins.layers()}, parts_.skins.base(), frame_);
    if (timing) {
        const Vector2 base = parts_.skins.baseSize();
        const PadPlace place{layout.drawX, layout.drawY, static_cast<float>(base.X) * layout.scale,
                             static_cast<float>(base.Y) * layout.scale};
        drawPressTiming(canvas, timing_, place, layout.scale, layout.fadeAlpha);
    }
    return true;
}

void Overlay::setTimedButton(std::optional<ControlId> control) {
    timedButton_.store(control ? static_cast<int>(*control) : kNoButton);
}

void Overlay::timePresses(bool timing) {
    const int stored = timedButton_.load();
    std::optional<ControlId> wanted;
    if (timing && stored != kNoButton) {
        wanted = static_cast<ControlId>(stored);
    }
    if (wanted != timed_) {
        // Another control, or timing switched off: its pairs are not this one's.
        timing_.reset();
        timed_ = wanted;
    }
    if (!timed_) {
        return;
    }
    timing_.setWindowMs(settings_.integer(cvar::kTimingWindowMs));
    for (const ControlChange& change : changes()) {
        if (change.control == *timed_ && change.pressed) {
            timing_.press(change.atNs);
        }
    }
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
