#include "overlay/Hotkey.h"

#include <string>

#include "core/Log.h"
#include "platform/Platform.h"

namespace vtx {

void Hotkey::runToggle(const CvarHandles& cvars) {
    const KeyCombo combo{cvars.hotkeyVk.asInt(), cvars.hotkeyMod1.asInt(), cvars.hotkeyMod2.asInt()};
    if (press_.pressed(combo, keys_)) {
        cvars.enabled.set(cvars.enabled.asInt() == 0 ? 1 : 0);
    }
}

void Hotkey::startCapture() {
    capture_.start(platform::steadyNowNs(), keys_);
    logLine(host_.cvars, "Hotkey capture started: press desired key or key-combo now (ESC cancels).");
}

void Hotkey::runCapture(const CvarHandles& cvars) {
    const CaptureStep step = capture_.step(platform::steadyNowNs(), false, keys_);
    switch (step.state) {
    case CaptureState::Cancelled:
        logLine(host_.cvars, "Hotkey capture cancelled (ESC).");
        return;
    case CaptureState::TimedOut:
        logLine(host_.cvars, "Hotkey capture timed out.");
        return;
    case CaptureState::Captured:
        cvars.hotkeyVk.set(step.combo.key);
        cvars.hotkeyMod1.set(step.combo.mod1);
        cvars.hotkeyMod2.set(step.combo.mod2);
        logLine(host_.cvars, "Hotkey captured: VK=" + std::to_string(step.combo.key) + " mod1=" +
                                 std::to_string(step.combo.mod1) + " mod2=" + std::to_string(step.combo.mod2));
        return;
    default:
        return; // still waiting (the console's capture has no end key)
    }
}

} // namespace vtx
