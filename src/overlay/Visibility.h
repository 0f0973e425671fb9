#pragma once
// Whether the overlay may show in this game mode, whether a hide rule
// applies, and the opacity it fades to.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/SettingsSnapshot.h"
#include "overlay/MatchPhase.h"

class GameWrapper;

namespace vtx {

// The overlay's opacity, 0..1; kept across frames and hidden periods so a
// fade resumes from where it stopped.
class Fade {
public:
    float alpha() const { return value; }
    void show() { value = 1.0f; }
    // One frame towards target (0 or 1) at `step` per frame, clamped to 0..1.
    void step(float target, float step);

private:
    float value = 1.0f;
};

// The map name holds "workshop" in any letter case.
bool isWorkshopMapName(std::string_view map);
// isWorkshopMapName of the current map; false without a game.
bool isWorkshopMap(GameWrapper* game);

// The mode gate: an online match, or (when vtx_show_freeplay_workshop is on)
// freeplay or a workshop map. With vtx_online_only off every mode passes.
// A closed gate forgets the match phase.
bool passModeGate(GameWrapper* game, const SettingsSnapshot& settings, MatchPhase& phase);
// The hide rules, in order: no local car, paused, replay, post-game.
bool decideHide(GameWrapper* game, const SettingsSnapshot& settings, PhaseView phase);

// Seconds between the frames that reach the fade step (0 the first time).
class FrameClock {
public:
    float secondsSincePrevious(std::int64_t nowNs);

private:
    std::optional<std::int64_t> previous_;
};

// Whether vtx_debug_state's line is due: at most one every 501 ms, the first
// 501 ms after the first ask.
class DebugLogPacer {
public:
    bool due(std::int64_t nowNs);

private:
    std::optional<std::int64_t> last_;
};

// Opacity per second for vtx_fade_ms: the fade time is kept within the
// variable's limits of use, 50..1000 ms (not a number counts as 50).
float fadeRate(float fadeMs);
// One frame of fading towards target (0 or 1), clamped to 0..1.
float stepFade(float alpha, float target, float step);
// Moves `fade` for this frame; false when nothing is to be drawn.
bool applyFade(GameWrapper* game, const SettingsSnapshot& settings, Fade& fade, bool hide, float dtSeconds);

} // namespace vtx
