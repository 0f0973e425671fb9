// The overlay hotkey's assignment: key names, modifiers, and the wait
// played against a scripted keyboard with GetAsyncKeyState's two bits.
#include <array>

#include <gtest/gtest.h>

#include "menu/KeyAssign.h"

namespace {

// Windows virtual-key codes.
constexpr int kShift = 16, kCtrl = 17, kAlt = 18, kLeftShift = 160, kLeftCtrl = 162, kRightAlt = 165;
constexpr int kEsc = 27, kF9 = 120, kK = 75, kQ = 81;

struct Keyboard {
    std::array<bool, 256> held{};
    std::array<bool, 256> pressed{};
    void down(int vk) {
        held[vk] = true;
        pressed[vk] = true;
    }
    void up(int vk) { held[vk] = false; }
};
Keyboard keyboard;

std::uint16_t readKeyboard(int vk) {
    if (vk < 0 || vk > 255)
        return 0;
    const std::uint16_t state = (keyboard.held[vk] ? 0x8000 : 0) | (keyboard.pressed[vk] ? 0x0001 : 0);
    keyboard.pressed[vk] = false;
    return state;
}

TEST(KeyNames, ChipsNameTheKeysTheTableNames) {
    EXPECT_EQ(vtx::keyName(0), "Unassigned");
    EXPECT_EQ(vtx::keyName(8), "Backspace");
    EXPECT_EQ(vtx::keyName(9), "Tab");
    EXPECT_EQ(vtx::keyName(13), "Enter");
    EXPECT_EQ(vtx::keyName(27), "Esc");
    EXPECT_EQ(vtx::keyName(32), "Space");
    EXPECT_EQ(vtx::keyName(112), "F1");
    EXPECT_EQ(vtx::keyName(123), "F12");
    EXPECT_EQ(vtx::keyName(65), "A");
    EXPECT_EQ(vtx::keyName(90), "Z");
    EXPECT_EQ(vtx::keyName(48), "0");
    EXPECT_EQ(vtx::keyName(57), "9");
    EXPECT_EQ(vtx::keyName(124), "Key"); // F13
    EXPECT_EQ(vtx::keyName(97), "Key");  // numpad 1, not the letter 'a'
    EXPECT_EQ(vtx::keyName(64), "Key");
    EXPECT_EQ(std::string(vtx::modifierName(1)) + vtx::modifierName(2) + vtx::modifierName(3), "CtrlShiftAlt");
}

struct KeyWaitTest : ::testing::Test {
    void SetUp() override { keyboard = Keyboard{}; }
    vtx::KeyWait step(std::uint64_t now, bool mouse = false) {
        return vtx::stepKeyAssign(wait, now, mouse, &readKeyboard, binding);
    }
    vtx::KeyAssignState wait;
    vtx::HotkeyBinding binding{-1, -1, -1};
};

TEST_F(KeyWaitTest, ArmsAfter250msOnceTheMouseIsUpAndTakesTheNextKeyWithItsModifiers) {
    vtx::beginKeyAssign(wait, 1000, &readKeyboard);
    EXPECT_TRUE(wait.active);
    keyboard.down(kK);
    EXPECT_EQ(step(1249), vtx::KeyWait::Arming);       // too early: the key is left unread
    EXPECT_EQ(step(1300, true), vtx::KeyWait::Arming); // the click's button still held
    keyboard.down(kLeftCtrl);
    keyboard.down(kCtrl);
    keyboard.down(kLeftShift);
    EXPECT_EQ(step(1300), vtx::KeyWait::Assigned);
    EXPECT_FALSE(wait.active);
    EXPECT_EQ(binding.vk, kK);
    EXPECT_EQ(binding.mod1, 1);
    EXPECT_EQ(binding.mod2, 2);
}

TEST_F(KeyWaitTest, KeysHeldWhenTheWaitBeganAndModifiersAloneAreNeverTheKey) {
    keyboard.down(kQ);
    vtx::beginKeyAssign(wait, 0, &readKeyboard);
    keyboard.down(kQ); // pressed again while the wait runs: still skipped
    keyboard.down(kShift);
    keyboard.down(kRightAlt);
    keyboard.down(kAlt);
    EXPECT_EQ(step(300), vtx::KeyWait::Waiting);
    EXPECT_TRUE(wait.active);
    keyboard.down(kK);
    EXPECT_EQ(step(316), vtx::KeyWait::Assigned);
    EXPECT_EQ(binding.vk, kK);
    EXPECT_EQ(binding.mod1, 2); // Shift
    EXPECT_EQ(binding.mod2, 3); // Alt
}

TEST_F(KeyWaitTest, F9AndEscapeEndTheWaitWithoutAssigning) {
    vtx::beginKeyAssign(wait, 0, &readKeyboard);
    keyboard.down(kF9);
    EXPECT_EQ(step(400), vtx::KeyWait::Ignored);
    EXPECT_FALSE(wait.active);
    EXPECT_EQ(binding.vk, -1);

    keyboard = Keyboard{};
    vtx::beginKeyAssign(wait, 1000, &readKeyboard);
    keyboard.down(kEsc);
    keyboard.down(kK);
    EXPECT_EQ(step(1400), vtx::KeyWait::Cancelled);
    EXPECT_FALSE(wait.active);
    EXPECT_EQ(binding.vk, -1);
}

} // namespace
