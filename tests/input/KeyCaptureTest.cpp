// The key capture engine under both of its policies, played against a
// scripted keyboard and a clock in milliseconds: the console's capture
// (vtx_hotkey_capture) and the menu's "Assign Key" wait.
#include <gtest/gtest.h>

#include "ScriptedKeyboard.h"
#include "input/KeyCapture.h"

namespace {

using vtx::CaptureState;
using vtx::KeyCombo;

// Windows virtual-key codes.
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4, kX2Button = 6;
constexpr int kShift = 16, kCtrl = 17, kEsc = 27, kF = 70, kK = 75, kQ = 81, kF9 = 120;
constexpr int kLeftShift = 160, kRightShift = 161, kLeftCtrl = 162, kRightCtrl = 163, kLeftAlt = 164, kRightAlt = 165;

struct Capture : ::testing::Test {
    explicit Capture(const vtx::KeyCapturePolicy& policy) : capture(policy) {}

    void start(std::int64_t ms) { capture.start(ms * 1'000'000, keyboard); }
    CaptureState step(std::int64_t ms, bool mouseHeld = false) { return stepNs(ms * 1'000'000, mouseHeld); }
    CaptureState stepNs(std::int64_t ns, bool mouseHeld = false) {
        const vtx::CaptureStep result = capture.step(ns, mouseHeld, keyboard);
        combo = result.combo;
        return result.state;
    }

    vtxtest::ScriptedKeyboard keys;
    vtx::Keyboard keyboard = keys.keyboard();
    vtx::KeyCapture capture;
    KeyCombo combo;
};

struct ConsoleCapture : Capture {
    ConsoleCapture() : Capture(vtx::kConsoleHotkeyCapture) {}
};

struct MenuAssign : Capture {
    MenuAssign() : Capture(vtx::kMenuHotkeyAssign) {}
};

TEST_F(ConsoleCapture, AKeyHeldAtTheStartIsTakenAtTheFirstLookWithItsModifiers) {
    keys.down(kLeftCtrl);
    keys.down(kK);
    start(0);
    EXPECT_TRUE(capture.active());
    EXPECT_EQ(step(16), CaptureState::Captured);
    EXPECT_EQ(combo, (KeyCombo{kK, 1, 0}));
    EXPECT_FALSE(capture.active());
    EXPECT_EQ(step(32), CaptureState::Idle);

    // Started again with K still held: the table of keys seen starts empty.
    start(100);
    EXPECT_EQ(step(116), CaptureState::Captured);
    EXPECT_EQ(combo.key, kK);
}

TEST_F(ConsoleCapture, ModifiersAloneCaptureNothingMouseButtonsAreKeys) {
    start(0);
    keys.down(kLeftShift);
    keys.down(kRightAlt);
    EXPECT_EQ(step(16), CaptureState::Waiting);
    EXPECT_EQ(step(32), CaptureState::Waiting);
    keys.down(kF);
    EXPECT_EQ(step(48), CaptureState::Captured);
    EXPECT_EQ(combo, (KeyCombo{kF, 2, 3}));

    for (const int button : {kLeftButton, kRightButton, kMiddleButton, kX2Button}) {
        keys = {};
        start(1000);
        keys.down(button);
        EXPECT_EQ(step(1016), CaptureState::Captured) << "virtual key " << button;
        EXPECT_EQ(combo, (KeyCombo{button, 0, 0}));
    }
}

TEST_F(ConsoleCapture, SixSecondsInWholeMillisecondsThenItTimesOutEscapeFirst) {
    start(0);
    EXPECT_EQ(stepNs(6'000'999'999), CaptureState::Waiting);
    EXPECT_EQ(step(6001), CaptureState::TimedOut);
    keys.down(kEsc); // a second later: nothing is waiting any more
    EXPECT_EQ(step(7000), CaptureState::Idle);
    keys = {};

    // Starting again restarts the clock.
    start(10'000);
    start(15'000);
    EXPECT_EQ(step(21'000), CaptureState::Waiting);
    // Escape and a key together, on the frame the time runs out: Escape wins.
    keys.down(kEsc);
    keys.down(kK);
    EXPECT_EQ(step(21'001), CaptureState::Cancelled);
    EXPECT_FALSE(capture.active());
}

TEST_F(ConsoleCapture, ATapBetweenTwoLooksIsTakenAPressFromBeforeTheStartIsNot) {
    keys.tap(kQ); // long before: the system still remembers the press
    start(0);
    EXPECT_EQ(step(16), CaptureState::Waiting);
    keys.tap(kK);
    EXPECT_EQ(step(32), CaptureState::Captured);
    EXPECT_EQ(combo.key, kK);

    start(100);
    keys.tap(kEsc);
    EXPECT_EQ(step(116), CaptureState::Cancelled);
}

TEST_F(MenuAssign, ArmsAfter250msOnceTheMouseButtonIsUpWithoutReadingBefore) {
    start(1000);
    keys.down(kK);
    EXPECT_EQ(step(1249), CaptureState::Arming);
    EXPECT_EQ(step(1300, true), CaptureState::Arming); // the click's button still held
    EXPECT_EQ(step(5000, true), CaptureState::Arming);
    keys.down(kLeftCtrl);
    keys.down(kRightShift);
    EXPECT_EQ(step(5016), CaptureState::Captured);
    EXPECT_EQ(combo, (KeyCombo{kK, 1, 2}));

    // Armed once, the mouse button no longer holds it back, and no time runs out.
    keys = {};
    start(0);
    EXPECT_EQ(step(250), CaptureState::Waiting);
    EXPECT_EQ(step(3'600'000, true), CaptureState::Waiting);
    keys.tap(kQ);
    EXPECT_EQ(step(3'600'016, true), CaptureState::Captured);
    EXPECT_EQ(combo.key, kQ);
}

TEST_F(MenuAssign, KeysHeldAtTheStartModifiersAndMouseButtonsAreNeverTheKey) {
    keys.down(kQ);
    start(0);
    keys.up(kQ);
    keys.down(kQ); // pressed again: still the key that was held
    keys.down(kShift);
    keys.down(kCtrl);
    for (int button = 1; button <= 6; ++button)
        keys.down(button);
    EXPECT_EQ(step(300), CaptureState::Waiting);
    EXPECT_EQ(step(316), CaptureState::Waiting);
    keys.down(kK);
    EXPECT_EQ(step(332), CaptureState::Captured);
    EXPECT_EQ(combo, (KeyCombo{kK, 1, 2}));
}

TEST_F(MenuAssign, F9AndEscapeEndTheWaitWithoutAKey) {
    start(0);
    keys.down(kF9);
    EXPECT_EQ(step(400), CaptureState::Ended);
    EXPECT_FALSE(capture.active());

    keys = {};
    start(1000);
    keys.down(kEsc);
    keys.down(kK);
    EXPECT_EQ(step(1400), CaptureState::Cancelled);
    EXPECT_FALSE(capture.active());

    // F9 held when the wait began is any key held then: it ends nothing.
    keys = {};
    keys.down(kF9);
    start(2000);
    EXPECT_EQ(step(2400), CaptureState::Waiting);
}

// Every reader of the process shares the pressed bit: a press another
// reader took first is still seen, as a key held now that was not before.
TEST_F(MenuAssign, APressWhosePressedBitAnotherReaderTookIsStillSeen) {
    start(0);
    EXPECT_EQ(step(300), CaptureState::Waiting);
    keys.down(kK);
    keys.query(kK);
    EXPECT_EQ(step(316), CaptureState::Captured);
    EXPECT_EQ(combo.key, kK);
}

// Which modifiers a combination keeps, the same under both policies.
struct HeldModifiers : ::testing::TestWithParam<const vtx::KeyCapturePolicy*> {};

TEST_P(HeldModifiers, CtrlThenShiftThenAltWhilePlacesAreFree) {
    const struct {
        std::initializer_list<int> held;
        KeyCombo expected;
    } cases[] = {
        {{kLeftShift}, {kK, 2, 0}},
        {{kRightCtrl, kLeftAlt}, {kK, 1, 3}},
        {{kRightShift, kRightAlt}, {kK, 2, 3}},
        {{kCtrl, kShift, kLeftAlt}, {kK, 1, 2}}, // all three: ALT is dropped
    };
    for (const auto& c : cases) {
        vtxtest::ScriptedKeyboard keys;
        vtx::KeyCapture capture(*GetParam());
        capture.start(0, keys.keyboard());
        for (const int key : c.held)
            keys.down(key);
        keys.down(kK);
        const vtx::CaptureStep step = capture.step(1'000'000'000, false, keys.keyboard());
        EXPECT_EQ(step.state, CaptureState::Captured);
        EXPECT_EQ(step.combo, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPolicies, HeldModifiers,
                         ::testing::Values(&vtx::kConsoleHotkeyCapture, &vtx::kMenuHotkeyAssign));

} // namespace
