// General: the overlay's main switches, the press timing and the hotkey.
#include <imgui.h>

#include "core/Catalogue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr SliderRow kTimingWindow{&cvar::kTimingWindowMs, "Window (ms)", "%.0f", "##vtx_timing_window_ms"};

// The timed button, by its layer name; a name typed in the console that is no
// layer shows as it is and stays until one is picked.
void timedButtonCombo(CVarManagerWrapper& cvars) {
    CVarWrapper button = getCvar(cvars, cvar::kTimingButton);
    const std::string current = button ? button.getStringValue() : std::string();
    if (!ImGui::BeginCombo("Timed button", current.c_str()))
        return;
    for (const ControlSpec& control : kControls) {
        const std::string name(control.code);
        const bool selected = name == current;
        if (ImGui::Selectable(name.c_str(), selected) && button)
            button.setValue(name);
        if (selected)
            ImGui::SetItemDefaultFocus();
    }
    ImGui::EndCombo();
}
} // namespace

void drawGeneralTab(const TabContext& tab, bool overlayEnabled) {
    CVarManagerWrapper& cvars = tab.cvars;
    if (ImGui::Checkbox("Enable overlay", &overlayEnabled))
        getCvar(cvars, cvar::kEnabled).setValue(overlayEnabled ? 1 : 0);
    switchCheckbox(cvars, "Hide during goal replays", cvar::kHideReplays);
    switchCheckbox(cvars, "Hide in menus", cvar::kHideInMenus);
    ImGui::Separator();
    switchCheckbox(cvars, "Show press timing", cvar::kTimingEnable);
    timedButtonCombo(cvars);
    sliderRow(cvars, kTimingWindow);
    drawKeybindSection(tab.console, tab.state.keyAssign);
}

} // namespace vtx
