#pragma once
// Process-wide menu flags shared by the window operations and the menu body.

namespace vtx {

// Set when the window opens; the next menu frame focuses the main window.
extern bool focusOnNextRender;
// True until the first menu frame whose main window was visible.
extern bool initBadgePending;
extern bool menuDrawnOnce;

inline bool menuNeverDrawn() { return initBadgePending && !menuDrawnOnce; }

// The tabs in sidebar order; selectedTab indexes this list.
enum MenuTab {
    kTabGeneral = 0,
    kTabPosition = 1,
    kTabInput = 2,
    kTabCalibration = 3,
    kTabSkins = 4,
    kTabSettings = 5,
    kTabPatreon = 6,
    kTabDebug = 7,
};
inline constexpr const char* kTabLabels[] = {"General", "Position / Scale", "Input",   "Calibration",
                                             "Skins",   "Settings",         "Patreon", "Debug"};
// The selected tab; survives closing and reopening the menu.
extern int selectedTab;

} // namespace vtx
