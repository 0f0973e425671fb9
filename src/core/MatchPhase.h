#pragma once
// The match phase the overlay hides for: goal replays and the end of the
// match. Game events arm and clear it; the frame lets a hide lapse and
// follows the game's own replay report.
#include <cstdint>

class Vantrix;

namespace vtx {

// The hide length of the goal and timed replay-start events: vtx_replay_hide_ms,
// or vtx_replay_failsafe_ms when that is below 1.
int hideLengthMs(int replayHideMs, int replayFailsafeMs);
// now + ms, for ms of 1 or more; 0 ("no deadline") otherwise.
std::int64_t deadlineFrom(std::int64_t nowNs, int ms);
// The hide length when the game reports a replay the events missed:
// vtx_replay_hide_s clamped to 0..30 s (not a number counts as 0), in whole
// milliseconds rounded half away from zero; the failsafe when that is 0.
int replayPollLengthMs(float replayHideSeconds, int replayFailsafeMs);

// Forgets every phase; the frame calls it while the mode gate is closed.
void clearMatchPhase(Vantrix& plugin);
// Ends a hide whose deadline has passed.
void expireReplay(Vantrix& plugin, std::int64_t nowNs);
// Follows GameWrapper::IsInReplay: a reported replay arms the hide; once one
// has been reported, a frame without one ends it.
void pollGameReplay(Vantrix& plugin, std::int64_t nowNs);

// The event handlers.
void onGoalScored(Vantrix& plugin);
void onReplayStartTimed(Vantrix& plugin);
void onReplayStartFailsafe(Vantrix& plugin);
void onReplayHudOpened(Vantrix& plugin);
void onReplayCleared(Vantrix& plugin);
void onMatchEnded(Vantrix& plugin);
void onMatchStarted(Vantrix& plugin);

} // namespace vtx
