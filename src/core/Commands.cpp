#include "core/Commands.h"

#include <string>
#include <vector>

#include "Vantrix.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "core/PositionCommands.h"
#include "core/ResetAll.h"
#include "core/SettingsFile.h"
#include "overlay/Hotkey.h"

namespace vtx {

namespace {
using Args = std::vector<std::string>;

void resetPosition(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    for (const CvarSpec* spec : {&cvar::kX, &cvar::kY, &cvar::kScale}) {
        getCvar(cvars, *spec).setValue(defaultFloat(*spec));
    }
    logLine(plugin.cvarManager, "reset position to defaults");
}

void saveHostConfiguration(Vantrix& plugin) {
    plugin.cvarManager->executeCommand("writepluginsconfig", true);
    plugin.cvarManager->executeCommand("writeconfig", true);
    logLine(plugin.cvarManager, "Saved ALL settings.");
}

void toggleOverlay(Vantrix& plugin) {
    CVarWrapper enabled = getCvar(*plugin.cvarManager, cvar::kEnabled);
    enabled.setValue(enabled.getIntValue() == 0 ? 1 : 0);
}

void loadSettingsCommand(Vantrix& plugin) {
    loadSettings(plugin.gameWrapper, plugin.cvarManager, plugin.settingsFile());
    plugin.imagesLoaded = false;
}

// Registers a command whose action takes the plugin and no arguments. The
// action's own failures are logged inside it; nothing it throws (memory
// running out) reaches the host.
void registerAction(Vantrix& plugin, const char* name, void (*action)(Vantrix&), const char* description) {
    Vantrix* self = &plugin;
    plugin.cvarManager->registerNotifier(
        name,
        [self, action](Args) {
            try {
                action(*self);
            } catch (...) {
            }
        },
        description, PERMISSION_ALL);
}
} // namespace

void registerMenuCommand(Vantrix& plugin) {
    Vantrix* self = &plugin;
    plugin.cvarManager->registerNotifier(
        "vtx_togglemenu",
        [self](Args) {
            if (!self->gameWrapper) {
                return;
            }
            self->gameWrapper->Execute([self](GameWrapper*) {
                if (self->cvarManager) {
                    self->cvarManager->executeCommand(std::string(kToggleMenuCommand), true);
                }
            });
        },
        "Toggle Vantrix popup menu", PERMISSION_ALL);
}

void registerSettingsCommands(Vantrix& plugin) {
    registerAction(
        plugin, "vtx_settings_save", [](Vantrix& self) { saveSettings(self.gameWrapper, self.cvarManager); },
        "Save ALL settings to Vantrix/vtx_saved_settings.ini");
    registerAction(plugin, "vtx_settings_load", loadSettingsCommand,
                   "Load ALL settings from Vantrix/vtx_saved_settings.ini");
}

void registerOverlayCommands(Vantrix& plugin) {
    registerAction(plugin, "vtx_pos_save", savePosition, "Save overlay position/scale");
    registerAction(plugin, "vtx_pos_load", loadPosition, "Load saved overlay position/scale");
    registerAction(plugin, "vtx_reset_pos", resetPosition, "Reset overlay position/scale");
    registerAction(plugin, "vtx_save_all", saveHostConfiguration, "Save ALL Vantrix settings to disk");
    registerAction(plugin, "vtx_reset_all", resetAllSettings, "Reset ALL Vantrix settings to defaults");
    registerAction(plugin, "vtx_hotkey_capture", startHotkeyCapture, "Capture hotkey from keyboard (single/combo)");
    registerAction(plugin, "vtx_toggle", toggleOverlay, "Toggle controller overlay");
    registerAction(plugin, "vtx_pos", printPosition, "Print current overlay position + scale");
}

} // namespace vtx
