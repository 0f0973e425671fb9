#include "overlay/Hotkey.h"

#include <algorithm>
#include <string>

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

void Hotkey::endCapture(std::string_view message) {
    capture_.stop();
    logLine(host_.cvars, message);
}

void Hotkey::runToggle(const CvarHandles& cvars) {
    const int key = std::min(cvars.hotkeyVk.asInt(), kLastVirtualKey);
    const int mod1Key = modifierKey(cvars.hotkeyMod1.asInt());
    const int mod2Key = modifierKey(cvars.hotkeyMod2.asInt());
    // 0, the registered default and the menu's "Unassigned", is no key: read
    // as virtual key 1 it would make every left click flip the overlay.
    const bool down = key > 0 && combinationDown(key, mod1Key, mod2Key);
    if (down && !wasDown_) {
        cvars.enabled.set(cvars.enabled.asInt() == 0 ? 1 : 0);
    }
    wasDown_ = down;
}

void Hotkey::startCapture() {
    capture_.start(platform::steadyNowNs());
    logLine(host_.cvars, "Hotkey capture started: press desired key or key-combo now (ESC cancels).");
}

void Hotkey::runCapture(const CvarHandles& cvars) {
    const std::int64_t elapsedMs = capture_.elapsedMs(platform::steadyNowNs());
    if (platform::keyHeld(kVirtualKeyEscape)) {
        endCapture("Hotkey capture cancelled (ESC).");
        return;
    }
    if (elapsedMs > kCaptureTimeoutMs) {
        endCapture("Hotkey capture timed out.");
        return;
    }
    const int key = capture_.newlyPressedKey();
    if (key == 0) {
        return;
    }
    const Modifiers mods = modifiersFor(anyHeld(kVirtualKeyControl, kVirtualKeyLeftControl, kVirtualKeyRightControl),
                                        anyHeld(kVirtualKeyShift, kVirtualKeyLeftShift, kVirtualKeyRightShift),
                                        anyHeld(kVirtualKeyAlt, kVirtualKeyLeftAlt, kVirtualKeyRightAlt));
    cvars.hotkeyVk.set(key);
    cvars.hotkeyMod1.set(mods.mod1);
    cvars.hotkeyMod2.set(mods.mod2);
    endCapture("Hotkey captured: VK=" + std::to_string(key) + " mod1=" + std::to_string(mods.mod1) +
               " mod2=" + std::to_string(mods.mod2));
}

} // namespace vtx
