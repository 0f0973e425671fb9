// The decoders against captured DualShock 4 and DualSense reports, and which
// of them reads a report.
#include <gtest/gtest.h>

#include "Reports.h"
#include "SonyVectors.h"
#include "input/SonyDecode.h"

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
    SonyCalibration c = defaultCalibration();
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), c, unknownProduct, 1234, s));
    EXPECT_EQ(s.timestampMs, 1234u); // the clock it was given
    EXPECT_FALSE(s.dpadUp);
    c.valid = false; // the search reads byte 5 (L2 at 0) as hat up
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), c, unknownProduct, 1234, s));
    EXPECT_TRUE(s.dpadUp);

    c = defaultCalibration();
    RawPadSnapshot untouched;
    const auto shortDs4 = hexReport(vtxtest::vectors::v10);
    EXPECT_FALSE(decodeSonyReport(shortDs4.data(), 9, c, 0x05C4, 1, untouched));
    EXPECT_FALSE(decodeSonyReport(r.data(), 9, c, unknownProduct, 1, untouched) ||
                 decodeSonyReport(nullptr, 64, c, unknownProduct, 1, untouched));
    EXPECT_FALSE(untouched.valid);
}

TEST(LayoutSnapshot, HatDirectionsSticksAndTriggers) {
    // The notes' hat table: 0 up, clockwise in eighths, 8 at rest, 9-15 as at rest.
    const char* const directions[16] = {"U", "UR", "R", "DR", "D", "DL", "L", "UL", "", "", "", "", "", "", "", ""};
    for (std::uint8_t hat = 0; hat < 16; ++hat) {
        SonyPadState pad;
        pad.hat = hat;
        const RawPadSnapshot s = snapshotFromLayout(pad, 42);
        std::string lit = std::string(s.dpadUp ? "U" : "") + (s.dpadDown ? "D" : "") + (s.dpadLeft ? "L" : "") +
                          (s.dpadRight ? "R" : "");
        EXPECT_EQ(lit, directions[hat]) << int{hat};
        EXPECT_EQ(held(s), static_cast<int>(lit.size())) << int{hat};
    }

    SonyPadState pad;
    pad.lx = 0; // full left
    pad.ly = 0; // full up: positive in the snapshot
    pad.rx = 255;
    pad.ry = 192;
    pad.l2 = 255;
    pad.r2 = 51;
    pad.buttons = sonyL2 | sonyR2 | sonyShare | sonyOptions | sonyPs | sonyTouchpad | sonyMute | sonyEdgeLeftFn |
                  sonyEdgeRightFn | sonyEdgeLeftPaddle | sonyEdgeRightPaddle;
    const RawPadSnapshot s = snapshotFromLayout(pad, 42);
    EXPECT_TRUE(s.valid && s.timestampMs == 42);
    EXPECT_EQ(held(s), 0); // none of these has a layer
    EXPECT_FLOAT_EQ(s.lx, -128 / 127.0f);
    EXPECT_FLOAT_EQ(s.ly, 128 / 127.0f);
    EXPECT_FLOAT_EQ(s.rx, 1.0f);
    EXPECT_FLOAT_EQ(s.ry, -64 / 127.0f);
    EXPECT_FLOAT_EQ(s.lt, 1.0f);
    EXPECT_FLOAT_EQ(s.rt, 0.2f);

    pad.buttons = sonySquare | sonyCross | sonyCircle | sonyTriangle | sonyL1 | sonyR1 | sonyL3 | sonyR3;
    const RawPadSnapshot all = snapshotFromLayout(pad, 42);
    EXPECT_TRUE(all.x && all.a && all.b && all.y && all.lb && all.rb && all.l3 && all.r3);
}

namespace {

// Decodes as the sink does, under the calibration given.
RawPadSnapshot sinkDecode(const SonyCalibration& calibration, std::uint16_t product, const std::string& hex,
                          std::size_t padTo = 0, bool* decoded = nullptr) {
    const auto r = hexReport(hex, padTo);
    RawPadSnapshot s;
    const bool ok = decodeSonyReport(r.data(), r.size(), calibration, product, 7, s);
    if (decoded)
        *decoded = ok;
    return s;
}

} // namespace

TEST(DecodeSonyReport, KnownLayoutsBeatTheBuiltInCalibration) {
    namespace v = vtxtest::vectors;
    // Under the built-in DualSense USB mapping a resting DualShock 4 showed D-pad up, and
    // this DualSense over Bluetooth Square and R1 besides Circle.
    for (const SonyCalibration& c : {defaultCalibration(), clearedCalibration()}) {
        const RawPadSnapshot ds4 = sinkDecode(c, 0x09CC, v::v1);
        EXPECT_TRUE(ds4.valid);
        EXPECT_EQ(held(ds4), 0);
        EXPECT_EQ(ds4.lt + ds4.rt + ds4.lx + ds4.ly, 0.0f);
        const RawPadSnapshot ds4Bt = sinkDecode(c, 0x05C4, v::v9, 547);
        EXPECT_EQ(held(ds4Bt), 0);
        EXPECT_FLOAT_EQ(ds4Bt.rt, 200 / 255.0f);
        EXPECT_EQ(ds4Bt.lt + ds4Bt.lx + ds4Bt.ly, 0.0f);
        const RawPadSnapshot dsBt = sinkDecode(c, 0x0CE6, v::v16);
        EXPECT_TRUE(dsBt.b && dsBt.dpadLeft && held(dsBt) == 2);
        EXPECT_FLOAT_EQ(dsBt.lx, -96 / 127.0f);
        EXPECT_FLOAT_EQ(dsBt.ly, -96 / 127.0f); // pushed down
        const RawPadSnapshot dsUsb = sinkDecode(c, 0x0DF2, v::v14);
        EXPECT_TRUE(dsUsb.l3 && dsUsb.r3 && held(dsUsb) == 2); // the built-in mapping has no L3/R3
    }
}

TEST(DecodeSonyReport, TheUsersOwnCalibrationWinsAndUnknownReportsKeepTheOldPath) {
    namespace v = vtxtest::vectors;
    // Made with the wizard on a DualShock 4 over USB: Cross read from bit 0x20 of byte 5, and so on.
    SonyCalibration own = defaultCalibration();
    own.square_byte = own.cross_byte = own.circle_byte = own.triangle_byte = own.dpad_byte = 5;
    own.l1_byte = own.r1_byte = 6;
    own.lt_byte = 8;
    own.rt_byte = 9;
    const RawPadSnapshot mine = sinkDecode(own, 0x09CC, v::v3);
    EXPECT_TRUE(mine.lb && held(mine) == 1); // no L3/R3 through a calibration
    // The same calibration reads a DualSense too, wrongly but as the user asked.
    const RawPadSnapshot other = sinkDecode(own, 0x0CE6, v::v11);
    EXPECT_TRUE(other.dpadUp); // byte 5 (L2 at 0) as the hat

    // One that cannot read this report (a file without keys, bindings past
    // its end) or is switched off falls to the known layout.
    EXPECT_EQ(held(sinkDecode(missingKeyCalibration(), 0x0CE6, v::v13)), 1);
    own.rt_byte = 64;
    EXPECT_TRUE(sinkDecode(own, 0x09CC, v::v3).r3);
    own.enabled = false;
    EXPECT_TRUE(sinkDecode(own, 0x0CE6, v::v11).valid);
    EXPECT_EQ(held(sinkDecode(own, 0x0CE6, v::v11)), 0);

    // No row for the product or the report: the built-in calibration, else the search.
    EXPECT_EQ(held(sinkDecode(defaultCalibration(), 0, v::v11)), 0);
    const RawPadSnapshot unknownDs4 = sinkDecode(defaultCalibration(), 0, v::v1);
    EXPECT_TRUE(unknownDs4.dpadUp); // the old misreading stays for pads of unknown product
    const RawPadSnapshot searched = sinkDecode(clearedCalibration(), 0x05C5, v::v7);
    EXPECT_TRUE(searched.dpadDown && searched.dpadRight);
}

TEST(DecodeSonyReport, AKnownReportWithoutAPadDecodesToNothing) {
    auto lonely = vtxtest::vectors::v3;
    lonely.replace(31 * 3, 2, "04"); // the adapter's "no pad" bit
    for (const SonyCalibration& c : {defaultCalibration(), clearedCalibration()}) {
        bool decoded = true;
        EXPECT_FALSE(sinkDecode(c, 0x0BA0, lonely, 0, &decoded).valid);
        EXPECT_FALSE(decoded);
    }
}
