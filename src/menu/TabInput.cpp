// Input: how the sticks are read and drawn.
#include <imgui.h>

#include "Vantrix.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr SliderRow kRows[] = {
    {"vtx_deadzone", "Deadzone", 0.0f, 0.95f, "%.2f", "##vtx_deadzone_in", 0.0f, 0.95f},
    {"vtx_stick_smooth", "Stick smoothing", 0.0f, 1.0f, "%.2f", "##vtx_stick_smooth_in", 0.0f, 1.0f},
    {"vtx_stick_range", "Stick range", 0.0f, 100.0f, "%.0f", "##stick_range_exact", 0.0f, 100.0f},
};
constexpr TextDefault kDefaults[] = {{"vtx_deadzone", "0.12"}, {"vtx_stick_range", "18"}, {"vtx_stick_smooth", "0.90"}};
} // namespace

void drawInputTab(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    resetButton(cvars, "Reset Input Defaults", kDefaults);
    ImGui::SameLine();
    dimText("Resets this tab to defaults.");
    ImGui::Spacing();
    for (const SliderRow& row : kRows)
        sliderRow(cvars, row);
}

} // namespace vtx
