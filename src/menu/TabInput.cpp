// Input: how the sticks are read and drawn.
#include <imgui.h>

#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr SliderRow kRows[] = {
    {&cvar::kDeadzone, "Deadzone", "%.2f", "##vtx_deadzone_in"},
    {&cvar::kStickSmooth, "Stick smoothing", "%.2f", "##vtx_stick_smooth_in"},
    {&cvar::kStickRange, "Stick range", "%.0f", "##stick_range_exact"},
};
constexpr const CvarSpec* kDefaults[] = {&cvar::kDeadzone, &cvar::kStickRange, &cvar::kStickSmooth};
} // namespace

void drawInputTab(const MenuContext& menu) {
    CVarManagerWrapper& cvars = menu.cvars();
    resetButton(cvars, "Reset Input Defaults", kDefaults);
    ImGui::SameLine();
    dimText("Resets this tab to defaults.");
    ImGui::Spacing();
    for (const SliderRow& row : kRows)
        sliderRow(cvars, row);
}

} // namespace vtx
