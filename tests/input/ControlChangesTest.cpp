// The stream of control changes: a fixed ring whose oldest change gives way,
// and the watch that turns looks at a pad into presses and releases.
#include <gtest/gtest.h>

#include <array>

#include "input/ControlChanges.h"

using namespace vtx;

namespace {

std::vector<ControlChange> take(ControlWatch& watch) {
    std::array<ControlChange, ControlChanges::kCapacity> out;
    const std::size_t n = watch.take(out);
    return {out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n)};
}

PadState holding(std::initializer_list<const char*> codes) {
    PadState pad;
    for (const char* code : codes)
        pad.press(*findControl(code));
    return pad;
}

} // namespace

TEST(ControlChanges, TheOldestGiveWayAndATakeEmptiesTheRing) {
    ControlChanges ring;
    for (int i = 0; i < static_cast<int>(ControlChanges::kCapacity) + 3; ++i)
        ring.post({0, i % 2 == 0, i});
    std::array<ControlChange, 4> few;
    ASSERT_EQ(ring.take(few), 4u);
    EXPECT_EQ(few[0].atNs, 3) << "the three oldest went";
    EXPECT_EQ(few[3].atNs, 6);
    EXPECT_EQ(ring.size(), 0u) << "what did not fit is dropped";
    ring.post({1, true, 99});
    ASSERT_EQ(ring.take(few), 1u);
    EXPECT_EQ(few[0].atNs, 99);
}

TEST(ControlWatch, TheFirstLookLearnsThenEachChangeKeepsItsMoment) {
    ControlWatch watch;
    watch.see(holding({"A"}), 100); // A was pressed when nobody saw
    EXPECT_TRUE(take(watch).empty());
    watch.see(holding({"A", "PaddleL"}), 200);
    watch.see(holding({"PaddleL"}), 250);
    watch.see(holding({"B", "Start"}), 300); // two controls in one look: both, in table order
    const auto changes = take(watch);
    ASSERT_EQ(changes.size(), 5u);
    const struct {
        const char* code;
        bool pressed;
        std::int64_t at;
    } want[] = {
        {"PaddleL", true, 200}, {"A", false, 250}, {"B", true, 300}, {"Start", true, 300}, {"PaddleL", false, 300}};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(kControls[changes[i].control].code, want[i].code) << i;
        EXPECT_EQ(changes[i].pressed, want[i].pressed) << i;
        EXPECT_EQ(changes[i].atNs, want[i].at) << i;
    }
}

TEST(ControlWatch, TriggersArePressedBeyondTheThresholdAsTheyAreDrawn) {
    ControlWatch watch;
    watch.setTriggerThreshold(0.0f);
    PadState pad;
    watch.see(pad, 0); // at rest with a threshold of 0: released, so the first pull is a press
    pad.triggers[kRight] = 0.01f;
    watch.see(pad, 10);
    auto changes = take(watch);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(kControls[changes[0].control].code, "RT");
    watch.setTriggerThreshold(0.5f);
    pad.triggers[kRight] = 0.5f; // exactly at it: released
    watch.see(pad, 20);
    changes = take(watch);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_FALSE(changes[0].pressed);
}
