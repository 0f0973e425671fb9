#include "core/GameHooks.h"

#include <string>

#include "Vantrix.h"
#include "core/MatchPhase.h"

namespace vtx {

// "Function GameEvent_TA.Countdown.BeginState" lacks the "TAGame." of its
// neighbour; both spellings are hooked.
const std::array<GameHook, 29> kGameHooks = {{
    {"Function TAGame.GameEvent_Soccar_TA.EventReplicatedGoalScored", onGoalScored},
    {"Function TAGame.GameEvent_Soccar_TA.EventGoalScored", onGoalScored},
    {"Function GameEvent_TA.Countdown.BeginState", onReplayCleared},
    {"Function TAGame.GameEvent_TA.Countdown.BeginState", onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", onReplayStartTimed},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayStarted", onReplayStartTimed},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayFinished", onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayBegin", onReplayStartTimed},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayEnd", onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayBegin", onReplayStartTimed},
    {"Function TAGame.GameEvent_TA.OnReplayEnd", onReplayCleared},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", onReplayStartFailsafe},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", onReplayCleared},
    {"Function TAGame.GameEvent_TA.EventMatchEnded", onMatchEnded},
    {"Function TAGame.GameEvent_Soccar_TA.EventMatchEnded", onMatchEnded},
    {"Function TAGame.GameEvent_Soccar_TA.OnMatchEnded", onMatchEnded},
    {"Function TAGame.GameEvent_TA.EventMatchStarted", onMatchStarted},
    {"Function TAGame.GameEvent_Soccar_TA.EventMatchStarted", onMatchStarted},
    {"Function TAGame.GameEvent_TA.OnReplayStarted", onReplayStartFailsafe},
    {"Function TAGame.GameEvent_TA.OnReplayFinished", onReplayCleared},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayStarted", onReplayStartFailsafe},
    {"Function TAGame.GameEvent_Soccar_TA.OnReplayFinished", onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.Init", onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.Start", onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.OnOpen", onReplayHudOpened},
    {"Function TAGame.GFxHUD_Replay_TA.Closed", onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.Close", onReplayCleared},
    {"Function TAGame.GFxHUD_Replay_TA.OnClose", onReplayCleared},
}};

void registerGameHooks(Vantrix& plugin) {
    if (!plugin.gameWrapper) {
        return;
    }
    Vantrix* self = &plugin;
    for (const GameHook& hook : kGameHooks) {
        const EventHandler handler = hook.handler;
        plugin.gameWrapper->HookEvent(std::string(hook.event), [self, handler](std::string) { handler(*self); });
    }
}

} // namespace vtx
