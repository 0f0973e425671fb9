// The menu's colour maths and the clamps on its settings, against values
// worked out by hand from the HSV definitions.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "TestGuiContext.h"

#include "menu/SettingValue.h"
#include "menu/Theme.h"

namespace {

void expectColour(const ImVec4& c, float r, float g, float b, float a) {
    EXPECT_NEAR(c.x, r, 1e-4f);
    EXPECT_NEAR(c.y, g, 1e-4f);
    EXPECT_NEAR(c.z, b, 1e-4f);
    EXPECT_NEAR(c.w, a, 1e-4f);
}

TEST(MenuColours, VividAccentLiftsSaturationAndValueButLeavesGreys) {
    // Grey: saturation 0, returned as given (alpha too).
    expectColour(vtx::vividAccent(ImVec4(0.4f, 0.4f, 0.4f, 0.5f)), 0.4f, 0.4f, 0.4f, 0.5f);
    // Saturation 0.05 is still "grey".
    expectColour(vtx::vividAccent(ImVec4(1.0f, 0.95f, 0.95f, 1)), 1.0f, 0.95f, 0.95f, 1);
    // Dark red (s 1, v 0.2): value lifted to 0.75.
    expectColour(vtx::vividAccent(ImVec4(0.2f, 0.0f, 0.0f, 1)), 0.75f, 0.0f, 0.0f, 1);
    // Dusty red (s 0.2, v 0.5): saturation to 0.8, value to 0.75, so min channel 0.75 * 0.2.
    expectColour(vtx::vividAccent(ImVec4(0.5f, 0.4f, 0.4f, 0.3f)), 0.75f, 0.15f, 0.15f, 0.3f);
    // Saturation 0.9 goes to 1.0 (x1.25, clamped); value 1 stays.
    expectColour(vtx::vividAccent(ImVec4(1.0f, 0.1f, 1.0f, 1)), 1.0f, 0.0f, 1.0f, 1);
    // The default accent is already vivid.
    expectColour(vtx::vividAccent(ImVec4(0.616f, 0.0f, 1.0f, 1)), 0.616f, 0.0f, 1.0f, 1);
}

TEST(MenuColours, ShadeScalesValueWithinRange) {
    expectColour(vtx::shadeColor(ImVec4(0.8f, 0.4f, 0.4f, 0.7f), 1.1f), 0.88f, 0.44f, 0.44f, 0.7f);
    expectColour(vtx::shadeColor(ImVec4(0.8f, 0.4f, 0.4f, 1), 0.9f), 0.72f, 0.36f, 0.36f, 1);
    expectColour(vtx::shadeColor(ImVec4(0.9f, 0.0f, 0.45f, 1), 1.5f), 1.0f, 0.0f, 0.5f, 1);
    expectColour(vtx::mixFromGrey(0.14f, ImVec4(0.616f, 0.0f, 1.0f, 0.2f), 0.20f), 0.2352f, 0.112f, 0.312f, 1);
}

TEST(MenuColours, ThemePushesItsValuesAndColoursAndPopsThemAll) {
    ImGuiContext* context = vtxtest::createGuiContext(800, 600);
    ImGui::NewFrame();
    const ImGuiStyle before = ImGui::GetStyle();

    vtx::applyMenuTheme(ImVec4(0.616f, 0.0f, 1.0f, 0.25f), 0.1f);
    const ImGuiStyle& style = ImGui::GetStyle();
    EXPECT_EQ(style.WindowRounding, 10.0f);
    EXPECT_EQ(style.ItemSpacing.x, 10.0f);
    EXPECT_EQ(style.FramePadding.y, 8.0f);
    expectColour(style.Colors[ImGuiCol_WindowBg], 0.03f, 0.03f, 0.03f, 0.1f);
    expectColour(style.Colors[ImGuiCol_FrameBg], 0.2352f, 0.112f, 0.312f, 1);
    // Accent alpha 0.25 is not used: the grab is opaque.
    expectColour(style.Colors[ImGuiCol_SliderGrab], 0.616f, 0.0f, 1.0f, 1);
    // Active shade: value 0.9 of the vivid accent.
    expectColour(style.Colors[ImGuiCol_SliderGrabActive], 0.5544f, 0.0f, 0.9f, 1);
    expectColour(style.Colors[ImGuiCol_Text], 0.92f, 0.92f, 0.92f, 1);

    vtx::popMenuTheme();
    EXPECT_EQ(ImGui::GetStyle().WindowRounding, before.WindowRounding);
    expectColour(ImGui::GetStyle().Colors[ImGuiCol_Text], before.Colors[ImGuiCol_Text].x,
                 before.Colors[ImGuiCol_Text].y, before.Colors[ImGuiCol_Text].z, before.Colors[ImGuiCol_Text].w);
    ImGui::EndFrame();
    ImGui::DestroyContext(context);
}

TEST(SettingValues, EditsAreClampedIntoRangeAndNaNIsNeverStored) {
    EXPECT_EQ(vtx::settingToStore(5000.0f, 0.0f, 4000.0f), 4000.0f);
    EXPECT_EQ(vtx::settingToStore(-3.0f, 0.0f, 4000.0f), 0.0f);
    EXPECT_EQ(vtx::settingToStore(0.07f, 0.05f, 5.0f), 0.07f);
    EXPECT_EQ(vtx::settingToStore(std::numeric_limits<float>::infinity(), 0.0f, 100.0f), 100.0f);
    EXPECT_EQ(vtx::settingToStore(-std::numeric_limits<float>::infinity(), 0.3f, 1.0f), 0.3f);
    EXPECT_FALSE(vtx::settingToStore(std::numeric_limits<float>::quiet_NaN(), 0.0f, 1.0f).has_value());
}

} // namespace
