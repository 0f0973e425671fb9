#include "input/ComboPress.h"

namespace vtx {

bool ComboPress::pressed(const KeyCombo& combo, const Keyboard& keys) {
    if (combo != combo_) {
        combo_ = combo;
        wasHeld_ = true;
    }
    const bool held = comboHeld(combo, keys);
    const bool press = held && !wasHeld_;
    wasHeld_ = held;
    return press;
}

} // namespace vtx
