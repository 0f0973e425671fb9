// The plugin's host window "vtx_menu": its open/closed state, its closing
// paths (Escape, no context) and the start-up badge.
#include "menu/Menu.h"

#include <imgui.h>
#include <imgui_internal.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "menu/MenuShell.h"
#include "platform/Platform.h"
#include "platform/VirtualKeys.h"

namespace {
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

namespace vtx {

void Menu::render() {
    const std::int64_t now = platform::steadyNowNs();
    const bool escapePressed = keys_.query(kVirtualKeyEscape).pressedSinceQuery;
    if (!escapePressed) {
        if (imguiContext != 0) {
            makeCurrent(imguiContext);
            ImGui::GetIO().MouseDrawCursor = true;
            if (state.focusOnNextRender) {
                ImGui::SetNextWindowFocus();
                state.focusOnNextRender = false;
            }
            drawMenu(context_);
            return;
        }
        if ((now - menuOpenedAt) / kNsPerMs <= kNoContextCloseMs) {
            return;
        }
    }
    if (host_.cvars) {
        host_.cvars->executeCommand(std::string(kToggleMenuCommand), false);
    }
}

// F9 opens and closes the menu, Escape closes it, on rising edges seen by the
// viewport tick. The host's own F9 binding runs the same command; the host
// counts the two requests of one frame once.
void Menu::tickKeys(CVarManagerWrapper* cvars) {
    const bool f9Down = keys_.held(kVirtualKeyF9);
    const bool escDown = keys_.held(kVirtualKeyEscape);
    if (f9Down && !lastF9Down && cvars) {
        cvars->executeCommand(std::string(kToggleMenuCommand), false);
    }
    if (menuOpen && escDown && !lastEscDown && cvars) {
        cvars->executeCommand(std::string(kToggleMenuCommand), false);
    }
    lastF9Down = f9Down;
    lastEscDown = escDown;
}

bool Menu::blocksInput() {
    if (!menuOpen || imguiContext == 0) {
        return false;
    }
    makeCurrent(imguiContext);
    const ImGuiIO& io = ImGui::GetIO();
    return platform::steadyNowNs() - menuOpenedAt < kBlockInputAfterOpenNs || io.WantCaptureMouse ||
           io.WantCaptureKeyboard;
}

void Menu::open() {
    menuOpen = true;
    menuOpenedAt = platform::steadyNowNs();
    state.focusOnNextRender = true;
    if (imguiContext != 0) {
        makeCurrent(imguiContext);
        ImGui::GetIO().MouseDrawCursor = true;
    }
}

void Menu::close() {
    menuOpen = false;
    if (imguiContext == 0) {
        return;
    }
    makeCurrent(imguiContext);
    if (state.neverDrawn() && frameInProgress()) {
        drawStartupBadge();
    }
    ImGui::GetIO().MouseDrawCursor = false;
}

} // namespace vtx
