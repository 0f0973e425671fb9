// One poll: which source wins, how its values become the pad state, how long
// a Sony pad's decode counts, the stick filter, and the changes the stream
// takes from each source.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "PadText.h"
#include "Reports.h"
#include "input/PadInput.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
using vtxtest::held;

namespace {

class PollPadTest : public ::testing::Test {
protected:
    void SetUp() override {
        vtxhost::devices().setDeviceName(dualSense, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000)");
    }
    void TearDown() override { vtxhost::devices().xinput = {}; }
    static vtxhost::XInputPadState& xpad(int index, std::uint16_t buttons = 0) {
        auto& p = vtxhost::devices().xinput[static_cast<std::size_t>(index)];
        p = {true, buttons};
        return p;
    }
    // A DualSense over USB with Circle held and the left stick half up (64),
    // decoded `ageMs` ago.
    void sonyReport(std::uint64_t ageMs, const std::string& head = "01 80 40 80 80 00 00 3A 48 00 00") {
        const auto r = vtxtest::hexReport(vtxtest::dualSenseUsb(head));
        input.handleHidInput({dualSense, static_cast<std::uint32_t>(r.size()), 1, r.data(), nowNs()},
                             vtxhost::devices().tickCount64() - ageMs);
    }
    void poll(int setting = -1, float smoothing = 0, float threshold = 0.1f) {
        input.poll(frame, setting, smoothing, threshold);
    }
    std::vector<ControlChange> changes() {
        std::array<ControlChange, ControlChanges::kCapacity> out;
        const std::size_t n = input.takeChanges(out);
        return {out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n)};
    }
    static std::int64_t nowNs() { return vtxhost::devices().nowNs(); }

    static constexpr std::uintptr_t dualSense = 0x200;
    const std::shared_ptr<GameWrapper> game;
    const std::shared_ptr<CVarManagerWrapper> cvars;
    PadInput input{{game, cvars}};
    PadFrame frame;
};

} // namespace

TEST_F(PollPadTest, PadChoiceAndSourceOrder) {
    xpad(1, 0x1000); // A
    xpad(3, 0x2000); // B
    sonyReport(0);
    for (int setting : {-1, 4, 100, -7}) { // compared as unsigned: all scan 0-3
        poll(setting);
        EXPECT_EQ(held(frame.pad), "A") << setting;
    }
    poll(3);
    EXPECT_EQ(held(frame.pad), "B");
    poll(2); // no pad there: the Sony pad, not another index
    EXPECT_EQ(held(frame.pad), "B");
    EXPECT_FLOAT_EQ(frame.pad.sticks[kLeft].y, -64 / 127.0f); // up in the report, up on screen
}

TEST_F(PollPadTest, XInputConversions) {
    auto& p = xpad(0, 0xFFFF);
    p.thumbLX = -32768;
    p.thumbLY = 32767;
    p.thumbRX = 32767;
    p.thumbRY = -32768;
    p.leftTrigger = 255;
    poll();
    EXPECT_EQ(frame.pad.sticks[kLeft].x, -1.0f);
    EXPECT_EQ(frame.pad.sticks[kLeft].y, -1.0f); // pushed up
    EXPECT_EQ(frame.pad.sticks[kRight].x, 1.0f);
    EXPECT_EQ(frame.pad.sticks[kRight].y, 1.0f);
    EXPECT_EQ(frame.pad.triggers[kLeft], 1.0f);
    EXPECT_EQ(frame.pad.triggers[kRight], 0.0f);
    // Every bit of XInput's button word, Start (0x0010) and Back (0x0020) included.
    EXPECT_EQ(held(frame.pad), "A B X Y DU DD DL DR LB RB L3 R3 Start Back");
    const std::pair<std::uint16_t, const char*> bits[] = {
        {0x0001, "DU"}, {0x0002, "DD"}, {0x0004, "DL"}, {0x0008, "DR"}, {0x0010, "Start"}, {0x0020, "Back"},
        {0x0040, "L3"}, {0x0080, "R3"}, {0x0100, "LB"}, {0x0200, "RB"}, {0x1000, "A"},     {0x2000, "B"},
        {0x4000, "X"},  {0x8000, "Y"},  {0x0400, ""},   {0x0800, ""}};
    for (const auto& [bit, code] : bits) {
        p.buttons = bit;
        poll();
        EXPECT_EQ(held(frame.pad), code) << std::hex << bit;
    }
}

TEST_F(PollPadTest, ASonyPadCountsFor500Ms) {
    sonyReport(500);
    poll(-1, 0.9f);
    EXPECT_EQ(held(frame.pad), "B");
    EXPECT_NE(frame.drawnSticks[kLeft].y, 0.0f);
    sonyReport(501);
    poll(-1, 0.9f);
    EXPECT_EQ(held(frame.pad), "");
    EXPECT_EQ(frame.drawnSticks[kLeft].y, 0.0f); // snaps to centre without easing
}

TEST_F(PollPadTest, SmoothingClampAndNotANumber) {
    xpad(0).thumbLX = 32767;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (auto [setting, expected] : {std::pair{0.0f, 1.0f}, {0.9f, 0.1f}, {1.5f, 0.02f}, {-0.3f, 1.0f}, {nan, 1.0f}}) {
        vtxhost::devices().xinput[0].connected = false;
        poll(); // no pad: the filter starts from the centre
        vtxhost::devices().xinput[0].connected = true;
        poll(-1, setting);
        EXPECT_NEAR(frame.drawnSticks[kLeft].x, expected, 1e-6) << setting;
        poll(-1, 0);
        EXPECT_EQ(frame.drawnSticks[kLeft].x, 1.0f) << setting; // s = 0 follows exactly
    }
}

TEST_F(PollPadTest, PendingReportsAreDecodedBeforeTheRead) {
    auto& d = vtxhost::devices();
    input.createSink();
    auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    d.postHid({dualSense, static_cast<std::uint32_t>(report.size()), 1, report});
    poll();
    EXPECT_EQ(held(frame.pad), "B DL LB");
    EXPECT_FLOAT_EQ(frame.pad.sticks[kLeft].y, 96 / 127.0f); // pushed down: positive on screen
    input.destroySink();
}

TEST_F(PollPadTest, AnXInputPadsChangesAreTimedAtItsPoll) {
    auto& p = xpad(0);
    poll(); // the first look only learns
    EXPECT_TRUE(changes().empty());
    p.buttons = 0x1010;  // A and Start
    p.rightTrigger = 26; // 26/255 is above a 0.1 threshold
    vtxhost::devices().advanceNs(16'000'000);
    const std::int64_t at = nowNs();
    poll();
    const auto pressed = changes();
    ASSERT_EQ(pressed.size(), 3u);
    // In the controls' order, each at the poll's moment.
    EXPECT_EQ(kControls[pressed[0].control].code, "A");
    EXPECT_EQ(kControls[pressed[1].control].code, "RT");
    EXPECT_EQ(kControls[pressed[2].control].code, "Start");
    for (const ControlChange& change : pressed)
        EXPECT_TRUE(change.pressed && change.atNs == at);
    p.buttons = 0;
    poll();
    EXPECT_EQ(changes().size(), 2u) << "A and Start let go; the trigger stays";
    p.rightTrigger = 0;
    vtxhost::devices().xinput[0].connected = false;
    poll(); // the pad goes: what it held is released
    const auto released = changes();
    ASSERT_EQ(released.size(), 1u);
    EXPECT_FALSE(released[0].pressed);
}

TEST_F(PollPadTest, ATriggerExactlyAtTheThresholdIsNotPressed) {
    // With a threshold of 0, a resting trigger at 0 must not count as held:
    // it would never be pressed, so never timed.
    auto& p = xpad(0);
    poll(-1, 0, 0.0f);
    p.leftTrigger = 1;
    poll(-1, 0, 0.0f);
    const auto pressed = changes();
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(kControls[pressed[0].control].code, "LT");
    EXPECT_TRUE(pressed[0].pressed);
    // At a threshold of 0.5, exactly half counts as released.
    p.leftTrigger = 0;
    poll(-1, 0, 0.5f);
    changes();
    EXPECT_EQ(heldControls(padFromXInput({0, 0, 0}), 0.0f), 0u);
    PadState half;
    half.triggers[kLeft] = 0.5f;
    EXPECT_EQ(heldControls(half, 0.5f), 0u);
    half.triggers[kLeft] = 0.51f;
    EXPECT_EQ(heldControls(half, 0.5f), controlBit(control("LT")));
}

TEST_F(PollPadTest, SonyChangesKeepTheirReportsMomentsAndOnlyTheShownPadIsWatched) {
    input.createSink();
    auto& d = vtxhost::devices();
    const auto idle = vtxtest::hexReport(vtxtest::dualSenseIdle);
    auto cross = idle;
    cross[8] = 0x28; // Cross and hat at rest
    const auto post = [&](const std::vector<std::uint8_t>& r) {
        d.postHid({dualSense, static_cast<std::uint32_t>(r.size()), 1, r});
    };
    post(idle);
    poll();
    changes();
    // A tap inside one frame's batch: pressed, then released 6 ms later.
    const std::int64_t pressAt = nowNs();
    post(cross);
    d.advanceNs(6'000'000);
    post(idle);
    d.advanceNs(10'000'000);
    poll();
    const auto tap = changes();
    ASSERT_EQ(tap.size(), 2u);
    EXPECT_TRUE(tap[0].pressed && tap[0].atNs == pressAt);
    EXPECT_TRUE(!tap[1].pressed && tap[1].atNs == pressAt + 6'000'000);
    // While an XInput pad is shown, the Sony pad's presses are not its.
    xpad(0);
    poll();
    post(cross);
    poll();
    EXPECT_TRUE(changes().empty());
    input.destroySink();
}
