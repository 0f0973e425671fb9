#include "core/MatchPhase.h"

#include <algorithm>
#include <cmath>

#include "Vantrix.h"
#include "platform/Platform.h"

namespace vtx {
namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
constexpr float kMaxPollHideSeconds = 30.0f;

void armReplay(Vantrix& plugin, std::int64_t deadline) {
    plugin.inReplay = true;
    plugin.replayDeadline = deadline;
}

void endReplay(Vantrix& plugin) {
    plugin.inReplay = false;
    plugin.replayDeadline = 0;
}

std::int64_t timedDeadline(Vantrix& plugin) {
    const CvarHandles& cvars = plugin.settings();
    return deadlineFrom(platform::steadyNowNs(),
                        hideLengthMs(cvars.replayHideMs.asInt(), cvars.replayFailsafeMs.asInt()));
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

void clearMatchPhase(Vantrix& plugin) {
    endReplay(plugin);
    plugin.inPostGame = false;
    plugin.gameReplaySeen = false;
}

void expireReplay(Vantrix& plugin, std::int64_t nowNs) {
    if (plugin.inReplay && plugin.replayDeadline != 0 && nowNs >= plugin.replayDeadline) {
        endReplay(plugin);
    }
}

void pollGameReplay(Vantrix& plugin, std::int64_t nowNs) {
    if (!plugin.gameWrapper) {
        return;
    }
    if (!plugin.gameWrapper->IsInReplay()) {
        if (plugin.gameReplaySeen && plugin.inReplay) {
            endReplay(plugin);
        }
        return;
    }
    plugin.gameReplaySeen = true;
    if (plugin.inReplay) {
        return;
    }
    const CvarHandles& cvars = plugin.settings();
    armReplay(plugin,
              deadlineFrom(nowNs, replayPollLengthMs(cvars.replayHideS.asFloat(), cvars.replayFailsafeMs.asInt())));
}

void onGoalScored(Vantrix& plugin) {
    if (plugin.settings().hideReplays.on()) {
        armReplay(plugin, timedDeadline(plugin));
    }
}

// Arms whatever vtx_hide_replays says: the hide decision weighs that switch.
void onReplayStartTimed(Vantrix& plugin) { armReplay(plugin, timedDeadline(plugin)); }

void onReplayStartFailsafe(Vantrix& plugin) {
    armReplay(plugin, deadlineFrom(platform::steadyNowNs(), plugin.settings().replayFailsafeMs.asInt()));
}

// No deadline: the HUD's close events or the game's replay report end it.
void onReplayHudOpened(Vantrix& plugin) {
    if (plugin.settings().hideReplays.on()) {
        armReplay(plugin, 0);
    }
}

void onReplayCleared(Vantrix& plugin) { endReplay(plugin); }

void onMatchEnded(Vantrix& plugin) { plugin.inPostGame = true; }

void onMatchStarted(Vantrix& plugin) {
    plugin.inPostGame = false;
    endReplay(plugin);
}

} // namespace vtx
