#pragma once
// The overlay of one plugin object: each rendered frame it runs the hotkey,
// polls the pad, decides by mode, match phase and fade whether to show, and
// draws the active skin. It owns the pad picture's frame state; the input,
// the skins, the match phase, the hotkey and the fade it is handed.
#include <atomic>
#include <cstdint>
#include <optional>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/CvarHandles.h"
#include "core/HostView.h"
#include "core/PressTiming.h"
#include "input/ButtonWatch.h"
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
    Overlay(HostView host, CvarCache& settings, OverlayParts parts) : host_(host), settings_(settings), parts_(parts) {}

    // One frame; true when the pad was drawn. Throws nothing.
    bool frame(CanvasWrapper& canvas) noexcept;
    // Fills the pad state from the source the input chooses, with this frame's
    // vtx_pad and vtx_stick_smooth.
    void pollPad();
    const PadState& pad() const { return pad_; }
    const Fade& fade() const { return parts_.fade; }

    // The button press timing follows; none for a name that is no button.
    // vtx_timing_button's handler calls it, perhaps on the window's thread.
    void setTimedButton(std::optional<PadButton> button);

private:
    bool runFrame(CanvasWrapper& canvas);
    // Before the poll: which button the input watches, if timing is on.
    void followTimedButton(const CvarHandles& cvars, bool timing);
    // After it: the watched changes, in order, into the timing.
    void timePresses(const CvarHandles& cvars);

    void logDebugState(PhaseView phase, bool hide, std::int64_t nowNs);

    HostView host_;
    CvarCache& settings_;
    OverlayParts parts_;
    PadState pad_;
    FrameClock clock_;
    DebugLogPacer debugLog_;

    static constexpr int kNoButton = -1;
    std::atomic<int> timedButton_{static_cast<int>(PadButton::a)};
    std::optional<PadButton> followed_; // the game's side: what the input watches now
    PressTiming timing_{1000};
};

} // namespace vtx
