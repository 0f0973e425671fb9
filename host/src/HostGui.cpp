// Plugin windows and the host's Dear ImGui context, with the input a platform
// backend would feed it.
#include <array>

#include "GuiDrawCopy.h"
#include "HostImpl.h"
#include "WindowThread.h"
#include "bakkesmod/plugin/pluginwindow.h"
#include "imgui.h"
#include "imgui_internal.h"

namespace vtxhost {

namespace {

// Virtual-key codes, as the game's Win32 backend maps them.
constexpr int kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12,
              kVkEscape = 0x1B, kVkSpace = 0x20, kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24,
              kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28, kVkInsert = 0x2D, kVkDelete = 0x2E,
              kVkLwin = 0x5B, kVkRwin = 0x5C, kVkLshift = 0xA0, kVkRshift = 0xA1, kVkLcontrol = 0xA2,
              kVkRcontrol = 0xA3, kVkLmenu = 0xA4, kVkRmenu = 0xA5;

void mapKeys(ImGuiIO& io) {
    const std::pair<ImGuiKey, int> keys[] = {
        {ImGuiKey_Tab, kVkTab},
        {ImGuiKey_LeftArrow, kVkLeft},
        {ImGuiKey_RightArrow, kVkRight},
        {ImGuiKey_UpArrow, kVkUp},
        {ImGuiKey_DownArrow, kVkDown},
        {ImGuiKey_PageUp, kVkPrior},
        {ImGuiKey_PageDown, kVkNext},
        {ImGuiKey_Home, kVkHome},
        {ImGuiKey_End, kVkEnd},
        {ImGuiKey_Insert, kVkInsert},
        {ImGuiKey_Delete, kVkDelete},
        {ImGuiKey_Backspace, kVkBack},
        {ImGuiKey_Space, kVkSpace},
        {ImGuiKey_Enter, kVkReturn},
        {ImGuiKey_Escape, kVkEscape},
        {ImGuiKey_KeyPadEnter, kVkReturn + 256}, // the backend's extended Enter; the virtual keyboard has none
        {ImGuiKey_A, 'A'},
        {ImGuiKey_C, 'C'},
        {ImGuiKey_V, 'V'},
        {ImGuiKey_X, 'X'},
        {ImGuiKey_Y, 'Y'},
        {ImGuiKey_Z, 'Z'},
    };
    for (const auto& [key, vk] : keys)
        io.KeyMap[key] = vk;
}

// A plugin that left a window, an ID, a group or a style push open must not
// break the frame's end (Dear ImGui asserts on it) nor the next frame: close
// and pop what is left, innermost first, down to the frame's implicit window.
void recoverGuiStacks() {
    ImGuiContext& g = *ImGui::GetCurrentContext();
    while (g.CurrentWindowStack.Size > 0) {
        ImGuiWindow* window = g.CurrentWindow;
        // What the window's Begin found on the stacks (Dear ImGui's own record).
        const short* atBegin = window->DC.StackSizesBackup;
        while (window->IDStack.Size > atBegin[0] && window->IDStack.Size > 1)
            ImGui::PopID();
        while (window->DC.GroupStack.Size > atBegin[1])
            ImGui::EndGroup();
        if (g.CurrentWindowStack.Size == 1)
            break; // the implicit window: EndFrame ends it
        if (g.ColorModifiers.Size > atBegin[3])
            ImGui::PopStyleColor(g.ColorModifiers.Size - atBegin[3]);
        if (g.StyleModifiers.Size > atBegin[4])
            ImGui::PopStyleVar(g.StyleModifiers.Size - atBegin[4]);
        while (g.FontStack.Size > atBegin[5])
            ImGui::PopFont();
        if (window->Flags & ImGuiWindowFlags_ChildWindow)
            ImGui::EndChild();
        else
            ImGui::End();
    }
    if (g.ColorModifiers.Size > 0)
        ImGui::PopStyleColor(g.ColorModifiers.Size);
    if (g.StyleModifiers.Size > 0)
        ImGui::PopStyleVar(g.StyleModifiers.Size);
    while (g.FontStack.Size > 0)
        ImGui::PopFont();
}

} // namespace

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
    mapKeys(io);
    installItemHooks();
    if (previous)
        ImGui::SetCurrentContext(previous);
}

void HostImpl::destroyGui() noexcept {
    if (!gui_)
        return;
    if (guiFrameOpen_)
        endGuiFrame(false);
    // Dear ImGui counts frees against the current context: go while it is ours.
    ImGui::SetCurrentContext(gui_);
    drawCopy_.reset();
    ImGui::DestroyContext(gui_);
    gui_ = nullptr;
}

// Typed characters wait for a real frame: a window operation's frame between
// frames is for the window's own drawing, not for the user's typing.
void HostImpl::feedGuiInput(bool realFrame) {
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(static_cast<float>(mouseX_), static_cast<float>(mouseY_));
    io.MouseDown[0] = mouseDown_;
    std::array<bool, 256> held{};
    for (std::size_t vk = 0; vk < held.size(); ++vk)
        io.KeysDown[vk] = held[vk] = devices().keyHeld(static_cast<int>(vk));
    io.KeyCtrl = held[kVkControl] || held[kVkLcontrol] || held[kVkRcontrol];
    io.KeyShift = held[kVkShift] || held[kVkLshift] || held[kVkRshift];
    io.KeyAlt = held[kVkMenu] || held[kVkLmenu] || held[kVkRmenu];
    io.KeySuper = held[kVkLwin] || held[kVkRwin];
    if (realFrame) {
        io.AddInputCharactersUTF8(typed_.c_str());
        typed_.clear();
    }
}

void HostImpl::beginGuiFrame(bool realFrame) {
    if (guiFrameOpen_)
        return;
    ImGui::SetCurrentContext(gui_);
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(options_.displayWidth), static_cast<float>(options_.displayHeight));
    io.DeltaTime = static_cast<float>(frameIntervalNs_) / 1e9f;
    feedGuiInput(realFrame);
    ImGui::NewFrame();
    guiFrameOpen_ = true;
    if (realFrame)
        startGuiRecord();
}

void HostImpl::endGuiFrame(bool render) {
    if (!guiFrameOpen_)
        return;
    ImGui::SetCurrentContext(gui_);
    recoverGuiStacks();
    const bool recorded = recording_;
    if (render) {
        ImGui::Render();
    } else {
        ImGui::EndFrame();
    }
    finishGuiRecord(recorded && render);
    guiFrameOpen_ = false;
}

// Window operations may draw, so outside a host frame they get a frame of
// their own whose output is dropped.
template <class F> void HostImpl::inGuiFrame(F&& call) {
    if (guiFrameOpen_) {
        call();
        return;
    }
    beginGuiFrame(false);
    call();
    endGuiFrame(false);
}

void HostImpl::windowOperation(const std::function<void()>& call) {
    if (windowThreadOn() && !onWindowThread()) {
        windowThread_->run([&] { inGuiFrame(call); });
        return;
    }
    inGuiFrame(call);
}

void HostImpl::addWindow(int owner, BakkesMod::Plugin::PluginWindow* window) {
    if (!ownerLive(owner) || !window)
        return;
    std::string name;
    windowOperation([&] {
        guarded([&] { name = window->GetMenuName(); });
        guarded([&] { window->SetImGuiContext(reinterpret_cast<std::uintptr_t>(gui_)); });
    });
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
    auto operation = [this, found, open] {
        // Deferred, it may come after the plugin went.
        if (!ownerLive(found->owner))
            return;
        guarded([&] {
            if (open) {
                found->window->OnOpen();
            } else {
                found->window->OnClose();
            }
        });
    };
    if (inFrame_ && windowThreadOn()) {
        // The window thread is inside the frame's drawing: the operation
        // follows it, before the frame ends.
        deferredWindowOps_.push_back(operation);
    } else {
        windowOperation(operation);
    }
    return true;
}

void HostImpl::runDeferredWindowOperations() {
    while (!deferredWindowOps_.empty()) {
        auto operations = std::move(deferredWindowOps_);
        deferredWindowOps_.clear();
        for (const auto& operation : operations)
            windowOperation(operation);
    }
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

std::uint32_t HostImpl::guiActiveId() const { return gui_ ? gui_->ActiveId : 0; }

bool HostImpl::scrollToGuiItem(const GuiItem& item) {
    if (!gui_ || guiFrameOpen_)
        return false;
    ImGui::SetCurrentContext(gui_);
    ImGuiWindow* window = ImGui::FindWindowByName(item.window.c_str());
    if (!window)
        return false;
    ImGui::ScrollToBringRectIntoView(window, ImRect(item.rect.minX, item.rect.minY, item.rect.maxX, item.rect.maxY));
    return true;
}

std::vector<std::shared_ptr<HostImpl::Window>> HostImpl::windowsToRender() const {
    std::vector<std::shared_ptr<Window>> open;
    for (const auto& window : windows_) {
        if (window->open && ownerLive(window->owner))
            open.push_back(window);
    }
    return open;
}

void HostImpl::renderWindowList(const std::vector<std::shared_ptr<Window>>& windows) {
    for (const auto& window : windows) {
        guarded([&] { window->window->Render(); });
        // Plugins switch to the context they were given; take it back.
        ImGui::SetCurrentContext(gui_);
    }
}

void HostImpl::renderWindows() {
    Action action(*this);
    // Each window as it stands when its turn comes: an earlier one's Render
    // may have opened or closed it.
    auto windows = windows_;
    for (const auto& window : windows) {
        if (window->open && ownerLive(window->owner))
            renderWindowList({window});
    }
}

} // namespace vtxhost
