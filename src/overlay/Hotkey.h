#pragma once
// The overlay hotkey: a key plus up to two modifiers flips vtx_enabled, and a
// capture started from the console records the next key pressed.
#include <array>
#include <cstdint>

class Vantrix;

namespace vtx {

// Process-wide: one capture at a time, whichever plugin object started it.
struct HotkeyCapture {
    bool active = false;
    std::int64_t startNs = 0;
    std::array<std::uint8_t, 256> keyPrev{}; // 1 while a key was seen down
};
extern HotkeyCapture hotkeyCapture;

// The virtual key tested for a modifier code (1 CTRL, 2 SHIFT, 3 ALT); 0 for
// None and for any other code.
int modifierKey(int code);
// A key that only modifies: either-side and left/right CTRL, SHIFT and ALT.
bool isModifierKey(int virtualKey);

struct Modifiers {
    int mod1 = 0;
    int mod2 = 0;
};
// The two modifier codes recorded for the modifiers held: CTRL first, then
// SHIFT, then ALT, while places are free (so CTRL+SHIFT+ALT drops ALT).
Modifiers modifiersFor(bool ctrl, bool shift, bool alt);

// Frame step: flips vtx_enabled on the frame the combination goes down.
// A key code of 0 or below is no key, and toggles nothing.
void runHotkeyToggle(Vantrix& plugin);
// The console command: arms (or restarts) the capture.
void startHotkeyCapture(Vantrix& plugin);
// Frame step while a capture is armed: Escape cancels, six seconds time it
// out, the first non-modifier key pressed is recorded with the modifiers held.
void runHotkeyCapture(Vantrix& plugin);

} // namespace vtx
