#pragma once
// The overlay hotkey: a key plus up to two modifiers flips vtx_enabled, and a
// capture started from the console records the next key pressed.
#include "core/HostView.h"
#include "core/SettingsSnapshot.h"
#include "input/ComboPress.h"
#include "input/KeyCapture.h"
#include "input/Keyboard.h"

namespace vtx {

// The hotkey of one plugin object: its capture and the combination's presses.
class Hotkey {
public:
    explicit Hotkey(HostView host, Keyboard keys = {}) : host_(host), keys_(keys) {}

    // The console command: arms (or restarts) the capture.
    void startCapture();
    bool capturing() const { return capture_.active(); }
    // Frame step while a capture is armed: Escape cancels, six seconds time it
    // out, the first non-modifier key pressed is recorded with the modifiers
    // held, written to the hotkey's variables.
    void runCapture();
    // Frame step: flips vtx_enabled on the frame the combination goes down.
    // A key code of 0 or below is no key, and toggles nothing. A new
    // combination toggles only on a press that begins after it was set.
    void runToggle(const SettingsSnapshot& settings);

private:
    HostView host_;
    Keyboard keys_;
    KeyCapture capture_{kConsoleHotkeyCapture};
    ComboPress press_;
};

} // namespace vtx
