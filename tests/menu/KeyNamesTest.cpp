// The names the keybind section's chips show.
#include <gtest/gtest.h>

#include "menu/KeyNames.h"

namespace {

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

} // namespace
