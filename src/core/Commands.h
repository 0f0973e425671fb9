#pragma once
// The plugin's console commands and the host commands it runs.
#include <string_view>

class Vantrix;

namespace vtx {

inline constexpr std::string_view kToggleMenuCommand = "togglemenu vtx_menu";

// "vtx_togglemenu", registered early so the menu can always be reached.
void registerMenuCommand(Vantrix& plugin);
// The position, save, reset, capture and toggle commands, in their order.
void registerOverlayCommands(Vantrix& plugin);

} // namespace vtx
