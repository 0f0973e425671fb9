// The numbers of the overlay: hide lengths, fade steps, canvas positions,
// opacities, dead zones, hotkey modifiers. Expected values are worked out
// by hand from the documented rules.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "core/CvarHandles.h"
#include "core/MatchPhase.h"
#include "overlay/Hotkey.h"
#include "overlay/LayerDrawing.h"
#include "overlay/Visibility.h"

using namespace vtx;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(MatchPhaseLengths, EventsUseTheHideLengthOrTheFailsafe) {
    EXPECT_EQ(hideLengthMs(12000, 2500), 12000);
    EXPECT_EQ(hideLengthMs(0, 2500), 2500);
    EXPECT_EQ(hideLengthMs(-40, 2500), 2500);
    EXPECT_EQ(hideLengthMs(1, 2500), 1);
    EXPECT_EQ(deadlineFrom(5'000'000'000, 12000), 17'000'000'000);
    EXPECT_EQ(deadlineFrom(5'000'000'000, 1), 5'001'000'000);
    EXPECT_EQ(deadlineFrom(5'000'000'000, 0), 0); // no deadline
    EXPECT_EQ(deadlineFrom(5'000'000'000, -7), 0);
    // The longest setting an int holds, without overflow.
    EXPECT_EQ(deadlineFrom(5'000'000'000, INT_MAX), 5'000'000'000 + 2'147'483'647'000'000);
}

TEST(MatchPhaseLengths, TheGamesReplayUsesSecondsClampedToThirty) {
    EXPECT_EQ(replayPollLengthMs(12.0f, 2500), 12000);
    EXPECT_EQ(replayPollLengthMs(45.0f, 2500), 30000);
    EXPECT_EQ(replayPollLengthMs(1.25f, 2500), 1250);
    EXPECT_EQ(replayPollLengthMs(0.0f, 2500), 2500);
    EXPECT_EQ(replayPollLengthMs(-5.0f, 2500), 2500);
    EXPECT_EQ(replayPollLengthMs(0.00025f, 2500), 2500); // rounds to 0 ms
    EXPECT_EQ(replayPollLengthMs(0.0006f, 2500), 1);     // rounds up to 1 ms
    EXPECT_EQ(replayPollLengthMs(kNaN, 2500), 2500);
    EXPECT_EQ(replayPollLengthMs(kInf, 2500), 30000);
    EXPECT_EQ(replayPollLengthMs(0.0f, 0), 0);
}

TEST(Fade, RateFollowsTheClampedFadeTime) {
    EXPECT_NEAR(fadeRate(180.0f), 1.0f / 0.18f, 1e-4f);
    EXPECT_NEAR(fadeRate(10.0f), 20.0f, 1e-4f);  // 50 ms at least
    EXPECT_NEAR(fadeRate(5000.0f), 1.0f, 1e-6f); // 1000 ms at most
    EXPECT_NEAR(fadeRate(kNaN), 20.0f, 1e-4f);
    EXPECT_FLOAT_EQ(stepFade(1.0f, 0.0f, 0.3f), 0.7f);
    EXPECT_FLOAT_EQ(stepFade(0.2f, 0.0f, 0.3f), 0.0f);
    EXPECT_FLOAT_EQ(stepFade(0.9f, 1.0f, 0.3f), 1.0f);
    EXPECT_FLOAT_EQ(stepFade(0.4f, 1.0f, 0.3f), 0.7f);
    EXPECT_FLOAT_EQ(stepFade(0.0f, 0.0f, 0.3f), 0.0f);
}

TEST(Fade, WorkshopMapsByNameInAnyCase) {
    EXPECT_TRUE(isWorkshopMapName("Labs_WORKSHOP_Pillars"));
    EXPECT_TRUE(isWorkshopMapName("workshop"));
    EXPECT_TRUE(isWorkshopMapName("my_WorkShop"));
    EXPECT_FALSE(isWorkshopMapName("Work_shop"));
    EXPECT_FALSE(isWorkshopMapName("workshp"));
    EXPECT_FALSE(isWorkshopMapName(""));
    EXPECT_FALSE(isWorkshopMap(nullptr));
}

TEST(CanvasPositions, TruncateTowardZeroWithinTheIntRange) {
    EXPECT_EQ(canvasCoordinate(3.9f), 3);
    EXPECT_EQ(canvasCoordinate(-3.9f), -3);
    EXPECT_EQ(canvasCoordinate(-180.0f), -180);
    EXPECT_EQ(canvasCoordinate(2147483520.0f), 2147483520); // the largest float below 2^31
    EXPECT_EQ(canvasCoordinate(2147483648.0f), INT_MAX);
    EXPECT_EQ(canvasCoordinate(-2147483648.0f), INT_MIN);
    EXPECT_EQ(canvasCoordinate(1e30f), INT_MAX);
    EXPECT_EQ(canvasCoordinate(-1e30f), INT_MIN);
    EXPECT_EQ(canvasCoordinate(kInf), INT_MAX);
    EXPECT_EQ(canvasCoordinate(-kInf), INT_MIN);
    EXPECT_FALSE(canvasCoordinate(kNaN).has_value());
}

TEST(Opacity, AlphaBytesAndTriggerRules) {
    EXPECT_EQ(alphaByte(1.0f), 255);
    EXPECT_EQ(alphaByte(0.5f), 128); // 127.5 rounds away from zero
    EXPECT_EQ(alphaByte(0.01f), 3);  // 2.55
    EXPECT_EQ(alphaByte(0.0f), 0);
    EXPECT_EQ(alphaByte(1.7f), 255);
    EXPECT_EQ(alphaByte(-0.3f), 0);
    EXPECT_EQ(alphaByte(kNaN), 0);

    // value, threshold, off, on, fade
    EXPECT_FLOAT_EQ(triggerOpacity(1.0f, 0.1f, 0.0f, 1.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(triggerOpacity(0.1f, 0.1f, 0.0f, 1.0f, 1.0f), 0.0f); // at the threshold: released
    EXPECT_FLOAT_EQ(triggerOpacity(0.1f, 0.1f, 0.3f, 1.0f, 1.0f), 0.3f);
    EXPECT_FLOAT_EQ(triggerOpacity(0.4f, 0.1f, 0.0f, 1.0f, 1.0f), 0.4f); // raw pressure, not rescaled
    EXPECT_FLOAT_EQ(triggerOpacity(0.5f, 0.1f, 0.2f, 0.6f, 1.0f), 0.4f);
    EXPECT_FLOAT_EQ(triggerOpacity(1.0f, 0.1f, 0.0f, 1.0f, 0.5f), 0.5f); // and the fade
    EXPECT_FLOAT_EQ(triggerOpacity(2.0f, 0.1f, 0.0f, 0.8f, 1.0f), 0.8f); // value limited to 1
    EXPECT_FLOAT_EQ(triggerOpacity(kNaN, 0.1f, 0.25f, 1.0f, 1.0f), 0.25f);
}

TEST(Sticks, DeadZoneIsCutAwayAndTheRestStretched) {
    EXPECT_NEAR(stickDeflection(0.56f, 0.12f), 0.5f, 1e-6f); // 0.44 / 0.88
    EXPECT_NEAR(stickDeflection(-0.56f, 0.12f), -0.5f, 1e-6f);
    EXPECT_FLOAT_EQ(stickDeflection(0.12f, 0.12f), 0.0f);
    EXPECT_FLOAT_EQ(stickDeflection(0.11f, 0.12f), 0.0f);
    EXPECT_FLOAT_EQ(stickDeflection(1.0f, 0.12f), 1.0f);
    EXPECT_FLOAT_EQ(stickDeflection(-1.0f, 0.0f), -1.0f);
    EXPECT_NEAR(stickDeflection(0.96f, 1.0f), 0.2f, 1e-5f); // the dead zone stops at 0.95
    EXPECT_FLOAT_EQ(stickDeflection(0.5f, -1.0f), 0.5f);    // and starts at 0
    EXPECT_FLOAT_EQ(stickDeflection(kNaN, 0.12f), 0.0f);
    EXPECT_FLOAT_EQ(stickDeflection(0.5f, kNaN), 0.5f);
}

TEST(Hotkey, ModifierCodesAndKeys) {
    EXPECT_EQ(modifierKey(1), 17);
    EXPECT_EQ(modifierKey(2), 16);
    EXPECT_EQ(modifierKey(3), 18);
    EXPECT_EQ(modifierKey(0), 0);
    EXPECT_EQ(modifierKey(4), 0);
    EXPECT_EQ(modifierKey(-1), 0);
    for (int key : {16, 17, 18, 160, 161, 162, 163, 164, 165}) {
        EXPECT_TRUE(isModifierKey(key)) << key;
    }
    for (int key : {1, 15, 19, 20, 91, 159, 166, 255}) {
        EXPECT_FALSE(isModifierKey(key)) << key;
    }

    const auto mods = [](bool ctrl, bool shift, bool alt) {
        const Modifiers m = modifiersFor(ctrl, shift, alt);
        return std::pair{m.mod1, m.mod2};
    };
    EXPECT_EQ(mods(false, false, false), std::pair(0, 0));
    EXPECT_EQ(mods(true, false, false), std::pair(1, 0));
    EXPECT_EQ(mods(false, true, false), std::pair(2, 0));
    EXPECT_EQ(mods(false, false, true), std::pair(3, 0));
    EXPECT_EQ(mods(true, true, false), std::pair(1, 2));
    EXPECT_EQ(mods(true, false, true), std::pair(1, 3));
    EXPECT_EQ(mods(false, true, true), std::pair(2, 3));
    EXPECT_EQ(mods(true, true, true), std::pair(1, 2)); // ALT dropped
}

TEST(Settings, MissingVariablesReadTheirCatalogueDefaults) {
    CvarHandles cvars;
    resolveCvarHandles(nullptr, cvars);
    EXPECT_EQ(cvars.enabled.asInt(), 1);
    EXPECT_EQ(cvars.pad.asInt(), -1);
    EXPECT_EQ(cvars.replayHideMs.asInt(), 12000);
    EXPECT_FLOAT_EQ(cvars.replayHideS.asFloat(), 12.0f);
    EXPECT_FLOAT_EQ(cvars.fadeMs.asFloat(), 180.0f);
    EXPECT_FLOAT_EQ(cvars.deadzone.asFloat(), 0.12f);
    EXPECT_FLOAT_EQ(cvars.stickSmooth.asFloat(), 0.90f);
    EXPECT_FLOAT_EQ(cvars.x.asFloat(), 20.0f);
    EXPECT_FLOAT_EQ(cvars.y.asFloat(), 980.0f);
    EXPECT_FLOAT_EQ(cvars.scale.asFloat(), 1.0f);
    EXPECT_EQ(cvars.hotkeyVk.asInt(), 0);
    EXPECT_FLOAT_EQ(cvars.offsets[13][1].asFloat(), 0.0f);
    cvars.enabled.set(0); // nothing to write to: no effect, no crash
    EXPECT_EQ(cvars.enabled.asInt(), 1);
}

} // namespace
