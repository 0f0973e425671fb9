// How one WM_INPUT with a batch of reports reaches a device's state, which
// Sony pad the overlay follows when several report, and what is remembered
// about each device.
#include <gtest/gtest.h>

#include <memory>

#include "PadText.h"
#include "Reports.h"
#include "SonyVectors.h"
#include "input/PadInput.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
using vtxtest::held;
using vtxtest::hexReport;

namespace {

constexpr std::uintptr_t sonyBt = 0x101, xbox = 0x102, adapter = 0x103, ds4Usb = 0x104, dualSenseUsb = 0x105;

// DualShock 4 over USB holding Cross (V1 of the notes with bit 0x20 of the
// hat byte), and the notes' idle DualSense over USB (V11).
std::vector<std::uint8_t> ds4Cross() {
    auto r = hexReport(vtxtest::vectors::v1);
    r[5] = 0x28;
    return r;
}

class SinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        input.setCalibration(clearedCalibration()); // the search, so DS4 reports of unknown pads decode
        auto& d = vtxhost::devices();
        d.setDeviceName(sonyBt,
                        R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&0ce6#8&56468dc&4&0000)");
        d.setDeviceName(xbox, R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000)");
        d.setDeviceName(adapter, "");
        d.setDeviceIds(adapter, {0x054C, 0x0BA0});
        d.setDeviceName(ds4Usb, R"(\\?\HID#VID_054C&PID_09CC&MI_03#7&1f882a25&0&0000)");
        d.setDeviceName(dualSenseUsb, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000)");
    }

    // One WM_INPUT with the reports back to back, at tick count `now`.
    void deliver(std::uintptr_t device, const std::vector<std::vector<std::uint8_t>>& reports) {
        std::vector<std::uint8_t> bytes;
        for (const auto& r : reports)
            bytes.insert(bytes.end(), r.begin(), r.end());
        input.handleHidInput({device, static_cast<std::uint32_t>(reports[0].size()),
                              static_cast<std::uint32_t>(reports.size()), bytes.data()},
                             now);
    }
    std::vector<std::uint8_t> lastReport() const {
        std::vector<std::uint8_t> r;
        input.copyLastReport(r);
        return r;
    }
    // The followed Sony pad's held controls; "-" without one.
    std::string sony() const {
        PadState pad;
        return input.sonyPad(pad) ? held(pad) : std::string("-");
    }

    const std::shared_ptr<GameWrapper> game;
    const std::shared_ptr<CVarManagerWrapper> cvars;
    PadInput input{{game, cvars}};
    std::uint64_t now = 10'000;
};

} // namespace

TEST_F(SinkTest, BatchShowsTheNewestReportThatDecodes) {
    const auto l1r3 = hexReport(vtxtest::vectors::v3);
    const auto idle = hexReport(vtxtest::vectors::v1);
    auto noPad = l1r3;
    noPad[31] |= 0x04; // the adapter has lost its pad
    deliver(adapter, {l1r3, idle, noPad});
    EXPECT_EQ(lastReport(), noPad); // the newest report, for the wizard
    EXPECT_EQ(sony(), "");          // idle, not the older L1 + R3
    deliver(adapter, {idle, l1r3});
    EXPECT_EQ(sony(), "LB R3");
}

TEST_F(SinkTest, AReportThatDoesNotDecodeIsKeptForTheWizardWhileNoPadIsFollowed) {
    std::vector<std::uint8_t> none{1, 2};
    EXPECT_FALSE(input.copyLastReport(none));
    EXPECT_TRUE(none.empty());
    deliver(sonyBt, {hexReport("01 80 80 80 80 88 02 00 00")}); // 9 bytes: kept, not decoded
    EXPECT_EQ(lastReport().size(), 9u);
    EXPECT_EQ(sony(), "-");
}

TEST_F(SinkTest, ProductFromTheDeviceInformationElseTheName) {
    // The built-in calibration is in force, as on a fresh install: only the
    // product tells a DualShock 4 (hat 8 at byte 5) from a DualSense (L2 at byte 5).
    input.setCalibration(defaultCalibration());
    deliver(adapter, {hexReport(vtxtest::vectors::v1)});
    EXPECT_EQ(sony(), "");
    EXPECT_EQ(input.sonyDevice(adapter).protocol, SonyProtocol::dualShock4Adapter);
    EXPECT_EQ(input.sonyDevice(sonyBt).ids.product, 0x0CE6); // from "PID&0ce6"

    // What a device is stays as first found until the sink goes.
    vtxhost::devices().setDeviceIds(adapter, {0x045E, 0x02FF});
    EXPECT_EQ(input.sonyDevice(adapter).ids.product, 0x0BA0);
    input.createSink();
    input.destroySink();
    EXPECT_FALSE(input.sonyDevice(adapter).readAsPad());
}

TEST_F(SinkTest, NonSonyDevicesChangeNothing) {
    deliver(xbox, {hexReport(vtxtest::ds4UsbHat3)});
    EXPECT_TRUE(lastReport().empty());
    EXPECT_EQ(sony(), "-");
}

TEST_F(SinkTest, VerdictsLastUntilTheSinkIsDestroyed) {
    EXPECT_FALSE(input.sonyDevice(0x999).readAsPad()); // no name yet
    vtxhost::devices().setDeviceName(0x999, R"(\\?\HID#VID_054C&PID_0CE6)");
    EXPECT_FALSE(input.sonyDevice(0x999).readAsPad());
    input.createSink();
    const int created = vtxhost::devices().sinksCreated();
    input.createSink(); // a sink exists: no second one
    PadInput other{{game, cvars}};
    other.createSink();
    EXPECT_EQ(vtxhost::devices().sinksCreated(), created);
    other.destroySink(); // not its sink
    EXPECT_TRUE(vtxhost::devices().sinkExists());

    deliver(dualSenseUsb, {hexReport(vtxtest::dualSenseCircleLeft)});
    ASSERT_EQ(sony(), "B DL LB");
    input.destroySink();
    EXPECT_FALSE(vtxhost::devices().sinkExists());
    EXPECT_EQ(sony(), "-");
    EXPECT_EQ(lastReport(), hexReport(vtxtest::dualSenseCircleLeft)); // kept for the wizard
    EXPECT_TRUE(input.sonyDevice(0x999).readAsPad());
}

TEST_F(SinkTest, TheSinkReachesOnlyTheObjectThatCreatedItAndNotOnceItIsGone) {
    auto& d = vtxhost::devices();
    const auto report = hexReport(vtxtest::dualSenseCircleLeft);
    PadFrame frame;
    {
        PadInput owner{{game, cvars}};
        owner.createSink();
        d.postHid({dualSenseUsb, static_cast<std::uint32_t>(report.size()), 1, report});
        input.poll(frame, -1, 0, 0.1f); // another object pumps: the report still goes to the owner
        EXPECT_EQ(sony(), "-");
        PadState pad;
        ASSERT_TRUE(owner.sonyPad(pad));
        EXPECT_EQ(held(pad), "B DL LB");
    } // the owner takes its sink with it
    EXPECT_FALSE(d.sinkExists());
    input.createSink();
    d.postHid({dualSenseUsb, static_cast<std::uint32_t>(report.size()), 1, report});
    input.poll(frame, -1, 0, 0.1f);
    EXPECT_EQ(held(frame.pad), "B DL LB");
    input.destroySink();
}

// Two Sony pads reporting at once: the one last used is followed.
TEST_F(SinkTest, AnIdlePadNeverTakesOverFromThePadInUse) {
    const auto idle = hexReport(vtxtest::vectors::v11);
    for (int frame = 0; frame < 6; ++frame) {
        // Either order within a frame: the idle DualSense never hides Cross.
        if (frame % 2 == 0) {
            deliver(ds4Usb, {ds4Cross()});
            deliver(dualSenseUsb, {idle});
        } else {
            deliver(dualSenseUsb, {idle});
            deliver(ds4Usb, {ds4Cross()});
        }
        now += 16;
        EXPECT_EQ(sony(), "A") << frame;
        EXPECT_EQ(lastReport(), ds4Cross()) << frame; // the wizard watches the same pad
    }
    // Pressing R1 on the DualSense makes it the pad in use; the DS4 still
    // holding Cross does not take it back.
    deliver(dualSenseUsb, {hexReport(vtxtest::vectors::v13)});
    deliver(ds4Usb, {ds4Cross()});
    EXPECT_EQ(sony(), "RB Start Back Mute");
    // Letting go is use too: the DualSense stays followed, now released.
    deliver(dualSenseUsb, {idle});
    deliver(ds4Usb, {ds4Cross()});
    EXPECT_EQ(sony(), "");
}

TEST_F(SinkTest, APadThatStopsReportingHandsOverToOneThatStillDoes) {
    const auto idle = hexReport(vtxtest::vectors::v11);
    deliver(ds4Usb, {ds4Cross()});
    deliver(dualSenseUsb, {idle});
    EXPECT_EQ(sony(), "A");
    now += 500; // the DS4's decode is exactly 500 ms old: still fresh
    deliver(dualSenseUsb, {idle});
    EXPECT_EQ(sony(), "A");
    now += 1; // 501 ms: the DS4 is gone, the idle DualSense is what is there
    deliver(dualSenseUsb, {idle});
    EXPECT_EQ(sony(), "");
}

TEST_F(SinkTest, ASlowPushAddsUpToUse) {
    // The DualShock 4 holds Cross and is followed; the DualSense's left stick
    // creeps right 4 counts a report, each step below the use threshold
    // (0.1, about 13 counts). Measured from where the stick was when the pad
    // was last used, it counts as use after four steps and takes over.
    deliver(ds4Usb, {ds4Cross()});
    auto creep = hexReport(vtxtest::vectors::v11);
    for (int step = 1; step <= 3; ++step) {
        creep[1] = static_cast<std::uint8_t>(128 + 4 * step);
        deliver(dualSenseUsb, {creep});
        deliver(ds4Usb, {ds4Cross()});
        EXPECT_EQ(sony(), "A") << step;
    }
    creep[1] = 128 + 16; // 16 counts from the centre: more than a tenth
    deliver(dualSenseUsb, {creep});
    deliver(ds4Usb, {ds4Cross()});
    EXPECT_EQ(sony(), "") << "the DualSense, its stick pushed, is followed";
}

TEST(PadUse, EveryControlAlwaysAxesAndTriggersBeyondTheDeadzone) {
    const PadState rest;
    EXPECT_FALSE(padUsed(rest, rest));
    for (std::size_t id = 0; id < kControlCount; ++id) {
        PadState s;
        s.press(static_cast<ControlId>(id));
        EXPECT_TRUE(padUsed(rest, s)) << kControls[id].code;
        EXPECT_TRUE(padUsed(s, rest)) << kControls[id].code; // a release is use as well
    }
    for (int axis = 0; axis < 6; ++axis) {
        const auto moved = [axis](float value) {
            PadState s;
            float* axes[] = {&s.triggers[kLeft], &s.triggers[kRight], &s.sticks[kLeft].x,
                             &s.sticks[kLeft].y, &s.sticks[kRight].x, &s.sticks[kRight].y};
            *axes[axis] = value;
            return s;
        };
        EXPECT_FALSE(padUsed(rest, moved(12 / 127.0f))) << axis; // a resting stick's jitter: not use
        EXPECT_TRUE(padUsed(rest, moved(-14 / 127.0f))) << axis;
    }
}
