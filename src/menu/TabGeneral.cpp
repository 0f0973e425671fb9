// General: the overlay's main switches and the hotkey.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawGeneralTab(const MenuContext& menu) {
    CVarManagerWrapper& cvars = menu.cvars();
    bool overlayEnabled = getCvar(cvars, cvar::kEnabled).getBoolValue();
    if (ImGui::Checkbox("Enable overlay", &overlayEnabled))
        getCvar(cvars, cvar::kEnabled).setValue(overlayEnabled ? 1 : 0);
    switchCheckbox(cvars, "Hide during goal replays", cvar::kHideReplays);
    switchCheckbox(cvars, "Hide in menus", cvar::kHideInMenus);
    drawKeybindSection(menu);
}

} // namespace vtx
