#include "overlay/Hotkey.h"

#include <string>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
// Through the host, whose change handlers bring the value to the snapshot;
// nothing when the host lacks the variable.
void setSetting(HostView host, const CvarSpec& row, int value) {
    if (!host.cvars) {
        return;
    }
    if (CVarWrapper var = getCvar(*host.cvars, row)) {
        var.setValue(value);
    }
}
} // namespace

void Hotkey::runToggle(const SettingsSnapshot& settings) {
    const KeyCombo combo{settings.integer(cvar::kHotkeyVk), settings.integer(cvar::kHotkeyMod1),
                         settings.integer(cvar::kHotkeyMod2)};
    if (press_.pressed(combo, keys_)) {
        setSetting(host_, cvar::kEnabled, settings.on(cvar::kEnabled) ? 0 : 1);
    }
}

void Hotkey::startCapture() {
    capture_.start(platform::steadyNowNs(), keys_);
    logLine(host_.cvars, "Hotkey capture started: press desired key or key-combo now (ESC cancels).");
}

void Hotkey::runCapture() {
    const CaptureStep step = capture_.step(platform::steadyNowNs(), false, keys_);
    switch (step.state) {
    case CaptureState::Cancelled:
        logLine(host_.cvars, "Hotkey capture cancelled (ESC).");
        return;
    case CaptureState::TimedOut:
        logLine(host_.cvars, "Hotkey capture timed out.");
        return;
    case CaptureState::Captured:
        setSetting(host_, cvar::kHotkeyVk, step.combo.key);
        setSetting(host_, cvar::kHotkeyMod1, step.combo.mod1);
        setSetting(host_, cvar::kHotkeyMod2, step.combo.mod2);
        logLine(host_.cvars, "Hotkey captured: VK=" + std::to_string(step.combo.key) + " mod1=" +
                                 std::to_string(step.combo.mod1) + " mod2=" + std::to_string(step.combo.mod2));
        return;
    default:
        return; // still waiting (the console's capture has no end key)
    }
}

} // namespace vtx
