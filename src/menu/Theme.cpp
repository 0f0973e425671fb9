#include "menu/Theme.h"

#include <algorithm>

#include "menu/SettingValue.h"

namespace vtx {

namespace {
struct Hsv {
    float h = 0, s = 0, v = 0;
};

Hsv toHsv(const ImVec4& c) {
    Hsv hsv;
    ImGui::ColorConvertRGBtoHSV(c.x, c.y, c.z, hsv.h, hsv.s, hsv.v);
    return hsv;
}

ImVec4 fromHsv(const Hsv& hsv, float alpha) {
    ImVec4 c(0, 0, 0, alpha);
    ImGui::ColorConvertHSVtoRGB(hsv.h, hsv.s, hsv.v, c.x, c.y, c.z);
    return c;
}
} // namespace

ImVec4 vividAccent(const ImVec4& colour) {
    Hsv hsv = toHsv(colour);
    if (hsv.s < 0.06f)
        return colour;
    hsv.s = std::max(0.8f, clampSetting(hsv.s * 1.25f, 0.0f, 1.0f));
    hsv.v = std::max(0.75f, hsv.v);
    return fromHsv(hsv, colour.w);
}

ImVec4 shadeColor(const ImVec4& colour, float factor) {
    Hsv hsv = toHsv(colour);
    hsv.v = clampSetting(hsv.v * factor, 0.0f, 1.0f);
    return fromHsv(hsv, colour.w);
}

ImVec4 mixFromGrey(float grey, const ImVec4& c, float t) {
    return ImVec4(grey + (c.x - grey) * t, grey + (c.y - grey) * t, grey + (c.z - grey) * t, 1.0f);
}

void applyMenuTheme(const ImVec4& accent, float menuAlpha) {
    const ImVec4 vivid = vividAccent(ImVec4(accent.x, accent.y, accent.z, 1.0f));
    const ImVec4 hover = shadeColor(vivid, 1.1f);
    const ImVec4 active = shadeColor(vivid, 0.9f);

    ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 10.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 8.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 10.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(16, 14));
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(10, 8));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(10, 10));

    ImGui::PushStyleColor(ImGuiCol_WindowBg, ImVec4(0.03f, 0.03f, 0.03f, menuAlpha));
    ImGui::PushStyleColor(ImGuiCol_ChildBg, ImVec4(0.11f, 0.11f, 0.11f, menuAlpha));
    ImGui::PushStyleColor(ImGuiCol_Border, ImVec4(0.20f, 0.20f, 0.22f, 1.00f));
    ImGui::PushStyleColor(ImGuiCol_FrameBg, mixFromGrey(0.14f, vivid, 0.20f));
    ImGui::PushStyleColor(ImGuiCol_FrameBgHovered, mixFromGrey(0.14f, hover, 0.35f));
    ImGui::PushStyleColor(ImGuiCol_FrameBgActive, mixFromGrey(0.14f, active, 0.45f));
    ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0.16f, 0.16f, 0.16f, 1.00f));
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, mixFromGrey(0.16f, hover, 0.55f));
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, mixFromGrey(0.16f, active, 0.65f));
    ImGui::PushStyleColor(ImGuiCol_Header, mixFromGrey(0.12f, vivid, 0.45f));
    ImGui::PushStyleColor(ImGuiCol_HeaderHovered, mixFromGrey(0.12f, hover, 0.65f));
    ImGui::PushStyleColor(ImGuiCol_HeaderActive, mixFromGrey(0.12f, active, 0.75f));
    ImGui::PushStyleColor(ImGuiCol_SliderGrab, ImVec4(vivid.x, vivid.y, vivid.z, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_SliderGrabActive, ImVec4(active.x, active.y, active.z, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_CheckMark, ImVec4(vivid.x, vivid.y, vivid.z, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(0.92f, 0.92f, 0.92f, 1.00f));
    ImGui::PushStyleColor(ImGuiCol_TextDisabled, ImVec4(0.55f, 0.55f, 0.58f, 1.00f));
}

void popMenuTheme() {
    ImGui::PopStyleColor(kThemeColours);
    ImGui::PopStyleVar(kThemeStyleValues);
}

} // namespace vtx
