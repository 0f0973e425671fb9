#pragma once
// The contents of the menu's eight tabs, each drawn inside the content region
// while its tab is selected.
#include <memory>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "input/PadInput.h"
#include "menu/MenuState.h"
#include "overlay/Skins.h"

namespace vtx {

// What a tab works on: the console, the skins, the input, the menu's memory.
struct TabContext {
    const std::shared_ptr<CVarManagerWrapper>& console;
    CVarManagerWrapper& cvars;
    SkinLibrary& skins;
    PadInput& input;
    MenuState& state;
};

void drawGeneralTab(const TabContext& tab, bool overlayEnabled);
void drawPositionTab(const TabContext& tab);
void drawInputTab(const TabContext& tab);
void drawCalibrationTab(const TabContext& tab);
void drawSkinsTab(const TabContext& tab);
void drawSettingsTab(const TabContext& tab);
void drawPatreonTab(CreditsWrap& wrap);
void drawDebugTab(const TabContext& tab);

// The overlay hotkey's assignment, at the end of the General tab. Does
// nothing without a console. `keyAssign` is the wait for the next key.
void drawKeybindSection(std::shared_ptr<CVarManagerWrapper> cvars, KeyCapture& keyAssign);

} // namespace vtx
