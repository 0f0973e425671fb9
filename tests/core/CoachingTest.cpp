// What the coach's displays keep: the input history's entries (held times,
// gaps, the limit, simultaneous presses, taps shorter than a frame) and the
// trace's samples, and their texts.
#include <gtest/gtest.h>

#include <string>

#include "core/InputHistory.h"
#include "core/TraceSamples.h"

namespace {

constexpr std::int64_t ms = 1'000'000;

vtx::ControlId id(const char* code) { return *vtx::findControl(code); }

std::string held(const vtx::InputHistory& h, std::size_t i, std::int64_t now) {
    char text[vtx::kHistoryTextSize];
    vtx::formatHeld(h.entry(i).control, h.heldNs(i, now), text, sizeof text);
    return text;
}

std::string gap(const vtx::InputHistory& h, std::size_t i) {
    char text[vtx::kHistoryTextSize];
    vtx::formatGap(h.gapNs(i), text, sizeof text);
    return text;
}

TEST(InputHistory, HeldTimesAndGapsInWholeMillisecondsNewestFirst) {
    vtx::InputHistory h;
    // A jump held 83.4 ms, a second jump 150 ms after the first, boost held on.
    h.press(id("A"), 1000 * ms);
    h.release(id("A"), 1000 * ms + 83'400'000);
    h.press(id("A"), 1150 * ms);
    h.release(id("A"), 1150 * ms + 62'500'000); // a half rounds away from zero
    h.press(id("RB"), 1200 * ms);
    ASSERT_EQ(h.count(), 3u);
    EXPECT_EQ(held(h, 0, 1300 * ms), "RB 100 ms") << "still held: the time so far";
    EXPECT_EQ(held(h, 0, 1310 * ms), "RB 110 ms");
    EXPECT_EQ(gap(h, 0), "+50 ms");
    EXPECT_EQ(held(h, 1, 1310 * ms), "A 63 ms");
    EXPECT_EQ(gap(h, 1), "+150 ms");
    EXPECT_EQ(held(h, 2, 1310 * ms), "A 83 ms");
    EXPECT_EQ(gap(h, 2), "+0 ms") << "the oldest has no press before it";
}

TEST(InputHistory, ATapShorterThanAFrameAndPressesOfOneReport) {
    vtx::InputHistory h;
    // Both inside one 16.7 ms frame, at their reports' moments.
    h.press(id("X"), 500 * ms);
    h.release(id("X"), 504 * ms);
    EXPECT_EQ(held(h, 0, 520 * ms), "X 4 ms");
    // Two controls in one report: two entries, 0 apart.
    h.press(id("LB"), 600 * ms);
    h.press(id("PaddleL"), 600 * ms);
    EXPECT_EQ(held(h, 0, 600 * ms), "PaddleL 0 ms");
    EXPECT_EQ(gap(h, 0), "+0 ms");
    EXPECT_EQ(gap(h, 1), "+100 ms");
    // Releasing one leaves the other held.
    h.release(id("LB"), 650 * ms);
    EXPECT_TRUE(h.entry(0).held);
    EXPECT_FALSE(h.entry(1).held);
    // A release with no entry held changes nothing.
    h.release(id("Y"), 700 * ms);
    EXPECT_EQ(held(h, 1, 900 * ms), "LB 50 ms");
}

TEST(InputHistory, TheOldestLeavesWhenFullAndAReleaseFindsTheNewestPressOfItsControl) {
    vtx::InputHistory h;
    for (int i = 0; i < 14; ++i) {
        h.press(id("A"), i * 10 * ms);
        h.release(id("A"), i * 10 * ms + 1 * ms);
    }
    ASSERT_EQ(h.count(), vtx::InputHistory::kCapacity);
    EXPECT_EQ(h.entry(0).pressedNs, 130 * ms);
    EXPECT_EQ(h.entry(11).pressedNs, 20 * ms) << "the two oldest left";
    // A button pressed, pressed again elsewhere... a release ends its newest press.
    h.press(id("B"), 200 * ms);
    h.press(id("B"), 210 * ms); // a second press seen without the release between
    h.release(id("B"), 230 * ms);
    EXPECT_FALSE(h.entry(0).held);
    EXPECT_TRUE(h.entry(1).held);
}

TEST(TraceSamples, TheRingKeepsTheNewestAndFindsASampleByTime) {
    vtx::TraceSamples samples;
    EXPECT_EQ(samples.at(0), nullptr);
    for (std::size_t i = 0; i < vtx::TraceSamples::kCapacity + 5; ++i)
        samples.add({static_cast<std::int64_t>(i) * 4 * ms, 0, 0, 0, 0, static_cast<float>(i), 0});
    ASSERT_EQ(samples.count(), vtx::TraceSamples::kCapacity);
    EXPECT_EQ(samples.sample(0).throttle, static_cast<float>(vtx::TraceSamples::kCapacity + 4));
    // The newest at or before a moment; none before the oldest kept.
    EXPECT_EQ(samples.at(40 * ms + 1)->atNs, 40 * ms);
    EXPECT_EQ(samples.at(40 * ms)->atNs, 40 * ms);
    EXPECT_EQ(samples.at(1'000'000 * ms)->atNs, samples.sample(0).atNs);
    EXPECT_EQ(samples.at(19 * ms), nullptr) << "samples 0 to 4 left the ring";
}

// A cursor kept per chart point follows its moment forward; whatever it
// was left at, the answer is the newest sample at or before the moment.
TEST(TraceSamples, ACursorFindsWhatTheSearchFindsWhereverItWasLeft) {
    vtx::TraceSamples samples;
    vtx::TraceCursor cursor;
    EXPECT_EQ(samples.at(0, cursor), nullptr);
    // Samples every 4 ms from 100 ms, two taken at the same moment at 140 ms.
    for (std::int64_t t = 100; t <= 180; t += 4) {
        samples.add({t * ms, 0, 0, 0, 0, static_cast<float>(t), 0});
        if (t == 140)
            samples.add({t * ms, 0, 0, 0, 0, 140.5f, 0});
    }
    const auto throttleAt = [&](std::int64_t atMs) {
        const vtx::TraceSample* s = samples.at(atMs * ms, cursor);
        return s ? s->throttle : -1.0f;
    };
    EXPECT_EQ(throttleAt(99), -1.0f) << "before the first sample";
    EXPECT_EQ(throttleAt(100), 100.0f);
    EXPECT_EQ(throttleAt(103), 100.0f);
    EXPECT_EQ(throttleAt(104), 104.0f) << "a step forward";
    EXPECT_EQ(throttleAt(112), 112.0f) << "two steps";
    EXPECT_EQ(throttleAt(140), 140.5f) << "the newer of two at one moment";
    EXPECT_EQ(throttleAt(176), 176.0f) << "further than a short walk";
    EXPECT_EQ(throttleAt(500), 180.0f) << "past the newest";
    EXPECT_EQ(throttleAt(123), 120.0f) << "back in time";
    EXPECT_EQ(throttleAt(99), -1.0f);
    EXPECT_EQ(throttleAt(139), 136.0f);

    // A cursor left on samples the ring has since dropped, or from before a clear.
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(vtx::TraceSamples::kCapacity); ++i)
        samples.add({(200 + i) * ms, 0, 0, 0, 0, static_cast<float>(200 + i), 0});
    EXPECT_EQ(throttleAt(180), -1.0f) << "the samples up to 180 ms left the ring";
    EXPECT_EQ(throttleAt(1000), 1000.0f);
    samples.clear();
    EXPECT_EQ(throttleAt(1000), -1.0f);
    samples.add({5 * ms, 0, 0, 0, 0, 5.0f, 0});
    EXPECT_EQ(throttleAt(1000), 5.0f);
    EXPECT_EQ(throttleAt(4), -1.0f);
}

} // namespace
