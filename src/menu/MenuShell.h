#pragma once
// The menu's main window, drawn every frame while the window is open.

class Vantrix;

namespace vtx {

void drawMenu(Vantrix& plugin);
// True until the first frame whose main window was visible.
bool menuNeverDrawn();

} // namespace vtx
