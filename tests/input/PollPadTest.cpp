// One poll: which source wins, how its values become PadState, how long a
// Sony report counts, and the stick filter.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Reports.h"
#include "input/PollPad.h"
#include "input/RawInputSink.h"
#include "input/SonyCalibration.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;

namespace {

class PollPadTest : public ::testing::Test {
protected:
    void SetUp() override {
        vtxhost::devices().xinput = {};
        latestSonySnapshot = {};
        sonyCalibration = defaultCalibration();
    }
    void TearDown() override {
        destroyRawInputSink();
        vtxhost::devices().xinput = {};
        sonyCalibration = clearedCalibration();
    }
    static vtxhost::XInputPadState& xpad(int index, std::uint16_t buttons = 0) {
        auto& p = vtxhost::devices().xinput[static_cast<std::size_t>(index)];
        p.connected = true;
        p.buttons = buttons;
        return p;
    }
    // A Sony snapshot with Circle held and the left stick up, `ageMs` old.
    static void sonySnapshot(std::uint64_t ageMs) {
        latestSonySnapshot = {};
        latestSonySnapshot.b = true;
        latestSonySnapshot.ly = 0.5f;
        latestSonySnapshot.valid = true;
        latestSonySnapshot.timestampMs = vtxhost::devices().tickCount64() - ageMs;
    }
    PadState pad;
};

} // namespace

TEST_F(PollPadTest, PadChoiceComparesTheSettingAsUnsigned) {
    xpad(1, 0x1000); // A
    xpad(3, 0x2000); // B
    for (int setting : {-1, 4, 100, -7}) {
        pollPadState(pad, setting, 0);
        EXPECT_TRUE(pad.a && !pad.b) << setting;
    }
    pollPadState(pad, 3, 0);
    EXPECT_TRUE(pad.b && !pad.a);
    pollPadState(pad, 2, 0); // no pad there, no Sony report: released
    EXPECT_FALSE(pad.a || pad.b);
}

TEST_F(PollPadTest, SourcesInOrder) {
    xpad(0, 0x1000);
    sonySnapshot(0);
    pollPadState(pad, -1, 0);
    EXPECT_TRUE(pad.a && !pad.b); // XInput wins
    pollPadState(pad, 2, 0);      // a fixed index without a pad goes to the Sony path
    EXPECT_TRUE(pad.b && !pad.a);
    EXPECT_FLOAT_EQ(pad.ly, -0.5f); // up in the snapshot, up on screen
}

TEST_F(PollPadTest, XInputConversions) {
    auto& p = xpad(0, 0xFFFF & ~0x0030); // everything but Start and Back
    p.thumbLX = -32768;
    p.thumbLY = 32767;
    p.thumbRX = 32767;
    p.thumbRY = -32768;
    p.leftTrigger = 255;
    p.rightTrigger = 0;
    pollPadState(pad, -1, 0);
    EXPECT_EQ(pad.lx, -1.0f);
    EXPECT_EQ(pad.ly, -1.0f); // pushed up
    EXPECT_EQ(pad.rx, 1.0f);
    EXPECT_EQ(pad.ry, 1.0f);
    EXPECT_EQ(pad.lt, 1.0f);
    EXPECT_EQ(pad.rt, 0.0f);
    EXPECT_TRUE(pad.a && pad.b && pad.x && pad.y && pad.dpadUp && pad.dpadDown && pad.dpadLeft && pad.dpadRight &&
                pad.lb && pad.rb && pad.l3 && pad.r3);

    struct Bit { std::uint16_t bit; bool PadState::*field; };
    const Bit bits[] = {{0x1000, &PadState::a},      {0x2000, &PadState::b},       {0x4000, &PadState::x},
                        {0x8000, &PadState::y},      {0x0001, &PadState::dpadUp},  {0x0002, &PadState::dpadDown},
                        {0x0004, &PadState::dpadLeft}, {0x0008, &PadState::dpadRight}, {0x0100, &PadState::lb},
                        {0x0200, &PadState::rb},     {0x0040, &PadState::l3},      {0x0080, &PadState::r3}};
    for (const Bit& b : bits) {
        p.buttons = b.bit | 0x0030;
        pollPadState(pad, -1, 0);
        int held = 0;
        for (const Bit& other : bits)
            held += pad.*other.field;
        EXPECT_TRUE(pad.*b.field) << b.bit;
        EXPECT_EQ(held, 1) << b.bit;
    }
}

TEST_F(PollPadTest, SonySnapshotIsFreshFor500Ms) {
    sonySnapshot(500);
    pollPadState(pad, -1, 0.9f);
    EXPECT_TRUE(pad.b);
    EXPECT_NE(pad.lySmooth, 0.0f);
    sonySnapshot(501);
    pollPadState(pad, -1, 0.9f);
    EXPECT_FALSE(pad.b);
    EXPECT_EQ(pad.lySmooth, 0.0f); // snaps to centre without easing
}

TEST_F(PollPadTest, SmoothingClampAndNotANumber) {
    xpad(0).thumbLX = 32767;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case { float setting; float expected; };
    for (const Case& c : {Case{0, 1.0f}, Case{0.9f, 0.1f}, Case{1.5f, 0.02f}, Case{-0.3f, 1.0f}, Case{nan, 1.0f}}) {
        pad = {};
        pollPadState(pad, -1, c.setting);
        EXPECT_NEAR(pad.lxSmooth, c.expected, 1e-6) << c.setting;
        pollPadState(pad, -1, 0);
        EXPECT_EQ(pad.lxSmooth, 1.0f) << c.setting; // and s = 0 follows exactly
    }
}

TEST_F(PollPadTest, PumpDecodesPendingReportsFirst) {
    auto& d = vtxhost::devices();
    d.setDeviceName(0x200, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    createRawInputSink();
    for (const std::string& report : {vtxtest::dualSenseIdle, vtxtest::dualSenseCircleLeft}) {
        auto bytes = vtxtest::hexReport(report);
        d.postHid({0x200, static_cast<std::uint32_t>(bytes.size()), 1, bytes});
    }
    pollPadState(pad, -1, 0);
    EXPECT_TRUE(pad.b && pad.dpadLeft && pad.lb);
    EXPECT_FLOAT_EQ(pad.ly, 96 / 127.0f); // pushed down: positive on screen
    EXPECT_EQ(lastReport, vtxtest::hexReport(vtxtest::dualSenseCircleLeft));
}
