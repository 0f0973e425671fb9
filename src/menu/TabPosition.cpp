// Position / Scale: where the overlay sits and how large it is drawn.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr SliderRow kRows[] = {
    {&cvar::kX, "X", "%.0f", "##x_exact"},
    {&cvar::kY, "Y", "%.0f", "##y_exact"},
    {&cvar::kScale, "Scale", "%.2f", "##scale_exact"},
};
constexpr const CvarSpec* kDefaults[] = {&cvar::kScale, &cvar::kX, &cvar::kY};
} // namespace

void drawPositionTab(const MenuContext& menu) {
    CVarManagerWrapper& cvars = menu.cvars();
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
