// General: the overlay's main switches and its hotkey.
#include <imgui.h>

#include "Vantrix.h"
#include "core/Catalogue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawGeneralTab(Vantrix& plugin, bool overlayEnabled, KeyAssignState& keyAssign) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    if (ImGui::Checkbox("Enable overlay", &overlayEnabled))
        getCvar(cvars, cvar::kEnabled).setValue(overlayEnabled ? 1 : 0);
    switchCheckbox(cvars, "Hide during goal replays", cvar::kHideReplays);
    switchCheckbox(cvars, "Hide in menus", cvar::kHideInMenus);
    drawKeybindSection(plugin.cvarManager, keyAssign);
}

} // namespace vtx
