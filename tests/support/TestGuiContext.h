#pragma once
// A Dear ImGui context of a test's own, made current, with no layout file
// and its font atlas built, so frames can be drawn without a host.
#include <imgui.h>

namespace vtxtest {

inline ImGuiContext* createGuiContext(float displayWidth, float displayHeight) {
    ImGuiContext* context = ImGui::CreateContext();
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(displayWidth, displayHeight);
    io.DeltaTime = 1.0f / 60.0f;
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    return context;
}

} // namespace vtxtest
