// The timed button as the input sees it: which layer names are buttons, when
// a trigger counts as pressed, and the changes kept for the frame.
#include <gtest/gtest.h>

#include <array>

#include "input/ButtonWatch.h"

namespace {

using vtx::ButtonChange;
using vtx::PadButton;
using vtx::PadState;

PadState holding(bool a) {
    PadState pad;
    pad.a = a;
    return pad;
}

TEST(ButtonWatch, LayerNamesAreTheButtonsAndNothingElse) {
    EXPECT_EQ(vtx::padButtonForLayer("A"), PadButton::a);
    EXPECT_EQ(vtx::padButtonForLayer("DL"), PadButton::dpadLeft);
    EXPECT_EQ(vtx::padButtonForLayer("RT"), PadButton::rt);
    EXPECT_EQ(vtx::padButtonForLayer("R3"), PadButton::r3);
    EXPECT_FALSE(vtx::padButtonForLayer("a")); // names are matched exactly
    EXPECT_FALSE(vtx::padButtonForLayer("LS"));
    EXPECT_FALSE(vtx::padButtonForLayer(""));

    PadState pad;
    pad.rt = 0.10f;
    EXPECT_FALSE(vtx::buttonHeld(pad, PadButton::rt, 0.10f)); // at the threshold: released, as drawn
    pad.rt = 0.11f;
    EXPECT_TRUE(vtx::buttonHeld(pad, PadButton::rt, 0.10f));
    EXPECT_FALSE(vtx::buttonHeld(pad, PadButton::lt, 0.10f));
}

TEST(ButtonWatch, KeepsOnlyChangesEachAtItsMomentAndTheFirstLookOnlyLearns) {
    vtx::ButtonWatch watch;
    watch.follow(PadButton::a, 0.1f);
    watch.see(holding(true), 100); // already held: no press anybody saw
    watch.see(holding(true), 110);
    watch.see(holding(false), 120);
    watch.see(holding(false), 130);
    watch.see(holding(true), 140);
    std::array<ButtonChange, 8> out;
    ASSERT_EQ(watch.take(out), 2u);
    EXPECT_FALSE(out[0].held);
    EXPECT_EQ(out[0].atNs, 120);
    EXPECT_TRUE(out[1].held);
    EXPECT_EQ(out[1].atNs, 140);
    EXPECT_EQ(watch.take(out), 0u); // taken once

    // Another button starts over; without one nothing is kept.
    watch.follow(PadButton::b, 0.1f);
    watch.see(PadState{}, 150);
    EXPECT_EQ(watch.take(out), 0u);
    watch.follow(std::nullopt, 0.1f);
    watch.see(holding(true), 160);
    EXPECT_EQ(watch.take(out), 0u);
}

TEST(ButtonWatch, WhenFullTheOldestChangesGiveWay) {
    vtx::ButtonWatch watch;
    watch.follow(PadButton::a, 0.1f);
    watch.see(holding(false), 0);
    const int changes = static_cast<int>(vtx::ButtonWatch::kRoom) + 3;
    for (int i = 1; i <= changes; ++i)
        watch.see(holding(i % 2 == 1), i);
    std::array<ButtonChange, vtx::ButtonWatch::kRoom + 8> out;
    ASSERT_EQ(watch.take(out), vtx::ButtonWatch::kRoom);
    EXPECT_EQ(out[0].atNs, 4); // 1, 2 and 3 gave way
    EXPECT_EQ(out[vtx::ButtonWatch::kRoom - 1].atNs, changes);
}

} // namespace
