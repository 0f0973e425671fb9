#include "input/KeyCapture.h"

namespace vtx {

namespace {
constexpr std::int64_t kNsPerMs = 1'000'000;
} // namespace

// Left, right, Cancel, middle, X1, X2.
bool isMouseButtonKey(int virtualKey) { return virtualKey >= 1 && virtualKey <= 6; }

void KeyCapture::start(std::int64_t nowNs, const Keyboard& keys) {
    active_ = true;
    armed_ = false;
    startNs_ = nowNs;
    heldAtLastLook_.fill(false);
    for (int key = 0; key < 256; ++key) {
        const bool held = keys.query(key).held;
        ignored_[static_cast<std::size_t>(key)] = held && policy_.heldAtStart == HeldAtStart::Ignored;
    }
}

bool KeyCapture::skipped(int virtualKey) const {
    return isModifierKey(virtualKey) || virtualKey == policy_.cancelKey ||
           (policy_.excluded != nullptr && policy_.excluded(virtualKey)) ||
           ignored_[static_cast<std::size_t>(virtualKey)];
}

int KeyCapture::firstPressedKey(const Keyboard& keys) {
    for (int key = 1; key < 256; ++key) {
        if (skipped(key)) {
            continue;
        }
        const KeyState state = keys.query(key);
        bool& heldBefore = heldAtLastLook_[static_cast<std::size_t>(key)];
        const bool pressed = (state.held && !heldBefore) || state.pressedSinceQuery;
        heldBefore = state.held;
        if (pressed) {
            return key;
        }
    }
    return 0;
}

CaptureStep KeyCapture::step(std::int64_t nowNs, bool mouseHeld, const Keyboard& keys) {
    if (!active_) {
        return {};
    }
    // Truncated to whole milliseconds, so a time-out of 6000 still waits at 6000.9.
    const std::int64_t elapsedMs = (nowNs - startNs_) / kNsPerMs;
    if (!armed_) {
        if (elapsedMs < policy_.armingMs || (policy_.mouseUpFirst && mouseHeld)) {
            return {CaptureState::Arming, {}};
        }
        armed_ = true;
    }
    const auto end = [this](CaptureState state, KeyCombo combo = {}) {
        active_ = false;
        return CaptureStep{state, combo};
    };
    // Before the time-out: an Escape seen at the last moment still cancels.
    const KeyState cancel = keys.query(policy_.cancelKey);
    if (cancel.held || cancel.pressedSinceQuery) {
        return end(CaptureState::Cancelled);
    }
    if (policy_.timeoutMs > 0 && elapsedMs > policy_.timeoutMs) {
        return end(CaptureState::TimedOut);
    }
    const int key = firstPressedKey(keys);
    if (key == 0) {
        return {CaptureState::Waiting, {}};
    }
    if (key == policy_.endKey) {
        return end(CaptureState::Ended);
    }
    return end(CaptureState::Captured, withHeldModifiers(key, keys));
}

} // namespace vtx
