#pragma once
// The overlay of one plugin object: each rendered frame it runs the hotkey,
// polls the pad, updates its elements, decides by mode, match phase and fade
// whether to show, and has the elements draw at the pad's place. It owns the
// frame's pad state and the elements; the input, the skins, the match phase,
// the hotkey and the fade it is handed.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/HostView.h"
#include "core/SettingsSnapshot.h"
#include "input/ControlChanges.h"
#include "input/PadInput.h"
#include "input/PadState.h"
#include "overlay/Hotkey.h"
#include "overlay/MatchPhase.h"
#include "overlay/OverlayElements.h"
#include "overlay/Skins.h"
#include "overlay/Visibility.h"

namespace vtx {

struct OverlayParts {
    PadInput& input;
    SkinLibrary& skins;
    MatchPhase& phase;
    Hotkey& hotkey;
    Fade& fade;
};

class Overlay {
public:
    Overlay(HostView host, const SettingsSnapshot& settings, OverlayParts parts)
        : host_(host), settings_(settings), parts_(parts), elements_(ElementParts{parts.skins, timedControl_}) {}

    // One frame; true when the pad was drawn. Throws nothing.
    bool frame(CanvasWrapper& canvas) noexcept;
    // Fills the pad state from the source the input chooses, with this frame's
    // vtx_pad, vtx_stick_smooth and vtx_trigger_thresh, and takes the
    // changes the input saw since the last frame.
    void pollPad();
    const PadFrame& pad() const { return frame_; }
    // The changes the last poll took, oldest first.
    std::span<const ControlChange> changes() const { return std::span(changes_).first(changeCount_); }
    const Fade& fade() const { return parts_.fade; }

    // The control press timing follows; none for a name that is no control.
    // vtx_timing_button's handler calls it, perhaps on the window's thread.
    void setTimedButton(std::optional<ControlId> control);

private:
    bool runFrame(CanvasWrapper& canvas);
    // Every element's drawing over the pad's place this frame.
    void drawElements(CanvasWrapper& canvas, std::int64_t nowNs);

    void logDebugState(PhaseView phase, bool hide, std::int64_t nowNs);

    HostView host_;
    const SettingsSnapshot& settings_;
    OverlayParts parts_;
    PadFrame frame_;
    std::array<ControlChange, ControlChanges::kCapacity> changes_{};
    std::size_t changeCount_ = 0;
    FrameClock clock_;
    DebugLogPacer debugLog_;

    std::atomic<int> timedControl_{control("A")};
    OverlayElements elements_;
};

} // namespace vtx
