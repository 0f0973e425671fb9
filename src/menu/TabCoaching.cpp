// Coaching: what the overlay shows a coach beside the pad, the press timing,
// the input history and the steering/throttle trace, each switched on here
// with its one or two settings.
#include <algorithm>

#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr SliderRow kTimingWindow{&cvar::kTimingWindowMs, "Window (ms)", "%.0f", "##vtx_timing_window_ms"};
constexpr SliderRow kHistoryCount{&cvar::kHistoryCount, "History entries", "%.0f", "##vtx_history_count"};
constexpr SliderRow kTraceLength{&cvar::kTraceMs, "Trace length (ms)", "%.0f", "##vtx_trace_ms"};
constexpr const SliderRow* kRows[] = {&kTimingWindow, &kHistoryCount, &kTraceLength};

// The widgets' width, leaving room on their right for the longest label and
// an exact field, so that no field runs past the tab's edge.
float widgetWidth() {
    const ImGuiStyle& style = ImGui::GetStyle();
    float label = 0.0f;
    for (const SliderRow* row : kRows)
        label = std::max(label, ImGui::CalcTextSize(row->label).x);
    return -(label + style.ItemInnerSpacing.x + style.ItemSpacing.x + kExactFieldWidth);
}

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

void drawCoachingTab(const MenuContext& menu) {
    CVarManagerWrapper& cvars = menu.cvars();
    ImGui::PushItemWidth(widgetWidth());
    switchCheckbox(cvars, "Show press timing", cvar::kTimingEnable);
    timedButtonCombo(cvars);
    sliderRow(cvars, kTimingWindow);
    ImGui::Separator();
    switchCheckbox(cvars, "Show input history", cvar::kHistoryEnable);
    sliderRow(cvars, kHistoryCount);
    ImGui::Separator();
    switchCheckbox(cvars, "Show steering/throttle trace", cvar::kTraceEnable);
    sliderRow(cvars, kTraceLength);
    ImGui::PopItemWidth();
}

} // namespace vtx
