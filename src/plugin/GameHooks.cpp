#include "plugin/GameHooks.h"

#include <string>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "platform/Platform.h"

namespace vtx {

// "Function GameEvent_TA.Countdown.BeginState" lacks the "TAGame." of its
// neighbour; both spellings are hooked.
const std::array<GameHook, 29> kGameHooks = {{
    {"Function TAGame.GameEvent_Soccar_TA.EventReplicatedGoalScored", &MatchPhase::onGoalScored},
    {"Function TAGame.GameEvent_Soccar_TA.EventGoalScored", &MatchPhase::onGoalScored},
    {"Function GameEvent_TA.Countdown.BeginState", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_TA.Countdown.BeginState", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", &MatchPhase::onReplayStartTimed},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayStarted", &MatchPhase::onReplayStartTimed},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayFinished", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayBegin", &MatchPhase::onReplayStartTimed},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayEnd", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayBegin", &MatchPhase::onReplayStartTimed},
    {"Function TAGame.GameEvent_TA.OnReplayEnd", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", &MatchPhase::onReplayStartFailsafe},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_TA.EventMatchEnded", &MatchPhase::onMatchEnded},
    {"Function TAGame.GameEvent_Soccar_TA.EventMatchEnded", &MatchPhase::onMatchEnded},
    {"Function TAGame.GameEvent_Soccar_TA.OnMatchEnded", &MatchPhase::onMatchEnded},
    {"Function TAGame.GameEvent_TA.EventMatchStarted", &MatchPhase::onMatchStarted},
    {"Function TAGame.GameEvent_Soccar_TA.EventMatchStarted", &MatchPhase::onMatchStarted},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", &MatchPhase::onReplayStartFailsafe},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", &MatchPhase::onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayStarted", &MatchPhase::onReplayStartFailsafe},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayFinished", &MatchPhase::onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.Init", &MatchPhase::onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.Start", &MatchPhase::onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.OnOpen", &MatchPhase::onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.Closed", &MatchPhase::onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.Close", &MatchPhase::onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.OnClose", &MatchPhase::onReplayCleared},
}};

void registerGameHooks(HostView host, MatchPhase& phase, const SettingsSnapshot& settings) {
    if (!host.game) {
        return;
    }
    for (const GameHook& hook : kGameHooks) {
        const EventHandler handler = hook.handler;
        host.game->HookEvent(std::string(hook.event), [&phase, &settings, handler](std::string) {
            (phase.*handler)(settings, platform::steadyNowNs());
        });
    }
}

} // namespace vtx
