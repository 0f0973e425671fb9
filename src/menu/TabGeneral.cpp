// General: the overlay's main switches and its hotkey.
#include <imgui.h>

#include "core/Catalogue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawGeneralTab(const TabContext& tab, bool overlayEnabled) {
    CVarManagerWrapper& cvars = tab.cvars;
    if (ImGui::Checkbox("Enable overlay", &overlayEnabled))
        getCvar(cvars, cvar::kEnabled).setValue(overlayEnabled ? 1 : 0);
    switchCheckbox(cvars, "Hide during goal replays", cvar::kHideReplays);
    switchCheckbox(cvars, "Hide in menus", cvar::kHideInMenus);
    drawKeybindSection(tab.console, tab.state.keyAssign);
}

} // namespace vtx
