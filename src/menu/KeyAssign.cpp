#include "menu/KeyAssign.h"

#include "overlay/Hotkey.h"

namespace vtx {

namespace {
bool held(KeyStateReader keys, int vk) { return (keys(vk) & 0x8000) != 0; }

bool anyHeld(KeyStateReader keys, int generic, int left, int right) {
    return held(keys, generic) || held(keys, left) || held(keys, right);
}

// Mouse buttons and Cancel, and the modifiers themselves, are never the key.
bool neverTheKey(int vk) { return (vk >= 1 && vk <= 6) || isModifierKey(vk); }
} // namespace

std::string keyName(int vk) {
    switch (vk) {
    case 0:
        return "Unassigned";
    case 8:
        return "Backspace";
    case 9:
        return "Tab";
    case 13:
        return "Enter";
    case 27:
        return "Esc";
    case 32:
        return "Space";
    default:
        break;
    }
    if (vk >= 112 && vk <= 123)
        return "F" + std::to_string(vk - 111);
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return std::string(1, static_cast<char>(vk));
    return "Key";
}

const char* modifierName(int code) {
    switch (code) {
    case kModCtrl:
        return "Ctrl";
    case kModShift:
        return "Shift";
    case kModAlt:
        return "Alt";
    default:
        return "";
    }
}

void beginKeyAssign(KeyAssignState& wait, std::uint64_t now, KeyStateReader keys) {
    wait.active = true;
    wait.armed = false;
    wait.start = now;
    for (int vk = 0; vk < 256; ++vk)
        wait.snapshot[static_cast<std::size_t>(vk)] = held(keys, vk);
}

KeyWait stepKeyAssign(KeyAssignState& wait, std::uint64_t now, bool mouseHeld, KeyStateReader keys,
                      HotkeyBinding& binding) {
    if (!wait.armed) {
        // The click on "Assign Key" itself must not become the key.
        if (now - wait.start < kKeyAssignArmingMs || mouseHeld)
            return KeyWait::Arming;
        wait.armed = true;
    }
    if (held(keys, kVirtualKeyEscape)) {
        wait.active = false;
        return KeyWait::Cancelled;
    }
    int found = 0;
    for (int vk = 1; vk < 256 && found == 0; ++vk) {
        if (neverTheKey(vk) || wait.snapshot[static_cast<std::size_t>(vk)])
            continue;
        if ((keys(vk) & 0x0001) != 0)
            found = vk;
    }
    if (found == 0)
        return KeyWait::Waiting;
    wait.active = false;
    if (found == kVirtualKeyF9)
        return KeyWait::Ignored;
    const Modifiers mods =
        modifiersFor(anyHeld(keys, 17, 162, 163), anyHeld(keys, 16, 160, 161), anyHeld(keys, 18, 164, 165));
    binding = HotkeyBinding{found, mods.mod1, mods.mod2};
    return KeyWait::Assigned;
}

} // namespace vtx
