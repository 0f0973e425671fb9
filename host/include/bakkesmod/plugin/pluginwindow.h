#pragma once
// The host's window interface: a plugin that also derives from PluginWindow
// can be opened and closed with "togglemenu NAME" and draws with Dear ImGui.
#include <cstdint>
#include <string>

namespace BakkesMod {
namespace Plugin {

class PluginWindow {
public:
    // Draws the window with Dear ImGui, on the host's context.
    virtual void Render() = 0;
    // The name "togglemenu" takes.
    virtual std::string GetMenuName() = 0;
    virtual std::string GetMenuTitle() = 0;
    // The host hands over its Dear ImGui context (an ImGuiContext*).
    virtual void SetImGuiContext(uintptr_t ctx) = 0;
    // True while mouse and keys should not reach the game.
    virtual bool ShouldBlockInput() = 0;
    // True for an overlay nobody interacts with.
    virtual bool IsActiveOverlay() = 0;
    virtual void OnOpen() = 0;
    virtual void OnClose() = 0;
};

} // namespace Plugin
} // namespace BakkesMod
