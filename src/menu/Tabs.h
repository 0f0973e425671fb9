#pragma once
// The contents of the menu's eight tabs, each drawn inside the content region
// while its tab is selected.
#include <memory>

#include "menu/KeyAssign.h"
#include "menu/MenuState.h"

class CVarManagerWrapper;
class Vantrix;

namespace vtx {

void drawGeneralTab(Vantrix& plugin, bool overlayEnabled, KeyAssignState& keyAssign);
void drawPositionTab(Vantrix& plugin);
void drawInputTab(Vantrix& plugin);
void drawCalibrationTab(Vantrix& plugin);
void drawSkinsTab(Vantrix& plugin);
void drawSettingsTab(Vantrix& plugin);
void drawPatreonTab(CreditsWrap& wrap);
void drawDebugTab(Vantrix& plugin);

// The overlay hotkey's assignment, at the end of the General tab. Does
// nothing without a console. `keyAssign` is the wait for the next key.
void drawKeybindSection(std::shared_ptr<CVarManagerWrapper> cvars, KeyAssignState& keyAssign);

} // namespace vtx
