#pragma once
// When a key combination is pressed: once per press, on the look that first
// sees it held; holding it does nothing more.
#include "input/KeyCombo.h"
#include "input/Keyboard.h"

namespace vtx {

class ComboPress {
public:
    // True when `combo` goes down at this look. After the combination
    // changes, a press counts only once it has been seen released: the keys
    // that assigned it are usually still held then, and are no press of it.
    // Before the first look the combination is none, so a combination held
    // at the first look waits for its release too.
    bool pressed(const KeyCombo& combo, const Keyboard& keys);

private:
    KeyCombo combo_;
    bool wasHeld_ = false;
};

} // namespace vtx
