// The two decoders against captured DualShock 4 and DualSense reports.
#include <gtest/gtest.h>

#include "Reports.h"
#include "input/SonyDecode.h"
#include "platform/Platform.h"

using namespace vtx;
using vtxtest::hexReport;

namespace {

RawPadSnapshot heuristic(const std::vector<std::uint8_t>& r) {
    RawPadSnapshot s;
    EXPECT_TRUE(decodeHeuristic(r.data(), r.size(), 42, s) && s.valid && s.timestampMs == 42);
    return s;
}

RawPadSnapshot calibrated(const std::vector<std::uint8_t>& r, const SonyCalibration& c = defaultCalibration()) {
    RawPadSnapshot s;
    decodeCalibrated(c, r.data(), r.size(), 42, s);
    EXPECT_TRUE(s.valid && s.timestampMs == 42);
    return s;
}

int held(const RawPadSnapshot& s) {
    return s.a + s.b + s.x + s.y + s.dpadUp + s.dpadDown + s.dpadLeft + s.dpadRight + s.lb + s.rb + s.l3 + s.r3;
}

} // namespace

TEST(HeuristicDecode, DualShock4UsbAndBluetooth) {
    auto usb = heuristic(hexReport(vtxtest::ds4UsbHat3));
    EXPECT_TRUE(usb.dpadDown && usb.dpadRight);
    EXPECT_EQ(held(usb), 2); // the digital R2 bit is no button here
    EXPECT_FLOAT_EQ(usb.rt, 64 / 255.0f);

    auto bt = heuristic(hexReport(vtxtest::ds4Bt));
    EXPECT_FLOAT_EQ(bt.lx, 0);
    EXPECT_FLOAT_EQ(bt.rx, 96 / 127.0f);
    EXPECT_FLOAT_EQ(bt.ry, 64 / 127.0f); // 0x40 is up: positive
    EXPECT_FLOAT_EQ(bt.rt, 200 / 255.0f);
    EXPECT_EQ(held(bt), 0);
}

TEST(HeuristicDecode, ShortReportsAloneAndZeroPadded) {
    for (std::size_t padTo : {0, 78, 547}) {
        auto ds4 = heuristic(hexReport(vtxtest::ds4BtShort, padTo));
        EXPECT_TRUE(ds4.b && ds4.l3 && held(ds4) == 2) << padTo;
        auto ds = heuristic(hexReport(vtxtest::dualSenseBtShort, padTo));
        EXPECT_TRUE(ds.y && ds.rb && held(ds) == 2) << padTo;
    }
}

TEST(HeuristicDecode, TieKeepsTheLowerOffsetAndRejectionFails) {
    // Offsets 1 and 2 both score 8, offset 0 only 6: offset 1 (hat 2, L2 255) wins.
    auto tie = heuristic(hexReport("01 00 80 80 80 08 02 00 00 FF 00 00 00 00 00 00"));
    EXPECT_TRUE(tie.dpadRight);
    EXPECT_FLOAT_EQ(tie.lt, 1.0f);

    RawPadSnapshot untouched;
    auto r = hexReport("01 80 80 80 80 0F 00 00 00 00"); // hat 15 at the only offset
    EXPECT_FALSE(decodeHeuristic(r.data(), r.size(), 42, untouched));
    EXPECT_FALSE(untouched.valid);
}

TEST(CalibratedDecode, DualSenseUsbThroughTheBuiltInDefault) {
    EXPECT_EQ(held(calibrated(hexReport(vtxtest::dualSenseIdle))), 0);
    auto r1 = calibrated(hexReport(vtxtest::dualSenseR1));
    EXPECT_TRUE(r1.rb && held(r1) == 1);

    auto s = calibrated(hexReport(vtxtest::dualSenseCircleLeft));
    EXPECT_TRUE(s.b && s.dpadLeft && s.lb && held(s) == 3);
    EXPECT_FLOAT_EQ(s.lx, -96 / 127.0f);
    EXPECT_FLOAT_EQ(s.ly, -96 / 127.0f); // pushed down: negative, Y is up here
    EXPECT_FLOAT_EQ(s.lt, 1.0f);
}

TEST(CalibratedDecode, AxisExtremesInversionDiagonalsAndBindingsOutsideTheReport) {
    auto r = hexReport(vtxtest::dualSenseIdle);
    r[1] = r[2] = 0;
    r[3] = 255;
    r[6] = 255;
    r[8] = 0xF1; // all four face buttons, hat 1 (up-right): no single direction
    SonyCalibration c = defaultCalibration();
    c.rx_invert = true; // a set X flag inverts too
    c.cross_byte = 64;  // one past the end
    c.rt_byte = 1000;
    c.square_mask = 0;
    auto s = calibrated(r, c);
    EXPECT_FLOAT_EQ(s.lx, -128 / 127.0f);
    EXPECT_FLOAT_EQ(s.ly, 128 / 127.0f);
    EXPECT_FLOAT_EQ(s.rx, -1.0f);
    EXPECT_FALSE(s.dpadUp || s.dpadRight || s.a || s.x);
    EXPECT_TRUE(s.b && s.y);
    EXPECT_EQ(s.rt, 0.0f);

    c.dpad_shift = 4;
    r[8] = 0x68;
    EXPECT_TRUE(calibrated(r, c).dpadLeft);
    c.dpad_shift = 2; // neither nibble: the D-pad is off
    r[8] = 0x18;
    EXPECT_FALSE(calibrated(r, c).dpadLeft);
}

TEST(DecodeSonyReport, FollowsTheCalibrationAndRefusesShortReports) {
    auto r = hexReport(vtxtest::dualSenseIdle);
    RawPadSnapshot s;
    sonyCalibration = defaultCalibration();
    const std::uint64_t before = platform::tickCount64();
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), s));
    EXPECT_TRUE(s.timestampMs >= before && s.timestampMs <= platform::tickCount64());
    EXPECT_FALSE(s.dpadUp);
    sonyCalibration.valid = false; // the search reads byte 5 (L2 at 0) as hat up
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), s));
    EXPECT_TRUE(s.dpadUp);

    sonyCalibration = defaultCalibration();
    RawPadSnapshot untouched;
    EXPECT_FALSE(decodeSonyReport(r.data(), 9, untouched) || decodeSonyReport(nullptr, 64, untouched));
    EXPECT_FALSE(untouched.valid);
    sonyCalibration = clearedCalibration();
}
