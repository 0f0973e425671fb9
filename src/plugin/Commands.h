#pragma once
// The plugin's console commands.
#include "core/HostView.h"
#include "overlay/Hotkey.h"
#include "overlay/MatchPhase.h"
#include "overlay/Skins.h"
#include "plugin/SettingsFile.h"

namespace vtx {

// What the commands act on besides the host.
struct CommandTargets {
    SettingsFileState& settingsFile;
    SkinLibrary& skins;
    MatchPhase& phase;
    Hotkey& hotkey;
};

// "vtx_togglemenu", registered early so the menu can always be reached.
void registerMenuCommand(HostView host);
// "vtx_settings_save" and "vtx_settings_load".
void registerSettingsCommands(HostView host, const CommandTargets& targets);
// The position, save, reset, toggle and print commands, in their order.
void registerOverlayCommands(HostView host, const CommandTargets& targets);

} // namespace vtx
