// General: the overlay's main switches and its hotkey.
#include <imgui.h>

#include "Vantrix.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawGeneralTab(Vantrix& plugin, bool overlayEnabled) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    if (ImGui::Checkbox("Enable overlay", &overlayEnabled))
        cvars.getCvar("vtx_enabled").setValue(overlayEnabled ? 1 : 0);
    switchCheckbox(cvars, "Hide during goal replays", "vtx_hide_replays");
    switchCheckbox(cvars, "Hide in menus", "vtx_hide_in_menus");
    drawKeybindSection(plugin.cvarManager);
}

} // namespace vtx
