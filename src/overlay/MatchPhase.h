#pragma once
// The match phase the overlay hides for: goal replays and the end of the
// match. Game events arm and clear it; the frame lets a hide lapse and
// follows the game's own replay report.
#include <cstdint>
#include <mutex>
#include <optional>

#include "core/SettingsSnapshot.h"

namespace vtx {

// The hide length of the goal and timed replay-start events: vtx_replay_hide_ms,
// or vtx_replay_failsafe_ms when that is below 1.
int hideLengthMs(int replayHideMs, int replayFailsafeMs);
// now + ms, for ms of 1 or more; 0 ("no deadline") otherwise.
std::int64_t deadlineFrom(std::int64_t nowNs, int ms);
// The hide length when the game reports a replay the events missed:
// vtx_replay_hide_s within its limits of use (0..30 s; not a number counts
// as 0), in whole milliseconds rounded half away from zero; the failsafe when
// that is 0.
int replayPollLengthMs(float replayHideSeconds, int replayFailsafeMs);

// What a frame decides by.
struct PhaseView {
    bool inReplay = false;
    bool inPostGame = false;
};

// The game's events and the frame change the phase on the game's side; "Reset
// all" may clear it from the menu's thread. A small lock guards the four
// fields.
class MatchPhase {
public:
    bool inReplay() const { return view().inReplay; }
    bool inPostGame() const { return view().inPostGame; }
    PhaseView view() const;
    // Steady clock, ns; 0 while a replay hide has no deadline.
    std::int64_t replayDeadline() const;

    // Forgets every phase; the frame calls it while the mode gate is closed.
    void clear();
    // One frame: ends a hide whose deadline has passed, then follows
    // GameWrapper::IsInReplay (nothing without a game): a reported replay arms
    // the hide; once one has been reported, a frame without one ends it.
    PhaseView frameStep(std::int64_t nowNs, std::optional<bool> gameInReplay, const SettingsSnapshot& settings);

    // The game events' handlers, all of one shape so a table can name them.
    void onGoalScored(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onReplayStartTimed(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onReplayStartFailsafe(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onReplayHudOpened(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onReplayCleared(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onMatchEnded(const SettingsSnapshot& settings, std::int64_t nowNs);
    void onMatchStarted(const SettingsSnapshot& settings, std::int64_t nowNs);

private:
    void arm(std::int64_t deadline);
    void endReplay();

    mutable std::mutex mutex_;
    bool replay_ = false;
    bool postGame_ = false;
    std::int64_t deadline_ = 0;
    bool gameReplaySeen_ = false;
};

} // namespace vtx
