#pragma once
// The plugin object: the host's plugin and window in one, holding the host
// handles, the skin pictures, the menu state, the hotkey capture, the
// settings file's autosave state, the pad state and the match-phase fields.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bakkesmod/plugin/bakkesmodplugin.h"
#include "bakkesmod/plugin/pluginwindow.h"
#include "core/CvarHandles.h"
#include "core/SettingsFile.h"
#include "input/PadInput.h"
#include "input/PadState.h"
#include "menu/Menu.h"
#include "overlay/Hotkey.h"
#include "overlay/Visibility.h"

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

    // Runs on every viewport tick: F9 toggles the menu, Escape closes it.
    void onViewportTick(const std::string& eventName);
    // The canvas drawable, once per rendered frame.
    void renderOverlay(CanvasWrapper canvas);
    // Fills `pad` from the source `input` chooses.
    void pollPad();
    // The console variables the overlay reads, looked up on first use; each
    // read returns the variable's current value.
    const vtx::CvarHandles& settings();
    // The menu window and its state.
    vtx::Menu& menu() { return menuWindow; }
    // The console's hotkey capture, run by the frame while armed.
    vtx::HotkeyCapture& hotkeyCapture() { return capture; }
    // Whether the settings file's autosave may write now.
    vtx::SettingsFileState& settingsFile() { return settingsFileState; }
    // The overlay's opacity: the process's own (see processFade).
    vtx::Fade& fade() { return *fadeState; }

    std::vector<std::string> skinNames;
    bool skinListDirty = true;
    bool imagesLoaded = false;
    std::string startupSkin;
    std::string activeSkin;
    std::shared_ptr<ImageWrapper> baseImage;
    std::map<std::string, std::shared_ptr<ImageWrapper>> layerImages;
    vtx::PadState pad;
    vtx::PadInput input;
    bool hotkeyWasDown = false;
    bool inReplay = false;
    bool inPostGame = false;
    std::int64_t replayDeadline = 0;
    bool gameReplaySeen = false;

private:
    void scheduleDrawable();
    void bindMenuKey();
    void chooseSkin();
    void runOverlayFrame(CanvasWrapper& canvas);

    vtx::Menu menuWindow;
    vtx::HotkeyCapture capture;
    vtx::SettingsFileState settingsFileState;
    vtx::Fade* fadeState = &vtx::processFade();
    bool drawableScheduled = false;
    vtx::CvarHandles cvarHandles;
    bool cvarHandlesResolved = false;
};
