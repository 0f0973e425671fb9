#pragma once
// The menu's main window, drawn every frame while the window is open.

class Vantrix;

namespace vtx {

struct MenuState;
struct EggState;

// One frame of the menu: theme, main window, top bar, sidebar and the
// selected tab. Leaves Dear ImGui's style stacks and global font scale as it
// found them on every path.
void drawMenu(Vantrix& plugin, MenuState& state, EggState& egg);

} // namespace vtx
