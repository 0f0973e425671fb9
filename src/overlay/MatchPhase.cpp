#include "overlay/MatchPhase.h"

#include <algorithm>
#include <cmath>

namespace vtx {
namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
constexpr float kMaxPollHideSeconds = 30.0f;

std::int64_t timedDeadline(const CvarHandles& cvars, std::int64_t nowNs) {
    return deadlineFrom(nowNs, hideLengthMs(cvars.replayHideMs.asInt(), cvars.replayFailsafeMs.asInt()));
}

} // namespace

int hideLengthMs(int replayHideMs, int replayFailsafeMs) { return replayHideMs < 1 ? replayFailsafeMs : replayHideMs; }

std::int64_t deadlineFrom(std::int64_t nowNs, int ms) { return ms >= 1 ? nowNs + ms * kNsPerMs : 0; }

int replayPollLengthMs(float replayHideSeconds, int replayFailsafeMs) {
    const float seconds =
        std::isnan(replayHideSeconds) ? 0.0f : std::clamp(replayHideSeconds, 0.0f, kMaxPollHideSeconds);
    const long ms = std::lround(static_cast<double>(seconds) * 1000.0);
    return ms <= 0 ? replayFailsafeMs : static_cast<int>(ms);
}

void MatchPhase::arm(std::int64_t deadline) {
    replay_ = true;
    deadline_ = deadline;
}

void MatchPhase::endReplay() {
    replay_ = false;
    deadline_ = 0;
}

void MatchPhase::clear() {
    endReplay();
    postGame_ = false;
    gameReplaySeen_ = false;
}

void MatchPhase::expire(std::int64_t nowNs) {
    if (replay_ && deadline_ != 0 && nowNs >= deadline_) {
        endReplay();
    }
}

void MatchPhase::followGameReplay(bool gameInReplay, const CvarHandles& cvars, std::int64_t nowNs) {
    if (!gameInReplay) {
        if (gameReplaySeen_ && replay_) {
            endReplay();
        }
        return;
    }
    gameReplaySeen_ = true;
    if (replay_) {
        return;
    }
    arm(deadlineFrom(nowNs, replayPollLengthMs(cvars.replayHideS.asFloat(), cvars.replayFailsafeMs.asInt())));
}

void MatchPhase::onGoalScored(const CvarHandles& cvars, std::int64_t nowNs) {
    if (cvars.hideReplays.on()) {
        arm(timedDeadline(cvars, nowNs));
    }
}

// Arms whatever vtx_hide_replays says: the hide decision weighs that switch.
void MatchPhase::onReplayStartTimed(const CvarHandles& cvars, std::int64_t nowNs) { arm(timedDeadline(cvars, nowNs)); }

void MatchPhase::onReplayStartFailsafe(const CvarHandles& cvars, std::int64_t nowNs) {
    arm(deadlineFrom(nowNs, cvars.replayFailsafeMs.asInt()));
}

// No deadline: the HUD's close events or the game's replay report end it.
void MatchPhase::onReplayHudOpened(const CvarHandles& cvars, std::int64_t /*nowNs*/) {
    if (cvars.hideReplays.on()) {
        arm(0);
    }
}

void MatchPhase::onReplayCleared(const CvarHandles& /*cvars*/, std::int64_t /*nowNs*/) { endReplay(); }

void MatchPhase::onMatchEnded(const CvarHandles& /*cvars*/, std::int64_t /*nowNs*/) { postGame_ = true; }

void MatchPhase::onMatchStarted(const CvarHandles& /*cvars*/, std::int64_t /*nowNs*/) {
    postGame_ = false;
    endReplay();
}

} // namespace vtx
