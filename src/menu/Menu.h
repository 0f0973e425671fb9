#pragma once
// The plugin's host window "vtx_menu" and everything the menu remembers: the
// window's open state and Dear ImGui context, the frame state of the menu
// body, the keybind wait and the F9/Escape edges of the viewport tick. The
// plugin object holds one and forwards its window operations to it.
#include <atomic>
#include <cstdint>
#include <string_view>

#include "core/HostView.h"
#include "input/Keyboard.h"
#include "input/PadInput.h"
#include "menu/GoldEgg.h"
#include "menu/MenuContext.h"
#include "menu/MenuState.h"
#include "overlay/Skins.h"

class CVarManagerWrapper;

namespace vtx {

// The host's command that opens and closes the window.
inline constexpr std::string_view kToggleMenuCommand = "togglemenu vtx_menu";
inline constexpr const char* kMenuWindowName = "vtx_menu";
inline constexpr const char* kMenuTitle = "Vantrix";

class Menu {
public:
    // The skins, the input and the egg are what the menu shows and edits
    // besides the console; the egg outlives plugin objects, so it is handed in.
    Menu(HostView host, SkinLibrary& skins, PadInput& input, EggState& egg)
        : host_(host), context_{host.cvars, skins, input, state, egg} {}

    // Draws the menu, or asks the host to close the window (Escape, or no
    // context 2000 ms after opening).
    void render();
    void setContext(std::uintptr_t context) { imguiContext = context; }
    bool blocksInput();
    void open();
    void close();
    bool isOpen() const { return menuOpen; }

    // One viewport tick: F9 toggles the menu, Escape closes it, each on its
    // rising edge. Does nothing without a console.
    void tickKeys(CVarManagerWrapper* cvars);

    int selectedTab() const { return state.selectedTab; }
    void selectTab(int tab) { state.selectedTab = tab; }
    // True until a menu frame has shown the main window.
    bool neverDrawn() const { return state.neverDrawn(); }
    const EggState& eggState() const { return context_.egg; }

private:
    HostView host_;
    std::uintptr_t imguiContext = 0;
    // Also read by the viewport tick on the game's side (Escape closes only
    // an open menu), so it is atomic; the rest is the window's own.
    std::atomic<bool> menuOpen{false};
    std::int64_t menuOpenedAt = 0; // steady clock, ns, of the last opening
    MenuState state;
    // Made once, over the state above; the shell and every tab draw through it.
    MenuContext context_;
    Keyboard keys_;
    bool lastF9Down = false;
    bool lastEscDown = false;
};

} // namespace vtx
