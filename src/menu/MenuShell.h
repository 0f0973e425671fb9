#pragma once
// The menu's main window, drawn every frame while the window is open.
#include <memory>

#include "input/PadInput.h"
#include "overlay/Skins.h"

class CVarManagerWrapper;

namespace vtx {

struct MenuState;
struct EggState;

// What one menu frame draws and edits.
struct MenuFrame {
    const std::shared_ptr<CVarManagerWrapper>& console;
    SkinLibrary& skins;
    PadInput& input;
    MenuState& state;
    EggState& egg;
};

// One frame of the menu: theme, main window, top bar, sidebar and the
// selected tab. Leaves Dear ImGui's style stacks and global font scale as it
// found them on every path. Does nothing without a console.
void drawMenu(const MenuFrame& frame);

} // namespace vtx
