#pragma once
// The host's window interface: a plugin that also derives from PluginWindow
// can be opened and closed with "togglemenu NAME" and draws with Dear ImGui.
#include <cstdint>
#include <string>

namespace BakkesMod::Plugin {

class PluginWindow {
public:
    virtual void renderWindow() = 0;
    virtual std::string menuName() = 0;
    virtual std::string menuTitle() = 0;
    virtual void setGuiContext(std::uintptr_t ctx) = 0;
    virtual bool blocksInput() = 0;
    virtual bool isOverlayWindow() = 0;
    virtual void onOpen() = 0;
    virtual void onClose() = 0;

protected:
    ~PluginWindow() = default;
};

} // namespace BakkesMod::Plugin
