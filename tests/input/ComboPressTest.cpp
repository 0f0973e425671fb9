// When the overlay hotkey's combination counts as pressed: once per press,
// every modifier it names held, and after it changes only on a press that
// begins after the change.
#include <gtest/gtest.h>

#include "ScriptedKeyboard.h"
#include "input/ComboPress.h"

namespace {

using vtx::KeyCombo;

// Windows virtual-key codes.
constexpr int kLeftButton = 1, kShift = 16, kCtrl = 17, kAlt = 18, kK = 75, kLeftCtrl = 162;

struct ComboPressTest : ::testing::Test {
    bool pressed(const KeyCombo& combo) { return press.pressed(combo, keyboard); }

    vtxtest::ScriptedKeyboard keys;
    vtx::Keyboard keyboard = keys.keyboard();
    vtx::ComboPress press;
};

TEST_F(ComboPressTest, OncePerPressHoldingDoesNothingMore) {
    const KeyCombo k{kK};
    EXPECT_FALSE(pressed(k));
    keys.down(kK);
    EXPECT_TRUE(pressed(k));
    EXPECT_FALSE(pressed(k));
    EXPECT_FALSE(pressed(k));
    keys.up(kK);
    EXPECT_FALSE(pressed(k));
    keys.down(kK);
    EXPECT_TRUE(pressed(k));
}

// A first look at `combo` with no key held, then a look with `held` down.
bool pressedWhenHeld(const KeyCombo& combo, std::initializer_list<int> held) {
    vtxtest::ScriptedKeyboard keys;
    vtx::ComboPress press;
    press.pressed(combo, keys.keyboard());
    for (const int key : held)
        keys.down(key);
    return press.pressed(combo, keys.keyboard());
}

TEST(ComboHeld, EveryModifierNamedMustBeHeldExtraKeysDoNotMatter) {
    const KeyCombo ctrlAltK{kK, 1, 3};
    EXPECT_FALSE(pressedWhenHeld(ctrlAltK, {kK}));
    EXPECT_FALSE(pressedWhenHeld(ctrlAltK, {kLeftCtrl, kK}));
    EXPECT_FALSE(pressedWhenHeld(ctrlAltK, {kLeftCtrl, kAlt}));
    EXPECT_TRUE(pressedWhenHeld(ctrlAltK, {kLeftCtrl, kAlt, kK}));
    EXPECT_TRUE(pressedWhenHeld(ctrlAltK, {kLeftCtrl, kAlt, kShift, kK})) << "SHIFT is not in the combination";
}

TEST(ComboHeld, OddCodesReadAsTheHotkeyVariablesDefineThem) {
    EXPECT_TRUE(pressedWhenHeld(KeyCombo{kK, 1, 1}, {kCtrl, kK})) << "the same modifier twice is tested once";
    EXPECT_FALSE(pressedWhenHeld(KeyCombo{kK, 1, 1}, {kK}));
    EXPECT_TRUE(pressedWhenHeld(KeyCombo{kK, 7, -2}, {kK})) << "a code outside 0..3 is no modifier";
    EXPECT_TRUE(pressedWhenHeld(KeyCombo{300}, {255})) << "a key code above 255 is 255";
    // 0, the registered default, and below are no key, not the left mouse button.
    EXPECT_FALSE(pressedWhenHeld(KeyCombo{0}, {kLeftButton}));
    EXPECT_FALSE(pressedWhenHeld(KeyCombo{-5}, {kLeftButton}));
}

// The keys that assigned a new combination are still held when the toggle
// next looks: that is no press of it.
TEST_F(ComboPressTest, ANewCombinationCountsOnlyOnAPressAfterItWasSet) {
    EXPECT_FALSE(pressed(KeyCombo{0}));
    keys.down(kLeftCtrl);
    keys.down(kK);
    EXPECT_FALSE(pressed(KeyCombo{kK, 1}));
    EXPECT_FALSE(pressed(KeyCombo{kK, 1}));
    keys.up(kK);
    EXPECT_FALSE(pressed(KeyCombo{kK, 1}));
    keys.down(kK);
    EXPECT_TRUE(pressed(KeyCombo{kK, 1}));

    // A modifier dropped from the held combination is a new one too.
    EXPECT_FALSE(pressed(KeyCombo{kK}));
    keys.up(kK);
    keys.up(kLeftCtrl);
    EXPECT_FALSE(pressed(KeyCombo{kK}));
    keys.down(kK);
    EXPECT_TRUE(pressed(KeyCombo{kK}));
}

// Held when the plugin first looks, it may have been held since the
// combination was set: the first look waits for a release too.
TEST_F(ComboPressTest, TheFirstLookTakesNoHeldCombination) {
    keys.down(kK);
    EXPECT_FALSE(pressed(KeyCombo{kK}));
    keys.up(kK);
    EXPECT_FALSE(pressed(KeyCombo{kK}));
    keys.down(kK);
    EXPECT_TRUE(pressed(KeyCombo{kK}));
}

} // namespace
