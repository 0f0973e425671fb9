#pragma once
// The contents of the menu's eight tabs, each drawn inside the content region
// while its tab is selected.
#include <memory>

class CVarManagerWrapper;
class Vantrix;

namespace vtx {

void drawGeneralTab(Vantrix& plugin, bool overlayEnabled);
void drawPositionTab(Vantrix& plugin);
void drawInputTab(Vantrix& plugin);
void drawCalibrationTab(Vantrix& plugin);
void drawSkinsTab(Vantrix& plugin);
void drawSettingsTab(Vantrix& plugin);
void drawPatreonTab(Vantrix& plugin);
void drawDebugTab(Vantrix& plugin);

// The overlay hotkey's assignment, at the end of the General tab. Does
// nothing without a console.
void drawKeybindSection(std::shared_ptr<CVarManagerWrapper> cvars);

// The Patreon tab measures its wrap width once per opening of the menu.
void resetCreditsWrap();

} // namespace vtx
