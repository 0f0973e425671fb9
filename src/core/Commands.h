#pragma once
// The plugin's console commands and the host commands it runs.
#include <string_view>

class Vantrix;

namespace vtx {

inline constexpr std::string_view kToggleMenuCommand = "togglemenu vtx_menu";

// "vtx_togglemenu", registered early so the menu can always be reached.
void registerMenuCommand(Vantrix& plugin);
// "vtx_settings_save" and "vtx_settings_load".
void registerSettingsCommands(Vantrix& plugin);
// The position, save, reset, toggle and print commands, in their order.
void registerOverlayCommands(Vantrix& plugin);

} // namespace vtx
