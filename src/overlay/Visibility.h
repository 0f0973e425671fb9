#pragma once
// Whether the overlay may show in this game mode, whether a hide rule
// applies, and the opacity it fades to.
#include <cstdint>
#include <string_view>

class GameWrapper;
class Vantrix;

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
// The process's fade. It outlives a plugin object: one loaded again in the
// same process resumes the fade where the previous one left it.
Fade& processFade();

// The map name holds "workshop" in any letter case.
bool isWorkshopMapName(std::string_view map);
// isWorkshopMapName of the current map; false without a game.
bool isWorkshopMap(GameWrapper* game);

// The mode gate: an online match, or (when vtx_show_freeplay_workshop is on)
// freeplay or a workshop map. With vtx_online_only off every mode passes.
// A closed gate forgets the match phase.
bool passModeGate(Vantrix& plugin);
// The hide rules, in order: no local car, paused, replay, post-game.
bool decideHide(Vantrix& plugin);
// While vtx_debug_state is on, one line of the match phase and the hide
// decision at most every 501 ms.
void logDebugState(Vantrix& plugin, bool hide, std::int64_t nowNs);
// Seconds since the previous frame that reached this step (0 the first time).
float frameSeconds(std::int64_t nowNs);

// Opacity per second for vtx_fade_ms: the fade time is clamped to
// 50..1000 ms (not a number counts as 50).
float fadeRate(float fadeMs);
// One frame of fading towards target (0 or 1), clamped to 0..1.
float stepFade(float alpha, float target, float step);
// Moves the plugin's fade for this frame; false when nothing is to be drawn.
bool applyFade(Vantrix& plugin, bool hide, float dtSeconds);

} // namespace vtx
