#pragma once
// The overlay of one plugin object: each rendered frame it runs the hotkey,
// polls the pad, decides by mode, match phase and fade whether to show, and
// draws the active skin. It owns the pad picture's frame state; the input,
// the skins, the match phase, the hotkey and the fade it is handed.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/HostView.h"
#include "core/PressTiming.h"
#include "core/SettingsSnapshot.h"
#include "input/ControlChanges.h"
#include "input/PadInput.h"
#include "input/PadState.h"
#include "overlay/Hotkey.h"
#include "overlay/MatchPhase.h"
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
        : host_(host), settings_(settings), parts_(parts) {}

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
    // The frame's changes, in order, into the timing of the timed control.
    void timePresses(bool timing);

    void logDebugState(PhaseView phase, bool hide, std::int64_t nowNs);

    HostView host_;
    const SettingsSnapshot& settings_;
    OverlayParts parts_;
    PadFrame frame_;
    std::array<ControlChange, ControlChanges::kCapacity> changes_{};
    std::size_t changeCount_ = 0;
    FrameClock clock_;
    DebugLogPacer debugLog_;

    static constexpr int kNoButton = -1;
    std::atomic<int> timedButton_{control("A")};
    std::optional<ControlId> timed_; // the game's side: what the timing follows now
    PressTiming timing_{1000};
};

} // namespace vtx
