// The decoders against captured DualShock 4 and DualSense reports, and which
// of them reads a report.
#include <gtest/gtest.h>

#include "PadText.h"
#include "Reports.h"
#include "SonyVectors.h"
#include "input/SonyDecode.h"

using namespace vtx;
using vtxtest::held;
using vtxtest::hexReport;

namespace {

PadState heuristic(const std::vector<std::uint8_t>& r) {
    PadState s;
    EXPECT_TRUE(decodeHeuristic(r.data(), r.size(), s));
    return s;
}

PadState calibrated(const std::vector<std::uint8_t>& r, const SonyCalibration& c = defaultCalibration()) {
    return decodeCalibrated(c, r.data(), r.size());
}

} // namespace

TEST(HeuristicDecode, DualShock4UsbAndBluetooth) {
    auto usb = heuristic(hexReport(vtxtest::ds4UsbHat3));
    EXPECT_EQ(held(usb), "DD DR"); // the digital R2 bit is no button
    EXPECT_FLOAT_EQ(usb.triggers[kRight], 64 / 255.0f);

    auto bt = heuristic(hexReport(vtxtest::ds4Bt));
    EXPECT_FLOAT_EQ(bt.sticks[kLeft].x, 0);
    EXPECT_FLOAT_EQ(bt.sticks[kRight].x, 96 / 127.0f);
    EXPECT_FLOAT_EQ(bt.sticks[kRight].y, -64 / 127.0f); // 0x40 is up: negative on the screen
    EXPECT_FLOAT_EQ(bt.triggers[kRight], 200 / 255.0f);
    EXPECT_EQ(held(bt), "");
}

TEST(HeuristicDecode, ShortReportsAloneAndZeroPadded) {
    for (std::size_t padTo : {0, 78, 547}) {
        EXPECT_EQ(held(heuristic(hexReport(vtxtest::ds4BtShort, padTo))), "B L3") << padTo;
        EXPECT_EQ(held(heuristic(hexReport(vtxtest::dualSenseBtShort, padTo))), "Y RB") << padTo;
    }
}

TEST(HeuristicDecode, TieKeepsTheLowerOffsetAndRejectionFails) {
    // Offsets 1 and 2 both score 8, offset 0 only 6: offset 1 (hat 2, L2 255) wins.
    auto tie = heuristic(hexReport("01 00 80 80 80 08 02 00 00 FF 00 00 00 00 00 00"));
    EXPECT_EQ(held(tie), "DR");
    EXPECT_FLOAT_EQ(tie.triggers[kLeft], 1.0f);

    PadState untouched = vtxtest::padOf("A");
    auto r = hexReport("01 80 80 80 80 0F 00 00 00 00"); // hat 15 at the only offset
    EXPECT_FALSE(decodeHeuristic(r.data(), r.size(), untouched));
    EXPECT_EQ(held(untouched), "A");
}

TEST(CalibratedDecode, DualSenseUsbThroughTheBuiltInDefault) {
    EXPECT_EQ(held(calibrated(hexReport(vtxtest::dualSenseIdle))), "");
    // R1, Create, Options, Mute, L3, R3, PS, touchpad: the calibration binds R1 alone.
    EXPECT_EQ(held(calibrated(hexReport(vtxtest::dualSenseR1))), "RB");

    auto s = calibrated(hexReport(vtxtest::dualSenseCircleLeft));
    EXPECT_EQ(held(s), "B DL LB");
    EXPECT_FLOAT_EQ(s.sticks[kLeft].x, -96 / 127.0f);
    EXPECT_FLOAT_EQ(s.sticks[kLeft].y, 96 / 127.0f); // pushed down: positive on the screen
    EXPECT_FLOAT_EQ(s.triggers[kLeft], 1.0f);
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
    EXPECT_FLOAT_EQ(s.sticks[kLeft].x, -128 / 127.0f);
    EXPECT_FLOAT_EQ(s.sticks[kLeft].y, -128 / 127.0f); // byte 0 is up
    EXPECT_FLOAT_EQ(s.sticks[kRight].x, -1.0f);
    EXPECT_EQ(held(s), "B Y");
    EXPECT_EQ(s.triggers[kRight], 0.0f);

    c.ly_invert = false; // a clear Y flag turns the byte's direction over
    EXPECT_FLOAT_EQ(calibrated(r, c).sticks[kLeft].y, 128 / 127.0f);

    c.dpad_shift = 4;
    r[8] = 0x68; // hat 6 in the high nibble, which holds Circle's bit too
    EXPECT_EQ(held(calibrated(r, c)), "B DL");
    c.dpad_shift = 2; // neither nibble: the D-pad is off
    r[8] = 0x18;
    EXPECT_EQ(held(calibrated(r, c)), "");
}

TEST(DecodeSonyReport, FollowsTheCalibrationAndRefusesShortReports) {
    auto r = hexReport(vtxtest::dualSenseIdle);
    PadState s;
    SonyCalibration c = defaultCalibration();
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), c, SonyProtocol::none, s));
    EXPECT_EQ(held(s), "");
    c.valid = false; // the search reads byte 5 (L2 at 0) as hat up
    ASSERT_TRUE(decodeSonyReport(r.data(), r.size(), c, SonyProtocol::none, s));
    EXPECT_EQ(held(s), "DU");

    c = defaultCalibration();
    PadState untouched = vtxtest::padOf("A");
    const auto shortDs4 = hexReport(vtxtest::vectors::v10);
    EXPECT_FALSE(decodeSonyReport(shortDs4.data(), 9, c, SonyProtocol::dualShock4, untouched));
    EXPECT_FALSE(decodeSonyReport(r.data(), 9, c, SonyProtocol::none, untouched) ||
                 decodeSonyReport(nullptr, 64, c, SonyProtocol::none, untouched));
    EXPECT_EQ(held(untouched), "A");
}

namespace {

// Decodes as the source does, under the calibration given.
PadState sourceDecode(const SonyCalibration& calibration, SonyProtocol protocol, const std::string& hex,
                      std::size_t padTo = 0, bool* decoded = nullptr) {
    const auto r = hexReport(hex, padTo);
    PadState s;
    const bool ok = decodeSonyReport(r.data(), r.size(), calibration, protocol, s);
    if (decoded)
        *decoded = ok;
    return s;
}

constexpr SonyProtocol ds4 = SonyProtocol::dualShock4, ds5 = SonyProtocol::dualSense;

} // namespace

TEST(DecodeSonyReport, KnownLayoutsBeatTheBuiltInCalibration) {
    namespace v = vtxtest::vectors;
    // Under the built-in DualSense USB mapping a resting DualShock 4 showed D-pad up, and
    // this DualSense over Bluetooth Square and R1 besides Circle.
    for (const SonyCalibration& c : {defaultCalibration(), clearedCalibration()}) {
        EXPECT_EQ(sourceDecode(c, ds4, v::v1), PadState{});
        EXPECT_EQ(sourceDecode(c, ds4, v::v9, 547), vtxtest::padOf("Start Back", 128, 128, 255, 64, 0, 200 / 255.0f));
        EXPECT_EQ(sourceDecode(c, ds5, v::v16), vtxtest::padOf("B DL", 32, 224));
        EXPECT_EQ(held(sourceDecode(c, ds5, v::v14)), "L3 R3 PS Touchpad");
    }
}

// Share (Create) and Options each alone: 0x10 and 0x20 of the shoulders'
// byte, byte 6 of a DualShock 4's USB report and byte 9 of a DualSense's.
TEST(DecodeSonyReport, ShareAndOptionsAreBackAndStartEachAlone) {
    namespace v = vtxtest::vectors;
    const auto withByte = [](std::string hex, std::size_t index, const char* value) {
        return hex.replace(3 * index, 2, value);
    };
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), ds4, withByte(v::v1, 6, "10"))), "Back");
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), ds4, withByte(v::v1, 6, "20"))), "Start");
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), ds5, withByte(v::v11, 9, "10"))), "Back");
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), ds5, withByte(v::v11, 9, "20"))), "Start");
}

TEST(DecodeSonyReport, TheUsersOwnCalibrationWinsAndUnknownReportsKeepTheOldPath) {
    namespace v = vtxtest::vectors;
    // Made with the wizard on a DualShock 4 over USB: Cross read from bit 0x20 of byte 5, and so on.
    SonyCalibration own = defaultCalibration();
    own.square_byte = own.cross_byte = own.circle_byte = own.triangle_byte = own.dpad_byte = 5;
    own.l1_byte = own.r1_byte = 6;
    own.lt_byte = 8;
    own.rt_byte = 9;
    EXPECT_EQ(held(sourceDecode(own, ds4, v::v3)), "LB"); // no L3/R3 through a calibration
    // The same calibration reads a DualSense too, wrongly but as the user asked.
    EXPECT_EQ(held(sourceDecode(own, ds5, v::v11)), "DU"); // byte 5 (L2 at 0) as the hat

    // One that cannot read this report (a file without keys, bindings past
    // its end) or is switched off falls to the known layout.
    EXPECT_EQ(held(sourceDecode(missingKeyCalibration(), ds5, v::v13)), "RB Start Back Mute");
    own.rt_byte = 64;
    EXPECT_EQ(held(sourceDecode(own, ds4, v::v3)), "LB R3");
    own.enabled = false;
    EXPECT_EQ(held(sourceDecode(own, ds5, v::v11)), "");

    // No layout for the protocol: the built-in calibration, else the search.
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), SonyProtocol::none, v::v11)), "");
    EXPECT_EQ(held(sourceDecode(defaultCalibration(), SonyProtocol::none, v::v1)), "DU")
        << "the old misreading stays for Sony pads of unknown product";
    EXPECT_EQ(held(sourceDecode(clearedCalibration(), SonyProtocol::none, v::v7)), "DD DR");
}

TEST(DecodeSonyReport, AKnownReportWithoutAPadDecodesToNothing) {
    auto lonely = vtxtest::vectors::v3;
    lonely.replace(31 * 3, 2, "04"); // the adapter's "no pad" bit
    for (const SonyCalibration& c : {defaultCalibration(), clearedCalibration()}) {
        bool decoded = true;
        sourceDecode(c, SonyProtocol::dualShock4Adapter, lonely, 0, &decoded);
        EXPECT_FALSE(decoded);
    }
}
