// The plugin's host window "vtx_menu": its open/closed state, its closing
// paths (Escape, no context) and the start-up badge.
#include <imgui.h>
#include <imgui_internal.h>

#include "Vantrix.h"
#include "core/Commands.h"
#include "menu/MenuShell.h"
#include "menu/MenuState.h"
#include "platform/Platform.h"

namespace {
constexpr int kVirtualKeyEscape = 27;
constexpr std::int64_t kNsPerMs = 1'000'000;
constexpr std::int64_t kNoContextCloseMs = 2000;
constexpr std::int64_t kBlockInputAfterOpenNs = 200'000'000;

void makeCurrent(std::uintptr_t context) { ImGui::SetCurrentContext(reinterpret_cast<ImGuiContext*>(context)); }

// Dear ImGui accepts windows only between NewFrame and the frame's end; a
// host may close the window between frames, and then there is no badge.
bool frameInProgress() {
    const ImGuiContext* context = ImGui::GetCurrentContext();
    return context != nullptr && context->WithinFrameScope;
}

void drawStartupBadge() {
    const ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x - 12.0f, 12.0f), ImGuiCond_Always, ImVec2(1.0f, 0.0f));
    ImGui::SetNextWindowBgAlpha(0.65f);
    const ImGuiWindowFlags flags =
        ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoScrollbar |
        ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings |
        ImGuiWindowFlags_NoMouseInputs | ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoNav;
    ImGui::Begin("##vtx_init_badge", nullptr, flags);
    ImGui::TextUnformatted("Vantrix initializing...");
    ImGui::End();
}
} // namespace

void Vantrix::Render() {
    const std::int64_t now = vtx::platform::steadyNowNs();
    const bool escapePressed = (vtx::platform::asyncKeyState(kVirtualKeyEscape) & 0x0001) != 0;
    if (!escapePressed) {
        if (imguiContext != 0) {
            makeCurrent(imguiContext);
            ImGui::GetIO().MouseDrawCursor = true;
            if (vtx::focusOnNextRender) {
                ImGui::SetNextWindowFocus();
                vtx::focusOnNextRender = false;
            }
            vtx::drawMenu(*this);
            return;
        }
        if ((now - menuOpenedAt) / kNsPerMs <= kNoContextCloseMs) {
            return;
        }
    }
    if (cvarManager) {
        cvarManager->executeCommand(std::string(vtx::kToggleMenuCommand), false);
    }
}

std::string Vantrix::GetMenuName() { return "vtx_menu"; }

std::string Vantrix::GetMenuTitle() { return "Vantrix"; }

void Vantrix::SetImGuiContext(std::uintptr_t ctx) { imguiContext = ctx; }

bool Vantrix::ShouldBlockInput() {
    if (!menuOpen || imguiContext == 0) {
        return false;
    }
    makeCurrent(imguiContext);
    const ImGuiIO& io = ImGui::GetIO();
    return vtx::platform::steadyNowNs() - menuOpenedAt < kBlockInputAfterOpenNs || io.WantCaptureMouse ||
           io.WantCaptureKeyboard;
}

bool Vantrix::IsActiveOverlay() { return true; }

void Vantrix::OnOpen() {
    menuOpen = true;
    menuOpenedAt = vtx::platform::steadyNowNs();
    vtx::focusOnNextRender = true;
    if (imguiContext != 0) {
        makeCurrent(imguiContext);
        ImGui::GetIO().MouseDrawCursor = true;
    }
}

void Vantrix::OnClose() {
    menuOpen = false;
    if (imguiContext == 0) {
        return;
    }
    makeCurrent(imguiContext);
    if (vtx::menuNeverDrawn() && frameInProgress()) {
        drawStartupBadge();
    }
    ImGui::GetIO().MouseDrawCursor = false;
}
