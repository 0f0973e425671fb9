#include "overlay/MatchPhase.h"

#include <cmath>

namespace vtx {
namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

std::int64_t timedDeadline(const SettingsSnapshot& settings, std::int64_t nowNs) {
    return deadlineFrom(nowNs,
                        hideLengthMs(settings.integer(cvar::kReplayHideMs), settings.integer(cvar::kReplayFailsafeMs)));
}

} // namespace

int hideLengthMs(int replayHideMs, int replayFailsafeMs) { return replayHideMs < 1 ? replayFailsafeMs : replayHideMs; }

std::int64_t deadlineFrom(std::int64_t nowNs, int ms) { return ms >= 1 ? nowNs + ms * kNsPerMs : 0; }

int replayPollLengthMs(float replayHideSeconds, int replayFailsafeMs) {
    const float seconds = withinUseLimits(cvar::kReplayHideS, replayHideSeconds);
    const long ms = std::lround(static_cast<double>(seconds) * 1000.0);
    return ms <= 0 ? replayFailsafeMs : static_cast<int>(ms);
}

// arm and endReplay run with the lock held.
void MatchPhase::arm(std::int64_t deadline) {
    replay_ = true;
    deadline_ = deadline;
}

void MatchPhase::endReplay() {
    replay_ = false;
    deadline_ = 0;
}

PhaseView MatchPhase::view() const {
    const std::lock_guard lock(mutex_);
    return PhaseView{replay_, postGame_};
}

std::int64_t MatchPhase::replayDeadline() const {
    const std::lock_guard lock(mutex_);
    return deadline_;
}

void MatchPhase::clear() {
    const std::lock_guard lock(mutex_);
    endReplay();
    postGame_ = false;
    gameReplaySeen_ = false;
}

PhaseView MatchPhase::frameStep(std::int64_t nowNs, std::optional<bool> gameInReplay,
                                const SettingsSnapshot& settings) {
    // Worked out before the lock, and only while the game reports a replay.
    const std::int64_t pollDeadline =
        gameInReplay.value_or(false)
            ? deadlineFrom(nowNs, replayPollLengthMs(settings.number(cvar::kReplayHideS),
                                                     settings.integer(cvar::kReplayFailsafeMs)))
            : 0;
    const std::lock_guard lock(mutex_);
    if (replay_ && deadline_ != 0 && nowNs >= deadline_) {
        endReplay();
    }
    if (gameInReplay.has_value()) {
        if (*gameInReplay) {
            gameReplaySeen_ = true;
            if (!replay_) {
                arm(pollDeadline);
            }
        } else if (gameReplaySeen_ && replay_) {
            endReplay();
        }
    }
    return PhaseView{replay_, postGame_};
}

void MatchPhase::onGoalScored(const SettingsSnapshot& settings, std::int64_t nowNs) {
    if (settings.on(cvar::kHideReplays)) {
        const std::int64_t deadline = timedDeadline(settings, nowNs);
        const std::lock_guard lock(mutex_);
        arm(deadline);
    }
}

// Arms whatever vtx_hide_replays says: the hide decision weighs that switch.
void MatchPhase::onReplayStartTimed(const SettingsSnapshot& settings, std::int64_t nowNs) {
    const std::int64_t deadline = timedDeadline(settings, nowNs);
    const std::lock_guard lock(mutex_);
    arm(deadline);
}

void MatchPhase::onReplayStartFailsafe(const SettingsSnapshot& settings, std::int64_t nowNs) {
    const std::int64_t deadline = deadlineFrom(nowNs, settings.integer(cvar::kReplayFailsafeMs));
    const std::lock_guard lock(mutex_);
    arm(deadline);
}

// No deadline: the HUD's close events or the game's replay report end it.
void MatchPhase::onReplayHudOpened(const SettingsSnapshot& settings, std::int64_t /*nowNs*/) {
    if (settings.on(cvar::kHideReplays)) {
        const std::lock_guard lock(mutex_);
        arm(0);
    }
}

void MatchPhase::onReplayCleared(const SettingsSnapshot& /*settings*/, std::int64_t /*nowNs*/) {
    const std::lock_guard lock(mutex_);
    endReplay();
}

void MatchPhase::onMatchEnded(const SettingsSnapshot& /*settings*/, std::int64_t /*nowNs*/) {
    const std::lock_guard lock(mutex_);
    postGame_ = true;
}

void MatchPhase::onMatchStarted(const SettingsSnapshot& /*settings*/, std::int64_t /*nowNs*/) {
    const std::lock_guard lock(mutex_);
    postGame_ = false;
    endReplay();
}

} // namespace vtx
