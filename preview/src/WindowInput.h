#pragma once
// How the preview window turns what SDL reports into what the plugin reads
// on Windows: keys into virtual-key codes, a game controller into an XInput
// pad's state, and window pixels into the game's screen pixels.
#include <SDL_keycode.h>
#include <cstdint>
#include <vector>

#include "vtxhost/VirtualDevices.h"

namespace vtxpreview {

// The virtual-key codes a key sets: one, or for Shift, Ctrl and Alt the
// side's code and the generic one (GetAsyncKeyState answers both). Empty for
// keys Windows has no code for.
std::vector<int> virtualKeysOf(SDL_Keycode key);

// The keyboard as the plugin sees it, with the generic modifier codes held
// while either side is.
class KeyState {
public:
    void press(SDL_Keycode key, bool down);

private:
    std::vector<int> sidedHeld_;
};

// A game controller's state in SDL's terms: buttons by SDL_GameControllerButton,
// axes by SDL_GameControllerAxis (sticks -32768..32767 with Y down, triggers 0..32767).
struct ControllerSnapshot {
    bool buttons[21] = {};
    std::int16_t axes[6] = {};
};

// The XInput state a pad in that state reports (Y up, triggers 0..255).
vtxhost::XInputPadState xinputStateOf(const ControllerSnapshot& controller);

// Where the game's picture sits in the window: as large as fits, centred,
// its shape kept.
struct Letterbox {
    int x = 0, y = 0, width = 0, height = 0;
};
Letterbox fitLetterbox(int gameWidth, int gameHeight, int windowWidth, int windowHeight);
// A window pixel as a game pixel (outside the picture: beyond its edges).
void windowToGame(const Letterbox& box, int gameWidth, int gameHeight, int x, int y, int& gameX, int& gameY);

} // namespace vtxpreview
