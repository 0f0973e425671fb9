// One poll: which source wins, how its values become PadState, how long a
// Sony report counts, and the stick filter.
#include <gtest/gtest.h>

#include <limits>

#include "Reports.h"
#include "input/PadInput.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;

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
    void sonySnapshot(std::uint64_t ageMs) {
        const auto r = vtxtest::hexReport(vtxtest::dualSenseUsb("01 80 40 80 80 00 00 3A 48 00 00"));
        input.handleHidInput({dualSense, static_cast<std::uint32_t>(r.size()), 1, r.data()},
                             vtxhost::devices().tickCount64() - ageMs);
    }
    static constexpr std::uintptr_t dualSense = 0x200;
    PadInput input;
    static int held(const PadState& p) {
        return p.a + p.b + p.x + p.y + p.dpadUp + p.dpadDown + p.dpadLeft + p.dpadRight + p.lb + p.rb + p.l3 + p.r3;
    }
    PadState pad;
};

} // namespace

TEST_F(PollPadTest, PadChoiceAndSourceOrder) {
    xpad(1, 0x1000); // A
    xpad(3, 0x2000); // B
    sonySnapshot(0);
    for (int setting : {-1, 4, 100, -7}) { // compared as unsigned: all scan 0-3
        input.poll(pad, setting, 0);
        EXPECT_TRUE(pad.a && !pad.b) << setting;
    }
    input.poll(pad, 3, 0);
    EXPECT_TRUE(pad.b && !pad.a);
    input.poll(pad, 2, 0); // no pad there: the Sony snapshot, not another index
    EXPECT_TRUE(pad.b && !pad.a);
    EXPECT_FLOAT_EQ(pad.ly, -64 / 127.0f); // up in the report, up on screen
}

TEST_F(PollPadTest, XInputConversions) {
    auto& p = xpad(0, 0xFFFF & ~0x0030); // all but Start and Back
    p.thumbLX = -32768;
    p.thumbLY = 32767;
    p.thumbRX = 32767;
    p.thumbRY = -32768;
    p.leftTrigger = 255;
    input.poll(pad, -1, 0);
    EXPECT_EQ(pad.lx, -1.0f);
    EXPECT_EQ(pad.ly, -1.0f); // pushed up
    EXPECT_EQ(pad.rx, 1.0f);
    EXPECT_EQ(pad.ry, 1.0f);
    EXPECT_EQ(pad.lt, 1.0f);
    EXPECT_EQ(pad.rt, 0.0f);
    EXPECT_EQ(held(pad), 12);
    p.buttons = 0x0030; // Start and Back are not drawn
    input.poll(pad, -1, 0);
    EXPECT_EQ(held(pad), 0);
}

TEST_F(PollPadTest, SonySnapshotCountsFor500Ms) {
    sonySnapshot(500);
    input.poll(pad, -1, 0.9f);
    EXPECT_TRUE(pad.b);
    EXPECT_NE(pad.lySmooth, 0.0f);
    sonySnapshot(501);
    input.poll(pad, -1, 0.9f);
    EXPECT_FALSE(pad.b);
    EXPECT_EQ(pad.lySmooth, 0.0f); // snaps to centre without easing
}

TEST_F(PollPadTest, SmoothingClampAndNotANumber) {
    xpad(0).thumbLX = 32767;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (auto [setting, expected] : {std::pair{0.0f, 1.0f}, {0.9f, 0.1f}, {1.5f, 0.02f}, {-0.3f, 1.0f}, {nan, 1.0f}}) {
        pad = {};
        input.poll(pad, -1, setting);
        EXPECT_NEAR(pad.lxSmooth, expected, 1e-6) << setting;
        input.poll(pad, -1, 0);
        EXPECT_EQ(pad.lxSmooth, 1.0f) << setting; // s = 0 follows exactly
    }
}

TEST_F(PollPadTest, PendingReportsAreDecodedBeforeTheRead) {
    auto& d = vtxhost::devices();
    input.createSink();
    auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    d.postHid({dualSense, static_cast<std::uint32_t>(report.size()), 1, report});
    input.poll(pad, -1, 0);
    EXPECT_TRUE(pad.b && pad.dpadLeft && pad.lb);
    EXPECT_FLOAT_EQ(pad.ly, 96 / 127.0f); // pushed down: positive on screen
}
