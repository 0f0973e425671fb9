#include "core/Commands.h"

#include <string>
#include <vector>

#include "Vantrix.h"
#include "core/Log.h"
#include "overlay/Hotkey.h"

namespace vtx {

namespace {
using Args = std::vector<std::string>;

void resetPosition(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    cvars.getCvar("vtx_x").setValue(20.0f);
    cvars.getCvar("vtx_y").setValue(980.0f);
    cvars.getCvar("vtx_scale").setValue(1.0f);
    logLine(plugin.cvarManager, "reset position to defaults");
}

void saveHostConfiguration(Vantrix& plugin) {
    plugin.cvarManager->executeCommand("writepluginsconfig", true);
    plugin.cvarManager->executeCommand("writeconfig", true);
    logLine(plugin.cvarManager, "Saved ALL settings.");
}

void toggleOverlay(Vantrix& plugin) {
    CVarWrapper enabled = plugin.cvarManager->getCvar("vtx_enabled");
    enabled.setValue(enabled.getIntValue() == 0 ? 1 : 0);
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
        "Toggle Vantrix popup menu", 0);
}

void registerOverlayCommands(Vantrix& plugin) {
    Vantrix* self = &plugin;
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    cvars.registerNotifier(
        "vtx_reset_pos", [self](Args) { resetPosition(*self); }, "Reset overlay position/scale", 0);
    cvars.registerNotifier(
        "vtx_save_all", [self](Args) { saveHostConfiguration(*self); }, "Save ALL Vantrix settings to disk", 0);
    cvars.registerNotifier(
        "vtx_hotkey_capture", [self](Args) { startHotkeyCapture(*self); },
        "Capture hotkey from keyboard (single/combo)", 0);
    cvars.registerNotifier(
        "vtx_toggle", [self](Args) { toggleOverlay(*self); }, "Toggle controller overlay", 0);
}

} // namespace vtx
