#include "menu/MenuShell.h"

#include <imgui.h>

#include "Vantrix.h"

namespace vtx {

namespace {
bool initBadgePending = true;
bool menuDrawnOnce = false;
} // namespace

bool menuNeverDrawn() { return initBadgePending && !menuDrawnOnce; }

void drawMenu(Vantrix& plugin) {
    bool open = true;
    ImGui::SetNextWindowSize(ImVec2(900, 600), ImGuiCond_FirstUseEver);
    const bool visible = ImGui::Begin(plugin.menuTitle().c_str(), &open, ImGuiWindowFlags_NoCollapse);
    if (visible) {
        initBadgePending = false;
        menuDrawnOnce = true;
    }
    ImGui::End();
    if (!open && plugin.cvarManager) {
        plugin.cvarManager->executeCommand("vtx_togglemenu", false);
    }
}

} // namespace vtx
