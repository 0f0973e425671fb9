#include "overlay/Hotkey.h"

#include <algorithm>
#include <string>

#include "Vantrix.h"
#include "core/Log.h"
#include "platform/Platform.h"
#include "platform/VirtualKeys.h"

namespace vtx {

namespace {

constexpr std::int64_t kCaptureTimeoutMs = 6000;
constexpr int kLastVirtualKey = 255;

bool anyHeld(int either, int left, int right) {
    return platform::keyHeld(either) || platform::keyHeld(left) || platform::keyHeld(right);
}

bool combinationDown(int key, int mod1Key, int mod2Key) {
    bool modsDown = true;
    if (mod1Key != 0) {
        modsDown = platform::keyHeld(mod1Key);
    }
    if (mod2Key != 0 && mod2Key != mod1Key) {
        modsDown = modsDown && platform::keyHeld(mod2Key);
    }
    return modsDown && platform::keyHeld(key);
}

void endCapture(Vantrix& plugin, std::string_view message) {
    plugin.hotkeyCapture().stop();
    logLine(plugin.cvarManager, message);
}

} // namespace

int HotkeyCapture::newlyPressedKey() {
    for (int key = 1; key <= kLastVirtualKey; ++key) {
        const bool down = platform::keyHeld(key);
        if (down && keyPrev[key] == 0) {
            keyPrev[key] = 1;
            if (!isModifierKey(key)) {
                return key;
            }
            continue;
        }
        keyPrev[key] = down ? 1 : 0;
    }
    return 0;
}

int modifierKey(int code) {
    switch (code) {
    case 1:
        return kVirtualKeyControl;
    case 2:
        return kVirtualKeyShift;
    case 3:
        return kVirtualKeyAlt;
    default:
        return 0;
    }
}

bool isModifierKey(int virtualKey) {
    return (virtualKey >= kVirtualKeyShift && virtualKey <= kVirtualKeyAlt) ||
           (virtualKey >= kVirtualKeyLeftShift && virtualKey <= kVirtualKeyRightAlt);
}

Modifiers modifiersFor(bool ctrl, bool shift, bool alt) {
    Modifiers mods;
    if (ctrl) {
        mods.mod1 = 1;
    }
    if (shift) {
        (mods.mod1 == 0 ? mods.mod1 : mods.mod2) = 2;
    }
    if (alt) {
        if (mods.mod1 == 0) {
            mods.mod1 = 3;
        } else if (mods.mod2 == 0) {
            mods.mod2 = 3;
        }
    }
    return mods;
}

void runHotkeyToggle(Vantrix& plugin) {
    const CvarHandles& cvars = plugin.settings();
    const int key = std::min(cvars.hotkeyVk.asInt(), kLastVirtualKey);
    const int mod1Key = modifierKey(cvars.hotkeyMod1.asInt());
    const int mod2Key = modifierKey(cvars.hotkeyMod2.asInt());
    // 0, the registered default and the menu's "Unassigned", is no key: read
    // as virtual key 1 it would make every left click flip the overlay.
    const bool down = key > 0 && combinationDown(key, mod1Key, mod2Key);
    if (down && !plugin.hotkeyWasDown) {
        cvars.enabled.set(cvars.enabled.asInt() == 0 ? 1 : 0);
    }
    plugin.hotkeyWasDown = down;
}

void startHotkeyCapture(Vantrix& plugin) {
    plugin.hotkeyCapture().start(platform::steadyNowNs());
    logLine(plugin.cvarManager, "Hotkey capture started: press desired key or key-combo now (ESC cancels).");
}

void runHotkeyCapture(Vantrix& plugin) {
    HotkeyCapture& capture = plugin.hotkeyCapture();
    const std::int64_t elapsedMs = capture.elapsedMs(platform::steadyNowNs());
    if (platform::keyHeld(kVirtualKeyEscape)) {
        endCapture(plugin, "Hotkey capture cancelled (ESC).");
        return;
    }
    if (elapsedMs > kCaptureTimeoutMs) {
        endCapture(plugin, "Hotkey capture timed out.");
        return;
    }
    const int key = capture.newlyPressedKey();
    if (key == 0) {
        return;
    }
    const Modifiers mods = modifiersFor(anyHeld(kVirtualKeyControl, kVirtualKeyLeftControl, kVirtualKeyRightControl),
                                        anyHeld(kVirtualKeyShift, kVirtualKeyLeftShift, kVirtualKeyRightShift),
                                        anyHeld(kVirtualKeyAlt, kVirtualKeyLeftAlt, kVirtualKeyRightAlt));
    const CvarHandles& cvars = plugin.settings();
    cvars.hotkeyVk.set(key);
    cvars.hotkeyMod1.set(mods.mod1);
    cvars.hotkeyMod2.set(mods.mod2);
    endCapture(plugin, "Hotkey captured: VK=" + std::to_string(key) + " mod1=" + std::to_string(mods.mod1) +
                           " mod2=" + std::to_string(mods.mod2));
}

} // namespace vtx
