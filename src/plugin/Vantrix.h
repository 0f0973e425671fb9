#pragma once
// The plugin object: the host's plugin and window in one. It owns the
// subsystems (the settings snapshot, input, skins, match phase, hotkey,
// overlay, menu, the settings file's gate) and wires the host's callbacks to
// them; it keeps no state of its own beyond whether its drawable is scheduled.
#include <cstdint>
#include <string>

#include "bakkesmod/plugin/bakkesmodplugin.h"
#include "bakkesmod/plugin/pluginwindow.h"
#include "core/HostView.h"
#include "core/SettingsSnapshot.h"
#include "input/PadInput.h"
#include "menu/Menu.h"
#include "overlay/Hotkey.h"
#include "overlay/MatchPhase.h"
#include "overlay/Overlay.h"
#include "overlay/Skins.h"
#include "plugin/ProcessState.h"
#include "plugin/SettingsFile.h"

class Vantrix final : public BakkesMod::Plugin::BakkesModPlugin, public BakkesMod::Plugin::PluginWindow {
public:
    // BakkesModPlugin
    void onLoad() override;
    void onUnload() override;

    // PluginWindow
    void Render() override;
    std::string GetMenuName() override;
    std::string GetMenuTitle() override;
    void SetImGuiContext(std::uintptr_t ctx) override;
    bool ShouldBlockInput() override;
    bool IsActiveOverlay() override;
    void OnOpen() override;
    void OnClose() override;

    // The canvas drawable, once per rendered frame.
    void renderOverlay(CanvasWrapper canvas);

    // For tests and the benchmarks: the subsystems as they stand.
    const vtx::Overlay& overlay() const { return overlay_; }
    vtx::Overlay& overlay() { return overlay_; }
    const vtx::SkinLibrary& skins() const { return skins_; }
    const vtx::MatchPhase& matchPhase() const { return phase_; }
    const vtx::Hotkey& hotkey() const { return hotkey_; }
    const vtx::SettingsFileState& settingsFile() const { return settingsFile_; }
    vtx::Menu& menu() { return menu_; }

private:
    void chooseSkin();
    void scheduleDrawable();
    void bindMenuKey();

    vtx::HostView host_{gameWrapper, cvarManager};
    vtx::ProcessState& process_ = vtx::processState();
    vtx::SettingsSnapshot settings_;
    vtx::PadInput input_{host_};
    vtx::SkinLibrary skins_{host_};
    vtx::MatchPhase phase_;
    vtx::Hotkey hotkey_{host_};
    vtx::SettingsFileState settingsFile_;
    vtx::Overlay overlay_{host_, settings_, {input_, skins_, phase_, hotkey_, process_.fade}};
    vtx::Menu menu_{host_, skins_, input_, process_.egg};
    bool drawableScheduled_ = false;
};
