#pragma once
// Assigning the overlay hotkey from the keyboard: the wait that starts with
// "Assign Key", its arming delay, the scan for the first newly pressed key,
// and the modifiers held with it. Pure logic over a key-state reader, so a
// test can play any keyboard.
#include <array>
#include <cstdint>
#include <string>

#include "platform/VirtualKeys.h"

namespace vtx {

// GetAsyncKeyState's answer for a virtual-key code: 0x8000 held, 0x0001
// pressed since the previous query (the query clears it).
using KeyStateReader = std::uint16_t (*)(int virtualKey);

inline constexpr std::uint64_t kKeyAssignArmingMs = 250;

// Modifier codes of vtx_hotkey_mod1/2.
enum ModifierCode { kModNone = 0, kModCtrl = 1, kModShift = 2, kModAlt = 3 };

struct HotkeyBinding {
    int vk = 0;
    int mod1 = kModNone;
    int mod2 = kModNone;
};

struct KeyAssignState {
    bool active = false;
    bool armed = false;
    std::uint64_t start = 0;             // tick count in ms when the wait began
    std::array<bool, 256> snapshot = {}; // keys held when the wait began
};

// The name a key chip shows for a virtual-key code.
std::string keyName(int virtualKey);
// "Ctrl", "Shift", "Alt" for modifier codes 1-3, empty otherwise.
const char* modifierName(int code);
// Starts a wait: remembers when, and which keys are already held.
void beginKeyAssign(KeyAssignState& wait, std::uint64_t now, KeyStateReader keys);

enum class KeyWait {
    Arming,    // the first 250 ms, or the mouse button still held: nothing is read
    Waiting,   // armed, no key yet
    Cancelled, // Escape
    Ignored,   // F9, which belongs to the menu
    Assigned,  // `binding` holds the new hotkey
};
// One frame of a running wait.
KeyWait stepKeyAssign(KeyAssignState& wait, std::uint64_t now, bool mouseHeld, KeyStateReader keys,
                      HotkeyBinding& binding);

} // namespace vtx
