#include "input/KeyCombo.h"

#include <algorithm>

#include "platform/VirtualKeys.h"

namespace vtx {

namespace {

bool anyHeld(const Keyboard& keys, int either, int left, int right) {
    return keys.held(either) || keys.held(left) || keys.held(right);
}

} // namespace

int modifierKey(int code) {
    switch (code) {
    case kModCtrl:
        return kVirtualKeyControl;
    case kModShift:
        return kVirtualKeyShift;
    case kModAlt:
        return kVirtualKeyAlt;
    default:
        return 0;
    }
}

bool isModifierKey(int virtualKey) {
    return (virtualKey >= kVirtualKeyShift && virtualKey <= kVirtualKeyAlt) ||
           (virtualKey >= kVirtualKeyLeftShift && virtualKey <= kVirtualKeyRightAlt);
}

bool comboHeld(const KeyCombo& combo, const Keyboard& keys) {
    // 0, the registered default and the menu's "Unassigned", is no key: read
    // as virtual key 1 it would make every left click count.
    if (combo.key <= 0) {
        return false;
    }
    const int mod1Key = modifierKey(combo.mod1);
    const int mod2Key = modifierKey(combo.mod2);
    if (mod1Key != 0 && !keys.held(mod1Key)) {
        return false;
    }
    if (mod2Key != 0 && mod2Key != mod1Key && !keys.held(mod2Key)) {
        return false;
    }
    return keys.held(std::min(combo.key, 255));
}

KeyCombo withHeldModifiers(int key, const Keyboard& keys) {
    KeyCombo combo{key};
    const auto place = [&combo](int code) {
        if (combo.mod1 == kModNone) {
            combo.mod1 = code;
        } else if (combo.mod2 == kModNone) {
            combo.mod2 = code;
        }
    };
    if (anyHeld(keys, kVirtualKeyControl, kVirtualKeyLeftControl, kVirtualKeyRightControl)) {
        place(kModCtrl);
    }
    if (anyHeld(keys, kVirtualKeyShift, kVirtualKeyLeftShift, kVirtualKeyRightShift)) {
        place(kModShift);
    }
    if (anyHeld(keys, kVirtualKeyAlt, kVirtualKeyLeftAlt, kVirtualKeyRightAlt)) {
        place(kModAlt);
    }
    return combo;
}

} // namespace vtx
