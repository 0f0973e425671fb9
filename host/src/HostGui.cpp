// Plugin windows and the host's Dear ImGui context.
#include "HostImpl.h"
#include "bakkesmod/plugin/pluginwindow.h"
#include "imgui.h"
#include "imgui_internal.h"

namespace vtxhost {

void HostImpl::createGui() {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    gui_ = ImGui::CreateContext();
    ImGui::SetCurrentContext(gui_);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr; // the host keeps no window layout file
    io.LogFilename = nullptr;
    io.DisplaySize = ImVec2(static_cast<float>(options_.displayWidth), static_cast<float>(options_.displayHeight));
    // Plugins draw text, so the atlas must exist before the first frame.
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    if (previous)
        ImGui::SetCurrentContext(previous);
}

void HostImpl::destroyGui() noexcept {
    if (!gui_)
        return;
    if (guiFrameOpen_)
        endGuiFrame(false);
    ImGui::DestroyContext(gui_);
    gui_ = nullptr;
}

void HostImpl::beginGuiFrame() {
    if (guiFrameOpen_)
        return;
    ImGui::SetCurrentContext(gui_);
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(options_.displayWidth), static_cast<float>(options_.displayHeight));
    io.DeltaTime = static_cast<float>(frameIntervalNs_) / 1e9f;
    io.MousePos = ImVec2(static_cast<float>(mouseX_), static_cast<float>(mouseY_));
    io.MouseDown[0] = mouseDown_;
    ImGui::NewFrame();
    guiFrameOpen_ = true;
}

void HostImpl::endGuiFrame(bool render) {
    if (!guiFrameOpen_)
        return;
    ImGui::SetCurrentContext(gui_);
    // A plugin that left a window or a style push open must not break the
    // next frame.
    ImGui::ErrorCheckEndFrameRecover(nullptr);
    if (render) {
        ImGui::Render();
    } else {
        ImGui::EndFrame();
    }
    guiFrameOpen_ = false;
}

// Window operations may draw, so outside a host frame they get a frame of
// their own whose output is dropped.
template <class F> void HostImpl::inGuiFrame(F&& call) {
    if (guiFrameOpen_) {
        call();
        return;
    }
    beginGuiFrame();
    call();
    endGuiFrame(false);
}

void HostImpl::addWindow(int owner, BakkesMod::Plugin::PluginWindow* window) {
    if (!ownerLive(owner) || !window)
        return;
    std::string name;
    guarded([&] { name = window->menuName(); });
    guarded([&] { window->setGuiContext(reinterpret_cast<std::uintptr_t>(gui_)); });
    windows_.push_back(std::make_shared<Window>(Window{owner, window, name}));
}

bool HostImpl::openWindow(const std::string& name, bool open, bool toggle) {
    std::shared_ptr<Window> found;
    for (const auto& window : windows_) {
        if (window->name == name)
            found = window;
    }
    if (!found)
        return false;
    if (toggle) {
        // A key seen by a binding and by the plugin itself in one frame asks
        // twice; the window toggles once.
        if (found->toggledInEpoch == toggleEpoch_)
            return true;
        found->toggledInEpoch = toggleEpoch_;
        open = !found->open;
    }
    if (found->open == open)
        return true;
    found->open = open;
    inGuiFrame([&] {
        guarded([&] {
            if (open) {
                found->window->onOpen();
            } else {
                found->window->onClose();
            }
        });
    });
    return true;
}

bool HostImpl::windowOpen(const std::string& name) const {
    for (const auto& window : windows_) {
        if (window->name == name && window->open)
            return true;
    }
    return false;
}

void HostImpl::setMouse(int x, int y, bool down) {
    mouseX_ = x;
    mouseY_ = y;
    mouseDown_ = down;
}

void HostImpl::renderWindows() {
    Action action(*this);
    auto windows = windows_;
    for (const auto& window : windows) {
        if (!window->open || !ownerLive(window->owner))
            continue;
        guarded([&] { window->window->renderWindow(); });
        // Plugins switch to the context they were given; take it back.
        ImGui::SetCurrentContext(gui_);
    }
}

} // namespace vtxhost
