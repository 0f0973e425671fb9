#pragma once
// The menu's main window, drawn every frame while the window is open.

namespace vtx {

struct MenuContext;

// One frame of the menu: theme, main window, top bar, sidebar and the
// selected tab. Leaves Dear ImGui's style stacks and global font scale as it
// found them on every path. Does nothing without a console.
void drawMenu(const MenuContext& menu);

} // namespace vtx
