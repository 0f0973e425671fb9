#include "menu/Widgets.h"

#include <imgui.h>
#include <imgui_internal.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/SettingValue.h"

namespace vtx {

namespace {
// The menu's designer, shown under "Designed and created by".
constexpr const char* kCreditName = "Quillon Brask";

constexpr float kBoldOffset = 0.8f;

float roundedWidth(float width) { return static_cast<float>(static_cast<int>(width + 0.95f)); }

void drawTwice(ImDrawList& draw, const ImVec2& at, ImU32 colour, const char* text) {
    draw.AddText(at, colour, text);
    draw.AddText(ImVec2(at.x + kBoldOffset, at.y), colour, text);
}
} // namespace

bool sidebarTab(const char* label, bool selected) {
    const ImVec4 text = ImGui::GetStyle().Colors[ImGuiCol_Text];
    ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(0, 0, 0, 0));
    const bool clicked = ImGui::Selectable(label, selected, ImGuiSelectableFlags_None, ImVec2(0, 0));
    ImGui::PopStyleColor();
    const ImU32 colour = ImGui::GetColorU32(text);
    drawTwice(*ImGui::GetWindowDrawList(), ImGui::GetItemRectMin(), colour, label);
    return clicked;
}

void boldText(const char* text) {
    const ImVec2 at = ImGui::GetCursorScreenPos();
    drawTwice(*ImGui::GetWindowDrawList(), at, ImGui::GetColorU32(ImGuiCol_Text), text);
    const ImVec2 size = ImGui::CalcTextSize(text);
    ImGui::Dummy(ImVec2(roundedWidth(size.x), size.y));
}

void drawCreditName(float pulse) {
    const float alpha = ImGui::GetStyle().Alpha;
    const ImU32 glow = ImGui::GetColorU32(ImVec4(1, 1, 1, (0.25f + 0.25f * pulse) * alpha));
    const ImU32 main = ImGui::GetColorU32(ImVec4(1, 1, 1, alpha));
    const float d = 1.0f + pulse;
    const ImVec2 at = ImGui::GetCursorScreenPos();
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    if (((glow >> IM_COL32_A_SHIFT) & 0xFF) != 0) {
        const float offsets[8][2] = {{-d, -d}, {-d, 0}, {-d, d}, {0, -d}, {0, d}, {d, -d}, {d, 0}, {d, d}};
        for (const auto& offset : offsets)
            draw.AddText(ImVec2(at.x + offset[0], at.y + offset[1]), glow, kCreditName);
    }
    draw.AddText(at, main, kCreditName);
    ImGui::Dummy(ImVec2(roundedWidth(ImGui::CalcTextSize(kCreditName).x), ImGui::GetFontSize()));
}

void keyChip(const char* label) {
    const ImGuiStyle& style = ImGui::GetStyle();
    ImGui::PushStyleColor(ImGuiCol_Button, style.Colors[ImGuiCol_FrameBg]);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, style.Colors[ImGuiCol_FrameBgHovered]);
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, style.Colors[ImGuiCol_FrameBgActive]);
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 6.0f);
    ImGui::Button(label);
    ImGui::PopStyleVar(1);
    ImGui::PopStyleColor(3);
}

void dimText(const char* text) { ImGui::TextDisabled("%s", text); }

void switchCheckbox(CVarManagerWrapper& cvars, const char* label, const CvarSpec& var) {
    bool on = getCvar(cvars, var).getBoolValue();
    if (ImGui::Checkbox(label, &on))
        getCvar(cvars, var).setValue(on ? 1 : 0);
}

void sliderRow(CVarManagerWrapper& cvars, const SliderRow& row) {
    // Shown as stored; clamping happens only when the user edits.
    float value = getCvar(cvars, *row.var).getFloatValue();
    bool changed = ImGui::SliderFloat(row.label, &value, row.var->menu.sliderMin, row.var->menu.sliderMax, row.format);
    ImGui::SameLine();
    ImGui::SetNextItemWidth(kExactFieldWidth);
    changed |= ImGui::InputFloat(row.fieldId, &value, 0.0f, 0.0f, row.format, ImGuiInputTextFlags_CharsScientific);
    if (changed)
        storeClamped(cvars, *row.var, value);
}

void resetButton(CVarManagerWrapper& cvars, const char* label, std::span<const CvarSpec* const> vars) {
    if (!ImGui::Button(label))
        return;
    for (const CvarSpec* var : vars)
        getCvar(cvars, *var).setValue(std::string(var->defaultValue));
}

void beginDisabledLook() {
    ImGui::PushItemFlag(ImGuiItemFlags_Disabled, true);
    ImGui::PushStyleVar(ImGuiStyleVar_Alpha, ImGui::GetStyle().Alpha * 0.5f);
}

void endDisabledLook() {
    ImGui::PopStyleVar();
    ImGui::PopItemFlag();
}

} // namespace vtx
