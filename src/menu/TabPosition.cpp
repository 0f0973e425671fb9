// Position / Scale: where the overlay sits and how large it is drawn.
#include <imgui.h>

#include "Vantrix.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
// The scale field accepts values down to 0.05, below the slider's lower end.
constexpr SliderRow kRows[] = {
    {"vtx_x", "X", 0.0f, 4000.0f, "%.0f", "##x_exact", 0.0f, 4000.0f},
    {"vtx_y", "Y", 0.0f, 2000.0f, "%.0f", "##y_exact", 0.0f, 2000.0f},
    {"vtx_scale", "Scale", 0.1f, 5.0f, "%.2f", "##scale_exact", 0.05f, 5.0f},
};
constexpr TextDefault kDefaults[] = {{"vtx_scale", "1.0"}, {"vtx_x", "20"}, {"vtx_y", "980"}};
} // namespace

void drawPositionTab(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    resetButton(cvars, "Reset Position Defaults", kDefaults);
    ImGui::SameLine();
    if (ImGui::Button("Save All Settings"))
        cvars.executeCommand("vtx_settings_save", true);
    ImGui::SameLine();
    if (ImGui::Button("Load Saved Settings"))
        cvars.executeCommand("vtx_settings_load", true);
    ImGui::SameLine();
    dimText("Resets this tab to defaults.");
    ImGui::Spacing();
    for (const SliderRow& row : kRows)
        sliderRow(cvars, row);
}

} // namespace vtx
