#include <gtest/gtest.h>

#include "HostTestSupport.h"

using vtxhost::devices;

namespace {

TEST(Keys, HeldAndPressedBitsAsGetAsyncKeyStateGivesThem) {
    hosttest::releaseKey('A');
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
    devices().setKey('A', true);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8001);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8000);
    devices().setKey('A', true); // repeat: not a new press
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8000);
    devices().setKey('A', false);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
    devices().setKey('A', true);
    devices().setKey('A', false);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x0001);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
}

TEST(Keys, SideNeutralModifiersFollowEitherSide) {
    for (int key : {16, 160, 161, 17, 162, 163})
        hosttest::releaseKey(key);
    devices().setKey(161, true);
    EXPECT_TRUE(devices().keyHeld(16));
    EXPECT_EQ(devices().queryAsyncKeyState(16), 0x8001);
    devices().setKey(160, true); // shift was already down
    EXPECT_EQ(devices().queryAsyncKeyState(16), 0x8000);
    devices().setKey(161, false);
    EXPECT_TRUE(devices().keyHeld(16));
    devices().setKey(160, false);
    EXPECT_FALSE(devices().keyHeld(16));
    devices().setKey(163, true);
    EXPECT_TRUE(devices().keyHeld(17));
    EXPECT_FALSE(devices().keyHeld(16));
    hosttest::releaseKey(163);
}

TEST(Keys, HostPressesAndQueriesDoNotConsumeEachOther) {
    hosttest::releaseKey('B');
    devices().setKey('B', true);
    EXPECT_EQ(devices().queryAsyncKeyState('B') & 1, 1);
    EXPECT_TRUE(devices().takeKeyPressForHost('B'));
    EXPECT_FALSE(devices().takeKeyPressForHost('B'));
    devices().setKey(300, true); // outside the key table: ignored
    EXPECT_EQ(devices().queryAsyncKeyState(-1), 0);
    EXPECT_FALSE(devices().keyHeld(300));
    hosttest::releaseKey('B');
}

TEST(RawInput, MessagesQueueOnlyWhileASinkExists) {
    devices().setSinkExists(false);
    devices().postHid({1, 2, 1, {0xAA, 0xBB}});
    EXPECT_TRUE(devices().takeHidMessages().empty());

    const int created = devices().sinksCreated();
    devices().setSinkExists(true);
    EXPECT_EQ(devices().sinksCreated(), created + 1);
    devices().postHid({1, 1, 1, {0x01}});
    devices().postHid({2, 1, 1, {0x02}});
    auto messages = devices().takeHidMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].device, 2u);
    EXPECT_TRUE(devices().takeHidMessages().empty());
    devices().setSinkExists(false);
}

} // namespace
