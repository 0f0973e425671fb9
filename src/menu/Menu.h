#pragma once
// The plugin's host window "vtx_menu" and everything the menu remembers: the
// window's open state and Dear ImGui context, the frame state of the menu
// body, the keybind wait and the F9/Escape edges of the viewport tick. The
// plugin object holds one and forwards its window operations to it.
#include <cstdint>

#include "menu/GoldEgg.h"
#include "menu/MenuState.h"

class CVarManagerWrapper;
class Vantrix;

namespace vtx {

class Menu {
public:
    // The egg is the process's own (see processEgg); a test may hand in its own.
    Menu() : egg(&processEgg()) {}
    explicit Menu(EggState& eggState) : egg(&eggState) {}

    // Draws the menu, or asks the host to close the window (Escape, or no
    // context 2000 ms after opening). `plugin` gives the console and the tabs'
    // data.
    void render(Vantrix& plugin);
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
    const EggState& eggState() const { return *egg; }

private:
    std::uintptr_t imguiContext = 0;
    bool menuOpen = false;
    std::int64_t menuOpenedAt = 0; // steady clock, ns, of the last opening
    MenuState state;
    EggState* egg;
    bool lastF9Down = false;
    bool lastEscDown = false;
};

} // namespace vtx
