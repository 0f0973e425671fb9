#pragma once
// Waiting for the next key pressed, to make it a key combination with the
// modifiers held. One engine for every place that assigns a key; a policy
// says how each waits.
#include <array>
#include <cstdint>

#include "input/KeyCombo.h"
#include "input/Keyboard.h"
#include "platform/VirtualKeys.h"

namespace vtx {

// What becomes of the keys already held when a capture starts.
enum class HeldAtStart {
    Pressed, // each is taken as pressed at the first look
    Ignored, // none is ever the key in this capture, even pressed again
};

struct KeyCapturePolicy {
    // Nothing is read for this long after the start...
    std::int64_t armingMs = 0;
    // ...nor, once it has passed, while the mouse button is held, so that the
    // click that started the capture is not taken for the key.
    bool mouseUpFirst = false;
    // More than this after the start the capture gives up; 0 waits for ever.
    std::int64_t timeoutMs = 0;
    HeldAtStart heldAtStart = HeldAtStart::Pressed;
    // Held or pressed, this key cancels the capture.
    int cancelKey = kVirtualKeyEscape;
    // Pressed, this key ends the capture without a combination; 0 for none.
    int endKey = 0;
    // Keys that are never the key, besides the modifiers and the cancel key;
    // null for none.
    bool (*excluded)(int virtualKey) = nullptr;
};

// vtx_hotkey_capture: six seconds, any key but a modifier (mouse buttons
// too), a key held at the start is taken at once.
inline constexpr KeyCapturePolicy kConsoleHotkeyCapture{.timeoutMs = 6000};

// The menu's "Assign Key": armed after 250 ms and the mouse button's
// release, no time limit, keys held at the start are left alone, the mouse
// buttons are never the key, and F9, which belongs to the menu, ends the wait.
bool isMouseButtonKey(int virtualKey);
inline constexpr KeyCapturePolicy kMenuHotkeyAssign{.armingMs = 250,
                                                    .mouseUpFirst = true,
                                                    .heldAtStart = HeldAtStart::Ignored,
                                                    .endKey = kVirtualKeyF9,
                                                    .excluded = &isMouseButtonKey};

enum class CaptureState {
    Idle,      // not started, or over
    Arming,    // nothing read yet
    Waiting,   // no key yet
    Captured,  // the step's combination is the answer
    Cancelled, // the cancel key
    TimedOut,  // the time ran out
    Ended,     // the end key
};

struct CaptureStep {
    CaptureState state = CaptureState::Idle;
    KeyCombo combo; // set when Captured
};

class KeyCapture {
public:
    explicit KeyCapture(const KeyCapturePolicy& policy) : policy_(policy) {}

    // Starts, or starts again, at `nowNs` (a steady clock). Reads every key
    // once, which also drops presses the system kept from before the start.
    void start(std::int64_t nowNs, const Keyboard& keys);
    void stop() { active_ = false; }
    bool active() const { return active_; }

    // One look at the keyboard. A key counts as pressed when it is held and
    // was not at the previous look, or when the system saw it pressed since
    // its last read (a tap between two looks). Keys are scanned from code 1
    // up; the first pressed one ends the capture. Every outcome but Arming
    // and Waiting ends it.
    CaptureStep step(std::int64_t nowNs, bool mouseHeld, const Keyboard& keys);

private:
    bool skipped(int virtualKey) const;
    // The first key pressed since the previous look, or 0.
    int firstPressedKey(const Keyboard& keys);

    KeyCapturePolicy policy_;
    bool active_ = false;
    bool armed_ = false;
    std::int64_t startNs_ = 0;
    std::array<bool, 256> heldAtLastLook_{};
    std::array<bool, 256> ignored_{};
};

} // namespace vtx
