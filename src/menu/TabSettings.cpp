// Settings: the menu's own look.
#include <imgui.h>

#include "Vantrix.h"
#include "menu/SettingValue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr const char* kAccentNames[4] = {"vtx_ui_accent_r", "vtx_ui_accent_g", "vtx_ui_accent_b", "vtx_ui_accent_a"};

void accentEditor(CVarManagerWrapper& cvars) {
    float accent[4];
    for (int i = 0; i < 4; ++i)
        accent[i] = readClamped(cvars, kAccentNames[i], 0.0f, 1.0f);
    ImGui::TextUnformatted("Accent color");
    ImGui::SetNextItemWidth(-1.0f);
    if (ImGui::ColorEdit4("##vtx_ui_accent", accent, ImGuiColorEditFlags_NoInputs)) {
        for (int i = 0; i < 4; ++i)
            storeClamped(cvars, kAccentNames[i], accent[i], 0.0f, 1.0f);
    }
}

void transparencySlider(CVarManagerWrapper& cvars) {
    float alpha = readClamped(cvars, "vtx_ui_menu_alpha", 0.30f, 1.00f);
    ImGui::TextUnformatted("Menu transparency");
    ImGui::SetNextItemWidth(-1.0f);
    if (ImGui::SliderFloat("##vtx_ui_menu_alpha", &alpha, 0.30f, 1.00f, "%.2f"))
        storeClamped(cvars, "vtx_ui_menu_alpha", alpha, 0.30f, 1.00f);
}
} // namespace

void drawSettingsTab(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    accentEditor(cvars);
    transparencySlider(cvars);
    ImGui::Separator();
    // The menu draws at a fixed 1.25; the variable only records that.
    // Written only when it differs: a host that runs the change handlers on an
    // unchanged value would otherwise autosave the settings every frame.
    if (CVarWrapper fontScale = cvars.getCvar("vtx_ui_font_scale"); fontScale && fontScale.getStringValue() != "1.25")
        fontScale.setValue("1.25");
    ImGui::Separator();
    dimText("These settings persist across restarts.");
}

} // namespace vtx
