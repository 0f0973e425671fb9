#pragma once
// The game events that drive the match phase, hooked by their script names.
#include <array>
#include <string_view>

class Vantrix;

namespace vtx {

using EventHandler = void (*)(Vantrix&);

struct GameHook {
    std::string_view event;
    EventHandler handler;
};

// In registration order. Some names appear more than once, each time with
// its own handler; the host runs every one of them.
extern const std::array<GameHook, 29> kGameHooks;

void registerGameHooks(Vantrix& plugin);

} // namespace vtx
