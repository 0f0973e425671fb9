// The two decoders against captured DualShock 4 and DualSense reports.
#include <gtest/gtest.h>

#include "Reports.h"
#include "input/SonyDecode.h"
#include "platform/Platform.h"

using namespace vtx;
using vtxtest::hexReport;

namespace {

constexpr std::uint64_t now = 123456;

RawPadSnapshot heuristic(const std::vector<std::uint8_t>& r) {
    RawPadSnapshot s;
    EXPECT_TRUE(decodeHeuristic(r.data(), r.size(), now, s));
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.timestampMs, now);
    return s;
}

RawPadSnapshot calibrated(const std::vector<std::uint8_t>& r, const SonyCalibration& c = defaultCalibration()) {
    RawPadSnapshot s;
    decodeCalibrated(c, r.data(), r.size(), now, s);
    EXPECT_TRUE(s.valid);
    return s;
}

int buttonsHeld(const RawPadSnapshot& s) {
    return s.a + s.b + s.x + s.y + s.dpadUp + s.dpadDown + s.dpadLeft + s.dpadRight + s.lb + s.rb + s.l3 + s.r3;
}

} // namespace

TEST(HeuristicDecode, DualShock4UsbReports) {
    auto idle = heuristic(hexReport(vtxtest::ds4UsbIdle));
    EXPECT_EQ(buttonsHeld(idle), 0);
    EXPECT_FLOAT_EQ(idle.lx, 0);
    EXPECT_FLOAT_EQ(idle.ry, 0);
    EXPECT_FLOAT_EQ(idle.lt, 0);

    auto triggers = heuristic(hexReport(vtxtest::ds4UsbTriggers));
    EXPECT_EQ(buttonsHeld(triggers), 0); // the digital L2/R2 bits are not buttons here
    EXPECT_FLOAT_EQ(triggers.lt, 1.0f);
    EXPECT_FLOAT_EQ(triggers.rt, 128 / 255.0f);

    EXPECT_EQ(buttonsHeld(heuristic(hexReport(vtxtest::ds4UsbPs))), 0); // PS and the frame counter in byte 7

    auto hat = heuristic(hexReport(vtxtest::ds4UsbHat3));
    EXPECT_TRUE(hat.dpadDown && hat.dpadRight);
    EXPECT_EQ(buttonsHeld(hat), 2);
    EXPECT_FLOAT_EQ(hat.rt, 64 / 255.0f);
}

TEST(HeuristicDecode, DualShock4BluetoothBlockTwoBytesLater) {
    auto s = heuristic(hexReport(vtxtest::ds4Bt));
    EXPECT_FLOAT_EQ(s.lx, 0);
    EXPECT_FLOAT_EQ(s.rx, 96 / 127.0f);
    EXPECT_FLOAT_EQ(s.ry, 64 / 127.0f); // 0x40 is up: positive
    EXPECT_FLOAT_EQ(s.rt, 200 / 255.0f);
    EXPECT_EQ(buttonsHeld(s), 0); // Share, Options and the digital R2 bit are not drawn
}

TEST(HeuristicDecode, ShortBluetoothReportsAloneAndPadded) {
    for (std::size_t padTo : {0, 78, 547}) {
        auto ds4 = heuristic(hexReport(vtxtest::ds4BtShort, padTo));
        EXPECT_TRUE(ds4.b && ds4.l3) << padTo;
        EXPECT_EQ(buttonsHeld(ds4), 2) << padTo;
        auto ds = heuristic(hexReport(vtxtest::dualSenseBtShort, padTo));
        EXPECT_TRUE(ds.y && ds.rb) << padTo;
        EXPECT_EQ(buttonsHeld(ds), 2) << padTo;
    }
}

TEST(HeuristicDecode, HatValuesAndFaceBits) {
    struct Case { std::uint8_t hat; bool up, right, down, left; };
    const Case cases[] = {{0, 1, 0, 0, 0}, {1, 1, 1, 0, 0}, {2, 0, 1, 0, 0}, {3, 0, 1, 1, 0}, {4, 0, 0, 1, 0},
                          {5, 0, 0, 1, 1}, {6, 0, 0, 0, 1}, {7, 1, 0, 0, 1}, {8, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        auto r = hexReport(vtxtest::ds4UsbIdle);
        r[5] = static_cast<std::uint8_t>(0xF0 | c.hat);
        auto s = heuristic(r);
        EXPECT_EQ(s.dpadUp, c.up) << int(c.hat);
        EXPECT_EQ(s.dpadRight, c.right) << int(c.hat);
        EXPECT_EQ(s.dpadDown, c.down) << int(c.hat);
        EXPECT_EQ(s.dpadLeft, c.left) << int(c.hat);
        EXPECT_TRUE(s.a && s.b && s.x && s.y);
    }
}

TEST(HeuristicDecode, TieKeepsTheLowerOffset) {
    // Offsets 1 and 2 both score 8, offset 0 only 6; offset 1 must win.
    auto r = hexReport("01 00 80 80 80 08 02 00 00 FF 00 00 00 00 00 00");
    auto s = heuristic(r);
    EXPECT_TRUE(s.dpadRight); // hat 2 at byte 6
    EXPECT_FLOAT_EQ(s.lt, 1.0f); // L2 at byte 9
}

TEST(HeuristicDecode, AllCandidatesRejectedLeavesSnapshotAlone) {
    RawPadSnapshot s;
    s.a = true;
    auto r = hexReport("01 80 80 80 80 0F 00 00 00 00"); // hat nibble 15 at the only offset
    EXPECT_FALSE(decodeHeuristic(r.data(), r.size(), now, s));
    EXPECT_TRUE(s.a);
    EXPECT_FALSE(s.valid);
}

TEST(CalibratedDecode, DualSenseUsbThroughBuiltInDefault) {
    EXPECT_EQ(buttonsHeld(calibrated(hexReport(vtxtest::dualSenseIdle))), 0);

    auto r1 = calibrated(hexReport(vtxtest::dualSenseR1));
    EXPECT_TRUE(r1.rb);
    EXPECT_EQ(buttonsHeld(r1), 1); // Create, Options and Mute are not drawn

    // Stick clicks have no binding; the sequence counter 0xFF is no button.
    EXPECT_EQ(buttonsHeld(calibrated(hexReport(vtxtest::dualSenseL3R3))), 0);

    auto s = calibrated(hexReport(vtxtest::dualSenseCircleLeft));
    EXPECT_TRUE(s.b && s.dpadLeft && s.lb);
    EXPECT_EQ(buttonsHeld(s), 3);
    EXPECT_FLOAT_EQ(s.lx, -96 / 127.0f);
    EXPECT_FLOAT_EQ(s.ly, -96 / 127.0f); // pushed down: negative in the snapshot's sense
    EXPECT_FLOAT_EQ(s.lt, 1.0f);
    EXPECT_EQ(s.timestampMs, now);
}

TEST(CalibratedDecode, AxisExtremesAndInversion) {
    auto r = hexReport(vtxtest::dualSenseIdle);
    r[1] = 0;
    r[2] = 0;
    r[3] = 255;
    r[4] = 128;
    auto s = calibrated(r);
    EXPECT_FLOAT_EQ(s.lx, -128 / 127.0f);
    EXPECT_FLOAT_EQ(s.ly, 128 / 127.0f); // ly_invert
    EXPECT_FLOAT_EQ(s.rx, 1.0f);
    EXPECT_FLOAT_EQ(s.ry, 0.0f);

    SonyCalibration c = defaultCalibration();
    c.lx_invert = c.rx_invert = true;
    s = calibrated(r, c);
    EXPECT_FLOAT_EQ(s.lx, 128 / 127.0f);
    EXPECT_FLOAT_EQ(s.rx, -1.0f);
}

TEST(CalibratedDecode, DpadDiagonalShiftAndFirstMatch) {
    auto r = hexReport(vtxtest::dualSenseIdle);
    r[8] = 0x01; // up-right: no single direction
    EXPECT_EQ(buttonsHeld(calibrated(r)), 0);

    SonyCalibration c = defaultCalibration();
    c.dpad_byte = 10;
    c.dpad_shift = 4;
    r[10] = 0x60; // high nibble 6: left
    EXPECT_TRUE(calibrated(r, c).dpadLeft);
    c.dpad_shift = 2; // neither nibble: D-pad off
    EXPECT_EQ(buttonsHeld(calibrated(r, c)), 0);

    c = defaultCalibration();
    c.dpad_right = c.dpad_up; // both 0: the first in order wins
    r[8] = 0x00;
    auto s = calibrated(r, c);
    EXPECT_TRUE(s.dpadUp);
    EXPECT_FALSE(s.dpadRight);
}

TEST(CalibratedDecode, BindingsOutsideTheReportStayReleased) {
    SonyCalibration c = defaultCalibration();
    c.cross_byte = 64;
    c.rt_byte = 1000;
    c.ly_byte = -1;
    c.square_mask = 0;
    auto r = hexReport(vtxtest::dualSenseIdle);
    r[6] = 255;
    r[8] = 0xF8;
    auto s = calibrated(r, c);
    EXPECT_FALSE(s.a);
    EXPECT_FALSE(s.x);
    EXPECT_TRUE(s.b && s.y);
    EXPECT_FLOAT_EQ(s.rt, 0);
    EXPECT_FLOAT_EQ(s.ly, 0);
}

TEST(DecodeSonyReport, ChoosesTheDecoderAndRefusesShortReports) {
    auto ds = hexReport(vtxtest::dualSenseIdle);
    RawPadSnapshot s;
    sonyCalibration = defaultCalibration();
    const std::uint64_t before = platform::tickCount64();
    ASSERT_TRUE(decodeSonyReport(ds.data(), ds.size(), s));
    EXPECT_GE(s.timestampMs, before);
    EXPECT_LE(s.timestampMs, platform::tickCount64());
    EXPECT_EQ(buttonsHeld(s), 0); // calibrated: byte 8 holds the hat

    sonyCalibration.valid = false; // the search reads byte 5 (L2 0) as hat up
    ASSERT_TRUE(decodeSonyReport(ds.data(), ds.size(), s));
    EXPECT_TRUE(s.dpadUp);

    sonyCalibration = defaultCalibration();
    RawPadSnapshot untouched;
    EXPECT_FALSE(decodeSonyReport(ds.data(), 9, untouched));
    EXPECT_FALSE(decodeSonyReport(nullptr, 64, untouched));
    EXPECT_FALSE(untouched.valid);
    sonyCalibration = clearedCalibration();
}
