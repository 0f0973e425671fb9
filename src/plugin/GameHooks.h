#pragma once
// The game events that drive the match phase, hooked by their script names.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/HostView.h"
#include "core/SettingsSnapshot.h"
#include "overlay/MatchPhase.h"

namespace vtx {

using EventHandler = void (MatchPhase::*)(const SettingsSnapshot&, std::int64_t nowNs);

struct GameHook {
    std::string_view event;
    EventHandler handler;
};

// In registration order. Some names appear more than once, each time with
// its own handler; the host runs every one of them.
extern const std::array<GameHook, 29> kGameHooks;

void registerGameHooks(HostView host, MatchPhase& phase, const SettingsSnapshot& settings);

} // namespace vtx
