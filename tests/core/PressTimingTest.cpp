// Press timing: which presses pair up, the history of gaps, and the text of a gap.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/PressTiming.h"

namespace {

using vtx::PressTiming;

constexpr std::int64_t kMs = 1'000'000;

std::vector<std::int64_t> gaps(const PressTiming& timing) {
    std::vector<std::int64_t> out;
    for (std::size_t i = 0; i < timing.count(); ++i)
        out.push_back(timing.gapNs(i));
    return out;
}

// Taps: each press at the given millisecond, released 30 ms later.
void tap(PressTiming& timing, std::initializer_list<std::int64_t> pressMs) {
    for (std::int64_t at : pressMs) {
        timing.sample(true, at * kMs);
        timing.sample(false, (at + 30) * kMs);
    }
}

PressTiming watching(std::int64_t windowMs) {
    PressTiming timing(windowMs);
    timing.sample(false, 0);
    return timing;
}

TEST(PressTiming, PressesWithinTheWindowPairUp) {
    PressTiming timing = watching(500);
    tap(timing, {1000});
    EXPECT_FALSE(timing.hasPair()); // one press is no pair
    EXPECT_EQ(timing.count(), 0u);
    tap(timing, {1142});
    ASSERT_TRUE(timing.hasPair());
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{142 * kMs}));
    // The second press of the pair is the first of the next.
    tap(timing, {1400});
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{258 * kMs, 142 * kMs}));
}

TEST(PressTiming, APressAfterALongerPauseStartsANewPair) {
    PressTiming timing = watching(500);
    tap(timing, {1000, 1200});
    tap(timing, {1701}); // 501 ms after the last press: no gap
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{200 * kMs}));
    tap(timing, {1801}); // pairs with the late press, not with any before it
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{100 * kMs, 200 * kMs}));

    PressTiming fresh = watching(500);
    tap(fresh, {1000, 2000, 3000});
    EXPECT_FALSE(fresh.hasPair());
}

TEST(PressTiming, AGapExactlyAtTheWindowCounts) {
    PressTiming timing = watching(250);
    timing.sample(true, 1000 * kMs);
    timing.sample(false, 1100 * kMs);
    timing.sample(true, 1250 * kMs);
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{250 * kMs}));
    timing.sample(false, 1300 * kMs);
    timing.sample(true, 1500 * kMs + 1); // one nanosecond over
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{250 * kMs}));
}

TEST(PressTiming, AHeldButtonPressesOnce) {
    PressTiming timing = watching(500);
    timing.sample(true, 100 * kMs);
    for (std::int64_t at = 116; at < 400; at += 16)
        timing.sample(true, at * kMs);
    EXPECT_FALSE(timing.hasPair());
    timing.sample(false, 400 * kMs);
    timing.sample(false, 416 * kMs);
    timing.sample(true, 432 * kMs);
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{332 * kMs})); // from the first held sample
}

TEST(PressTiming, AButtonHeldWhenWatchingStartsIsNoPress) {
    PressTiming timing(500);
    timing.sample(true, 100 * kMs);
    timing.sample(false, 150 * kMs);
    timing.sample(true, 200 * kMs);
    timing.sample(false, 250 * kMs);
    timing.sample(true, 300 * kMs);
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{100 * kMs}));

    timing.reset();
    EXPECT_FALSE(timing.hasPair());
    timing.sample(true, 350 * kMs); // again the first sample
    timing.sample(false, 360 * kMs);
    timing.sample(true, 400 * kMs);
    EXPECT_FALSE(timing.hasPair());
}

TEST(PressTiming, KeepsTheFiveNewestGapsNewestFirst) {
    PressTiming timing = watching(1000);
    tap(timing, {0 + 100, 110 + 100, 230 + 100, 360 + 100, 500 + 100, 650 + 100});
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{150 * kMs, 140 * kMs, 130 * kMs, 120 * kMs, 110 * kMs}));
    tap(timing, {750 + 160});
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{160 * kMs, 150 * kMs, 140 * kMs, 130 * kMs, 120 * kMs}));
    EXPECT_EQ(timing.gapNs(5), 0);
    // A pause keeps the history; the next pair goes in front of it.
    tap(timing, {5000, 5090});
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{90 * kMs, 160 * kMs, 150 * kMs, 140 * kMs, 130 * kMs}));
}

TEST(PressTiming, PressEventsAndOddClocks) {
    PressTiming timing(100);
    timing.press(1000 * kMs);
    timing.press(1060 * kMs);
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{60 * kMs}));
    timing.press(1050 * kMs); // the clock went back: nothing to measure
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{60 * kMs}));
    timing.press(1080 * kMs); // measured from the press before
    EXPECT_EQ(gaps(timing), (std::vector<std::int64_t>{30 * kMs, 60 * kMs}));

    // Times at the ends of the clock's range neither overflow nor pair.
    PressTiming ends(std::numeric_limits<std::int64_t>::max());
    ends.press(std::numeric_limits<std::int64_t>::min());
    ends.press(std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(ends.hasPair());
    ends.press(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(gaps(ends), (std::vector<std::int64_t>{0}));

    PressTiming none(-5); // no window: only presses in the same instant pair
    EXPECT_EQ(none.windowMs(), 0);
    none.press(10);
    none.press(11);
    EXPECT_FALSE(none.hasPair());
}

std::string format(std::int64_t ns, std::size_t size = vtx::kGapTextSize) {
    char buffer[vtx::kGapTextSize + 8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    const std::size_t length = vtx::formatGapMs(ns, buffer, size);
    EXPECT_EQ(std::string(buffer).size(), length);
    return buffer;
}

TEST(PressTiming, GapTextIsWholeMillisecondsRoundedToTheNearest) {
    EXPECT_EQ(format(142 * kMs), "142 ms");
    EXPECT_EQ(format(149'999'994), "150 ms"); // nine frames at 60 per second
    EXPECT_EQ(format(142 * kMs + 499'999), "142 ms");
    EXPECT_EQ(format(142 * kMs + 500'000), "143 ms");
    EXPECT_EQ(format(0), "0 ms");
    EXPECT_EQ(format(499'999), "0 ms");
    EXPECT_EQ(format(-1'500'000), "-2 ms");
    EXPECT_EQ(format(std::numeric_limits<std::int64_t>::max()), "9223372036855 ms");
    EXPECT_EQ(format(std::numeric_limits<std::int64_t>::min()), "-9223372036855 ms");
}

TEST(PressTiming, GapTextNeedsRoomForItsEnd) {
    EXPECT_EQ(format(142 * kMs, 7), "142 ms"); // six characters and the zero
    EXPECT_EQ(format(142 * kMs, 6), "");
    EXPECT_EQ(format(142 * kMs, 2), "");
    EXPECT_EQ(vtx::formatGapMs(142 * kMs, nullptr, 10), 0u);
}

} // namespace
