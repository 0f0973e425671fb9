#include "plugin/Commands.h"

#include <functional>
#include <string>
#include <vector>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "menu/Menu.h"
#include "plugin/PositionCommands.h"
#include "plugin/ResetAll.h"

namespace vtx {

namespace {
using Args = std::vector<std::string>;

void resetPosition(HostView host) {
    CVarManagerWrapper& cvars = *host.cvars;
    for (const CvarSpec* spec : {&cvar::kX, &cvar::kY, &cvar::kScale}) {
        getCvar(cvars, *spec).setValue(defaultFloat(*spec));
    }
    logLine(host.cvars, "reset position to defaults");
}

void saveHostConfiguration(HostView host) {
    host.cvars->executeCommand("writepluginsconfig", true);
    host.cvars->executeCommand("writeconfig", true);
    logLine(host.cvars, "Saved ALL settings.");
}

void toggleOverlay(HostView host) {
    CVarWrapper enabled = getCvar(*host.cvars, cvar::kEnabled);
    enabled.setValue(enabled.getIntValue() == 0 ? 1 : 0);
}

// Registers a command that takes no arguments. The action's own failures are
// logged inside it; nothing it throws (memory running out) reaches the host.
void registerAction(HostView host, const char* name, std::function<void()> action, const char* description) {
    host.cvars->registerNotifier(
        name,
        [action = std::move(action)](Args) {
            try {
                action();
            } catch (...) {
            }
        },
        description, PERMISSION_ALL);
}
} // namespace

void registerMenuCommand(HostView host) {
    host.cvars->registerNotifier(
        "vtx_togglemenu",
        [host](Args) {
            if (!host.game) {
                return;
            }
            host.game->Execute([host](GameWrapper*) {
                if (host.cvars) {
                    host.cvars->executeCommand(std::string(kToggleMenuCommand), true);
                }
            });
        },
        "Toggle Vantrix popup menu", PERMISSION_ALL);
}

void registerSettingsCommands(HostView host, const CommandTargets& targets) {
    registerAction(
        host, "vtx_settings_save", [host] { saveSettings(host.game, host.cvars); },
        "Save ALL settings to Vantrix/vtx_saved_settings.ini");
    SettingsFileState& state = targets.settingsFile;
    SkinLibrary& skins = targets.skins;
    registerAction(
        host, "vtx_settings_load",
        [host, &state, &skins] {
            loadSettings(host.game, host.cvars, state);
            skins.reloadPictures();
        },
        "Load ALL settings from Vantrix/vtx_saved_settings.ini");
}

void registerOverlayCommands(HostView host, const CommandTargets& targets) {
    MatchPhase& phase = targets.phase;
    SkinLibrary& skins = targets.skins;
    Hotkey& hotkey = targets.hotkey;
    registerAction(
        host, "vtx_pos_save", [host] { savePosition(host); }, "Save overlay position/scale");
    registerAction(
        host, "vtx_pos_load", [host] { loadPosition(host); }, "Load saved overlay position/scale");
    registerAction(
        host, "vtx_reset_pos", [host] { resetPosition(host); }, "Reset overlay position/scale");
    registerAction(
        host, "vtx_save_all", [host] { saveHostConfiguration(host); }, "Save ALL Vantrix settings to disk");
    registerAction(
        host, "vtx_reset_all", [host, &phase, &skins] { resetAllSettings(host, phase, skins); },
        "Reset ALL Vantrix settings to defaults");
    registerAction(
        host, "vtx_hotkey_capture", [&hotkey] { hotkey.startCapture(); },
        "Capture hotkey from keyboard (single/combo)");
    registerAction(
        host, "vtx_toggle", [host] { toggleOverlay(host); }, "Toggle controller overlay");
    registerAction(
        host, "vtx_pos", [host] { printPosition(host); }, "Print current overlay position + scale");
}

} // namespace vtx
