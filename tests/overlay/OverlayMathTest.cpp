// The overlay's numbers that scenarios cannot reach: the hide length the
// game's replay report arms, canvas values at the ends of their ranges, and
// the defaults of variables the host lacks. Expected values are worked out
// by hand from the documented rules.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "core/SettingsSnapshot.h"
#include "overlay/LayerDrawing.h"
#include "overlay/MatchPhase.h"

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

TEST(CanvasValues, PositionsTruncateWithinTheIntRangeAndAlphasRound) {
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

    EXPECT_EQ(alphaByte(0.5f), 128); // 127.5 rounds away from zero
    EXPECT_EQ(alphaByte(0.01f), 3);  // 2.55
    EXPECT_EQ(alphaByte(1.7f), 255);
    EXPECT_EQ(alphaByte(-0.3f), 0);
    EXPECT_EQ(alphaByte(kNaN), 0);
}

TEST(Settings, UnfollowedSnapshotReadsTheCatalogueDefaults) {
    const SettingsSnapshot settings;
    EXPECT_EQ(settings.integer(cvar::kEnabled), 1);
    EXPECT_EQ(settings.integer(cvar::kPad), -1);
    EXPECT_EQ(settings.integer(cvar::kReplayHideMs), 12000);
    EXPECT_FLOAT_EQ(settings.number(cvar::kReplayHideS), 12.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kFadeMs), 180.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kDeadzone), 0.12f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kStickSmooth), 0.90f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kX), 20.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kY), 980.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kScale), 1.0f);
    EXPECT_EQ(settings.integer(cvar::kHotkeyVk), 0);
    EXPECT_EQ(settings.integer(cvar::kTimingWindowMs), 1000);
    EXPECT_EQ(settings.integer(cvar::kHistoryCount), 6);
    EXPECT_EQ(settings.integer(cvar::kTraceMs), 2000);
    EXPECT_FALSE(settings.on(cvar::kHistoryEnable));
    EXPECT_FLOAT_EQ(settings.offset(control("R3"), Axis::Y), 0.0f);
}

} // namespace
