#pragma once
// What the menu's shell and every tab work on, made once by the Menu and
// handed down by reference: the console, the skins, the input, the menu's own
// memory and the egg.
#include <memory>

#include "input/PadInput.h"
#include "menu/GoldEgg.h"
#include "menu/MenuState.h"
#include "overlay/Skins.h"

class CVarManagerWrapper;

namespace vtx {

struct MenuContext {
    // The plugin's console handle: empty until the host sets it, and the shell
    // draws nothing without it.
    const std::shared_ptr<CVarManagerWrapper>& console;
    SkinLibrary& skins;
    PadInput& input;
    MenuState& state;
    // The egg outlives plugin objects, so it is not the menu's own.
    EggState& egg;

    // The console, for code the shell runs only when there is one.
    CVarManagerWrapper& cvars() const { return *console; }
};

} // namespace vtx
