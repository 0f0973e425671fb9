// The gold egg: three fast reversals over the top bar show it, 30 clicks
// crack it, 60 hatch it with a message chosen once.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "menu/GoldEgg.h"

namespace {

struct Shake : ::testing::Test {
    // One sample every 1/60 s; `dx` pixels per sample (60 px per sample = 3600 px/s).
    bool sample(float dx, bool inside = true, bool held = true) {
        x += dx;
        t += 1.0f / 60.0f;
        return vtx::trackShake(shake, egg, inside, held, x, t, 0, 0);
    }
    // Fast strokes alternating in direction; true when the egg appeared.
    bool strokes(int count, float speed) {
        bool appeared = false;
        for (int i = 0; i < count; ++i)
            appeared |= sample(i % 2 == 0 ? speed : -speed);
        return appeared;
    }
    vtx::ShakeState shake;
    vtx::GoldEgg egg;
    float x = 500, t = 10;
};

TEST_F(Shake, ThreeFastReversalsShowTheEggSlowOnesNever) {
    sample(0);                       // first sample only starts tracking
    EXPECT_FALSE(strokes(40, 9.0f)); // 540 px/s: never fast enough
    EXPECT_EQ(egg.stage, vtx::kEggHidden);
    EXPECT_FALSE(strokes(3, 15.0f)); // right, left, right: two reversals
    EXPECT_EQ(egg.stage, vtx::kEggHidden);
    EXPECT_TRUE(sample(-15.0f)); // third reversal
    EXPECT_EQ(egg.stage, vtx::kEggWhole);
    EXPECT_EQ(egg.clicks, 0);
}

TEST_F(Shake, ReleasingOrLeavingTheBarStartsTheCountAgain) {
    sample(0);
    strokes(3, 15.0f);
    sample(0, true, false); // button released
    sample(0);
    EXPECT_FALSE(strokes(3, 15.0f));
    sample(0, false, true); // mouse left the bar
    sample(0);
    EXPECT_FALSE(strokes(3, 15.0f));
    EXPECT_EQ(egg.stage, vtx::kEggHidden);
    // Pauses without movement keep the direction: still a reversal afterwards.
    sample(0, true, false);
    sample(0);
    sample(15.0f);
    sample(0);
    sample(-15.0f);
    sample(0);
    sample(15.0f);
    EXPECT_TRUE(sample(-15.0f));
}

TEST(GoldEggClicks, ThirtiethCracksSixtiethHatchesOnceAndStopsTheShake) {
    vtx::ShakeState shake;
    vtx::GoldEgg egg;
    vtx::clickEgg(egg, shake); // hidden: nothing
    EXPECT_EQ(egg.clicks, 0);
    egg.stage = vtx::kEggWhole;
    egg.seed = 0;
    for (int i = 0; i < 29; ++i)
        vtx::clickEgg(egg, shake);
    EXPECT_EQ(egg.stage, vtx::kEggWhole);
    vtx::clickEgg(egg, shake);
    EXPECT_EQ(egg.stage, vtx::kEggCracked);
    for (int i = 0; i < 29; ++i)
        vtx::clickEgg(egg, shake);
    EXPECT_EQ(egg.stage, vtx::kEggCracked);
    vtx::clickEgg(egg, shake);
    EXPECT_EQ(egg.stage, vtx::kEggHatched);
    EXPECT_TRUE(egg.revealed);
    EXPECT_FALSE(shake.enabled);
    // Seed 0 advances to 0x47502932 = 1196435762, which leaves 2 mod 3.
    EXPECT_EQ(egg.seed, 0x47502932u);
    EXPECT_STREQ(vtx::eggMessageText(egg.message), "GG");
    vtx::clickEgg(egg, shake);
    EXPECT_EQ(egg.clicks, 60);
    EXPECT_EQ(egg.seed, 0x47502932u);
    // After hatching the shake does nothing.
    EXPECT_FALSE(vtx::trackShake(shake, egg, true, true, 0, 1, 0, 0));

    // Seed 1 advances to 1586005467, a multiple of 3.
    vtx::GoldEgg other;
    other.stage = vtx::kEggCracked;
    other.clicks = 59;
    other.seed = 1;
    vtx::clickEgg(other, shake);
    EXPECT_STREQ(vtx::eggMessageText(other.message), "What A Save");
}

} // namespace
