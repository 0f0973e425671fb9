#pragma once
// The overlay hotkey: a key plus up to two modifiers flips vtx_enabled, and a
// capture started from the console records the next key pressed.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/CvarHandles.h"
#include "core/HostView.h"

namespace vtx {

// A capture armed from the console, waiting for its key.
class HotkeyCapture {
public:
    bool active() const { return armed; }
    // Arms (or restarts) the capture at `nowNs`, every key unseen.
    void start(std::int64_t nowNs) {
        armed = true;
        startNs = nowNs;
        keyPrev.fill(0);
    }
    void stop() { armed = false; }
    // Whole milliseconds since start.
    std::int64_t elapsedMs(std::int64_t nowNs) const { return (nowNs - startNs) / 1'000'000; }
    // The first non-modifier key that went down since last seen (scanning
    // 1..255), or 0; records every key's state on the way.
    int newlyPressedKey();

private:
    bool armed = false;
    std::int64_t startNs = 0;
    std::array<std::uint8_t, 256> keyPrev{}; // 1 while a key was seen down
};

// The virtual key tested for a modifier code (1 CTRL, 2 SHIFT, 3 ALT); 0 for
// None and for any other code.
int modifierKey(int code);
// A key that only modifies: either-side and left/right CTRL, SHIFT and ALT.
bool isModifierKey(int virtualKey);

struct Modifiers {
    int mod1 = 0;
    int mod2 = 0;
};
// The two modifier codes recorded for the modifiers held: CTRL first, then
// SHIFT, then ALT, while places are free (so CTRL+SHIFT+ALT drops ALT).
Modifiers modifiersFor(bool ctrl, bool shift, bool alt);

// The hotkey of one plugin object: the capture and the combination's state
// of the previous frame.
class Hotkey {
public:
    explicit Hotkey(HostView host) : host_(host) {}

    // The console command: arms (or restarts) the capture.
    void startCapture();
    bool capturing() const { return capture_.active(); }
    // Frame step while a capture is armed: Escape cancels, six seconds time it
    // out, the first non-modifier key pressed is recorded with the modifiers held.
    void runCapture(const CvarHandles& cvars);
    // Frame step: flips vtx_enabled on the frame the combination goes down.
    // A key code of 0 or below is no key, and toggles nothing.
    void runToggle(const CvarHandles& cvars);

private:
    void endCapture(std::string_view message);

    HostView host_;
    HotkeyCapture capture_;
    bool wasDown_ = false;
};

} // namespace vtx
