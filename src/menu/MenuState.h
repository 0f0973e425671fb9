#pragma once
// What the menu remembers between frames. One instance lives inside each
// vtx::Menu; the drawing code is handed it by reference.
#include <cstdint>

#include "input/KeyCapture.h"
#include "menu/Tabs.h"

namespace vtx {

// The Patreon tab measures its wrap width once per opening of the menu.
struct CreditsWrap {
    bool ready = false;
    float width = 0.0f;
};

struct MenuState {
    // Set when the window opens; the next menu frame focuses the main window.
    bool focusOnNextRender = false;
    // True until the first menu frame whose main window was visible.
    bool initBadgePending = true;
    bool menuDrawnOnce = false;
    // The selected tab's id; survives closing and reopening the menu.
    int selectedTab = kTabGeneral;
    // Set once "vtx_ui_font_scale" has been set to the menu's 1.25.
    bool fontScaleForced = false;
    // The main window's open flag of the previous frame.
    bool menuWasOpen = false;
    CreditsWrap credits;
    // The wizard's bind block sits below the sixteen rows, usually out of
    // view: the first frame of each bind scrolls down to it, later frames
    // leave the scroll alone.
    bool bindScrolledIntoView = false;
    // The keybind section's wait; it outlives the tab and the menu's closing.
    KeyCapture keyAssign{kMenuHotkeyAssign};

    bool neverDrawn() const { return initBadgePending && !menuDrawnOnce; }
};

} // namespace vtx
