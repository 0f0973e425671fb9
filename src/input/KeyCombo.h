#pragma once
// A key combination as the overlay hotkey stores it: one virtual key and up
// to two modifier codes.
#include "input/Keyboard.h"

namespace vtx {

// Modifier codes of vtx_hotkey_mod1/2; any other code counts as none.
enum ModifierCode { kModNone = 0, kModCtrl = 1, kModShift = 2, kModAlt = 3 };

struct KeyCombo {
    int key = 0; // 0 or below: no key
    int mod1 = kModNone;
    int mod2 = kModNone;

    bool operator==(const KeyCombo&) const = default;
};

// The virtual key tested for a modifier code (CTRL 17, SHIFT 16, ALT 18,
// each standing for either side); 0 for None and for any other code.
int modifierKey(int code);
// A key that only modifies: either-side and left/right CTRL, SHIFT and ALT.
bool isModifierKey(int virtualKey);

// Whether the whole combination is held: every modifier it names (one named
// twice is tested once) and its key, a code above 255 counting as 255. Extra
// keys held do not matter. A combination without a key is never held.
bool comboHeld(const KeyCombo& combo, const Keyboard& keys);

// `key` with the modifiers held now, either side counting: CTRL first, then
// SHIFT, then ALT, while places are free (so CTRL+SHIFT+ALT drops ALT).
KeyCombo withHeldModifiers(int key, const Keyboard& keys);

} // namespace vtx
