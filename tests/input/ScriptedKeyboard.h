#pragma once
// A keyboard a test plays, answering as the system's asynchronous key state
// does: held now, and pressed since the previous read of that key (a read
// clears it). The side-neutral SHIFT, CTRL and ALT codes are held while
// either side is.
#include <array>
#include <ostream>

#include "input/KeyCombo.h"
#include "input/Keyboard.h"

namespace vtx {
inline void PrintTo(const KeyCombo& combo, std::ostream* out) {
    *out << "{key " << combo.key << ", mod1 " << combo.mod1 << ", mod2 " << combo.mod2 << "}";
}
} // namespace vtx

namespace vtxtest {

class ScriptedKeyboard final : public vtx::KeySource {
public:
    void down(int key) {
        if (!held_[key])
            pressed_[key] = true;
        held_[key] = true;
    }
    void up(int key) { held_[key] = false; }
    // Down and up again between two reads: only the pressed bit tells.
    void tap(int key) {
        down(key);
        up(key);
    }

    vtx::KeyState query(int key) override {
        const vtx::KeyState state{heldNow(key), pressed_[key]};
        pressed_[key] = false;
        return state;
    }

    vtx::Keyboard keyboard() { return vtx::Keyboard(*this); }

private:
    bool heldNow(int key) const {
        switch (key) {
        case 16:
            return held_[16] || held_[160] || held_[161];
        case 17:
            return held_[17] || held_[162] || held_[163];
        case 18:
            return held_[18] || held_[164] || held_[165];
        default:
            return held_[key];
        }
    }

    std::array<bool, 256> held_{};
    std::array<bool, 256> pressed_{};
};

} // namespace vtxtest
