// Settings: the menu's own look.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/SettingValue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr const CvarSpec* kAccent[4] = {&cvar::kUiAccentR, &cvar::kUiAccentG, &cvar::kUiAccentB, &cvar::kUiAccentA};

void accentEditor(CVarManagerWrapper& cvars) {
    float accent[4];
    for (int i = 0; i < 4; ++i)
        accent[i] = readClamped(cvars, *kAccent[i]);
    ImGui::TextUnformatted("Accent color");
    ImGui::SetNextItemWidth(-1.0f);
    if (ImGui::ColorEdit4("##vtx_ui_accent", accent, ImGuiColorEditFlags_NoInputs)) {
        for (int i = 0; i < 4; ++i)
            storeClamped(cvars, *kAccent[i], accent[i]);
    }
}

void transparencySlider(CVarManagerWrapper& cvars) {
    const CvarSpec& menuAlpha = cvar::kUiMenuAlpha;
    float alpha = readClamped(cvars, menuAlpha);
    ImGui::TextUnformatted("Menu transparency");
    ImGui::SetNextItemWidth(-1.0f);
    if (ImGui::SliderFloat("##vtx_ui_menu_alpha", &alpha, menuAlpha.menu.sliderMin, menuAlpha.menu.sliderMax, "%.2f"))
        storeClamped(cvars, menuAlpha, alpha);
}
} // namespace

void drawSettingsTab(const MenuContext& menu) {
    CVarManagerWrapper& cvars = menu.cvars();
    accentEditor(cvars);
    transparencySlider(cvars);
    ImGui::Separator();
    // The menu draws at a fixed 1.25; the variable only records that.
    // Written only when it differs: a host that runs the change handlers on an
    // unchanged value would otherwise autosave the settings every frame.
    const std::string_view fixedScale = cvar::kUiFontScale.defaultValue;
    if (CVarWrapper fontScale = getCvar(cvars, cvar::kUiFontScale);
        fontScale && fontScale.getStringValue() != fixedScale)
        fontScale.setValue(std::string(fixedScale));
    ImGui::Separator();
    dimText("These settings persist across restarts.");
}

} // namespace vtx
