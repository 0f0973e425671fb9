// The known report layouts against every report vector of the Sony HID
// notes, with the padding Windows adds, and the reports no layout covers.
#include <gtest/gtest.h>

#include "PadText.h"
#include "Reports.h"
#include "SonyVectors.h"
#include "input/SonyLayouts.h"

using namespace vtx;
using vtxtest::hexReport;
using vtxtest::padOf;
using vtxtest::triggerByte;

namespace {

constexpr SonyProtocol ds4 = SonyProtocol::dualShock4, adapter = SonyProtocol::dualShock4Adapter,
                       ds5 = SonyProtocol::dualSense;

struct Vector {
    const char* name;
    const std::string& hex;
    std::vector<SonyProtocol> protocols;
    std::vector<std::size_t> paddedTo; // 0: as the pad sends it
    PadState expected;
};

// Each vector's expectation, as the notes state it: the buttons by their
// place on the pad (Cross is "A", Share and Create "Back", Options "Start").
const std::vector<Vector>& noteVectors() {
    namespace v = vtxtest::vectors;
    static const std::vector<Vector> all = {
        // DualShock 4 over USB (and through the wireless adapter).
        {"V1 idle", v::v1, {ds4, adapter}, {0}, padOf("")},
        {"V3 L1 R3, left stick up-left", v::v3, {ds4, adapter}, {0}, padOf("LB R3", 0, 0)},
        {"V4 digital L2 R2, L2 255 R2 128",
         v::v4,
         {ds4, adapter},
         {0},
         padOf("", 128, 128, 128, 128, 1, triggerByte(128))},
        {"V6 PS under a frame counter", v::v6, {ds4, adapter}, {0}, padOf("PS")},
        {"V7 hat down-right, R2 64",
         v::v7,
         {ds4, adapter},
         {0},
         padOf("DD DR", 128, 128, 128, 128, 0, triggerByte(64))},
        // DualShock 4 over Bluetooth: the full report, Windows' 547-byte padding, and the short report.
        {"V9 Share Options R2, right stick",
         v::v9,
         {ds4},
         {0, 547},
         padOf("Start Back", 128, 128, 255, 64, 0, triggerByte(200))},
        {"V10 short: Circle L3", v::v10, {ds4}, {0, 78, 547}, padOf("B L3")},
        // DualSense and DualSense Edge over USB.
        {"V11 idle", v::v11, {ds5}, {0}, padOf("")},
        {"V13 R1 Create Options Mute", v::v13, {ds5}, {0}, padOf("RB Start Back Mute")},
        {"V14 L3 R3 PS touchpad, counter 0xFF", v::v14, {ds5}, {0}, padOf("L3 R3 PS Touchpad")},
        {"V15 Edge right Fn and left paddle only", v::v15, {ds5}, {0}, padOf("FnR PaddleL")},
        // DualSense over Bluetooth: the full report and the short one.
        {"V16 Circle, hat left, left stick down-left", v::v16, {ds5}, {0}, padOf("B DL", 32, 224)},
        {"V17 L1 R2 PS, R2 255", v::v17, {ds5}, {0}, padOf("LB PS", 128, 128, 128, 128, 0, 1)},
        {"V18 short: Triangle R1", v::v18, {ds5}, {0, 78, 547}, padOf("Y RB")},
    };
    return all;
}

KnownLayout decode(SonyProtocol protocol, const std::vector<std::uint8_t>& r, PadState& out) {
    return decodeKnownLayout(protocol, r.data(), r.size(), out);
}

} // namespace

TEST(KnownLayout, EveryVectorOfTheNotesOnEveryPadThatSendsIt) {
    for (const Vector& v : noteVectors()) {
        for (SonyProtocol protocol : v.protocols) {
            for (std::size_t padTo : v.paddedTo) {
                SCOPED_TRACE(::testing::Message()
                             << v.name << ", protocol " << static_cast<int>(protocol) << ", padded to " << padTo);
                PadState out;
                ASSERT_EQ(decode(protocol, hexReport(v.hex, padTo), out), KnownLayout::decoded);
                EXPECT_EQ(out, v.expected);
            }
        }
    }
}

TEST(KnownLayout, TheHatsEightDirectionsADiagonalHoldingBoth) {
    // The notes' hat table: 0 up, clockwise in eighths, 8 at rest, 9-15 as at rest.
    const char* const directions[16] = {"DU", "DU DR", "DR", "DD DR", "DD", "DD DL", "DL", "DU DL",
                                        "",   "",      "",   "",      "",   "",      "",   ""};
    for (int hat = 0; hat < 16; ++hat) {
        auto r = hexReport(vtxtest::vectors::v1);
        r[5] = static_cast<std::uint8_t>(hat);
        PadState out;
        ASSERT_EQ(decode(ds4, r, out), KnownLayout::decoded);
        EXPECT_EQ(vtxtest::held(out), directions[hat]) << hat;
    }
}

TEST(KnownLayout, CounterBitsAtTheirHighestPressNothing) {
    // DualShock 4: the frame counter fills bits 2-7 of byte 7 (USB) or 9 (Bluetooth).
    auto usb = hexReport(vtxtest::vectors::v1);
    usb[7] = 0xFC;
    auto bt = hexReport(vtxtest::vectors::v9, 547);
    bt[9] = 0xFC;
    // DualSense: byte 7 (USB) or 8 (Bluetooth) is a whole sequence byte.
    auto dsUsb = hexReport(vtxtest::vectors::v11);
    dsUsb[7] = 0xFF;
    auto dsBt = hexReport(vtxtest::vectors::v16);
    dsBt[8] = 0xFF;
    PadState out;
    ASSERT_EQ(decode(ds4, usb, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "");
    ASSERT_EQ(decode(ds4, bt, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "Start Back");
    ASSERT_EQ(decode(ds5, dsUsb, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "");
    ASSERT_EQ(decode(ds5, dsBt, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "B DL");
}

TEST(KnownLayout, EveryBitOfTheSystemBytes) {
    // DualSense USB byte 10, Bluetooth byte 11: PS, touchpad, Mute, a spare
    // bit, then the Edge's left and right Fn and left and right paddles.
    const char* const bits[8] = {"PS", "Touchpad", "Mute", "", "FnL", "FnR", "PaddleL", "PaddleR"};
    for (int bit = 0; bit < 8; ++bit) {
        auto usb = hexReport(vtxtest::vectors::v11);
        usb[10] = static_cast<std::uint8_t>(1 << bit);
        auto bt = hexReport(vtxtest::vectors::v16);
        bt[11] = static_cast<std::uint8_t>(1 << bit);
        PadState out;
        ASSERT_EQ(decode(ds5, usb, out), KnownLayout::decoded);
        EXPECT_EQ(vtxtest::held(out), bits[bit]) << "USB bit " << bit;
        ASSERT_EQ(decode(ds5, bt, out), KnownLayout::decoded);
        EXPECT_EQ(vtxtest::held(out), std::string("B DL") + (bits[bit][0] ? " " : "") + bits[bit]) << "BT bit " << bit;
    }
    // DualShock 4 byte 7: PS and touchpad in bits 0 and 1, the rest a counter.
    auto ds4Usb = hexReport(vtxtest::vectors::v1);
    ds4Usb[7] = 0x02 | 0xA8;
    PadState out;
    ASSERT_EQ(decode(ds4, ds4Usb, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "Touchpad");
}

TEST(KnownLayout, ATriggerWithItsButtonBitAndNoPressureIsFullyPressed) {
    // Pads with digital triggers (a Victrix Pro FS) set the L2/R2 bit and
    // leave the analog byte at 0. DualShock 4: bits 0x04 / 0x08 of byte 6,
    // analog at 8 / 9; DualSense: bits of byte 9, analog at 5 / 6 (USB).
    auto ds4Usb = hexReport(vtxtest::vectors::v1);
    ds4Usb[6] = 0x04;
    PadState out;
    ASSERT_EQ(decode(ds4, ds4Usb, out), KnownLayout::decoded);
    EXPECT_EQ(out.triggers[kLeft], 1.0f);
    EXPECT_EQ(out.triggers[kRight], 0.0f);
    auto dsUsb = hexReport(vtxtest::vectors::v11);
    dsUsb[9] = 0x08;
    ASSERT_EQ(decode(ds5, dsUsb, out), KnownLayout::decoded);
    EXPECT_EQ(out.triggers[kLeft], 0.0f);
    EXPECT_EQ(out.triggers[kRight], 1.0f);
    // With pressure, the pressure counts: the bit is set long before the end.
    dsUsb[6] = 51;
    ASSERT_EQ(decode(ds5, dsUsb, out), KnownLayout::decoded);
    EXPECT_FLOAT_EQ(out.triggers[kRight], 0.2f);
    EXPECT_EQ(vtxtest::held(out), "") << "a trigger's bit is no button";
}

TEST(KnownLayout, ReportsThatCarryNoPad) {
    // The wireless adapter with no pad paired: bit 2 of byte 31.
    auto lonely = hexReport(vtxtest::vectors::v3);
    lonely[31] |= 0x04;
    PadState out = padOf("A");
    EXPECT_EQ(decode(adapter, lonely, out), KnownLayout::noPadState);
    EXPECT_EQ(out, padOf("A")); // untouched
    // A pad plugged in by cable has no such state: the bit means nothing there.
    ASSERT_EQ(decode(ds4, lonely, out), KnownLayout::decoded);
    EXPECT_EQ(vtxtest::held(out), "LB R3");

    // A full Bluetooth report without its "HID data" flag.
    auto noData = hexReport(vtxtest::vectors::v9);
    noData[1] = 0x40;
    EXPECT_EQ(decode(ds4, noData, out), KnownLayout::noPadState);
}

TEST(KnownLayout, ReportsNoRowCovers) {
    namespace v = vtxtest::vectors;
    const struct {
        const char* what;
        SonyProtocol protocol;
        std::vector<std::uint8_t> report;
    } cases[] = {
        {"no protocol", SonyProtocol::none, hexReport(v::v11)},
        {"DualSense report id on a DualShock 4", ds4, hexReport(v::v16)},
        {"DualShock 4 report id on a DualSense", ds5, hexReport(v::v9)},
        {"a Bluetooth report through the adapter", adapter, hexReport(v::v9)},
        {"report id no layout knows", ds5, hexReport("05" + v::v11.substr(2))},
        {"report id no layout knows", ds4, hexReport("1A" + v::v9.substr(2))},
        {"full Bluetooth report cut short", ds5, hexReport(v::v16.substr(0, 77 * 3 - 1))},
        {"short report below ten bytes", ds4, hexReport(v::v10.substr(0, 9 * 3 - 1))},
        {"empty", ds5, {}},
    };
    for (const auto& c : cases) {
        PadState out = padOf("A");
        EXPECT_EQ(decode(c.protocol, c.report, out), KnownLayout::notCovered) << c.what;
        EXPECT_EQ(out, padOf("A")) << c.what;
    }
}

TEST(KnownLayout, DualShock4BluetoothReportsWithAudioBeginLikeTheFullOne) {
    for (const char* id : {"12", "19"}) {
        PadState out;
        ASSERT_EQ(decode(ds4, hexReport(id + vtxtest::vectors::v9.substr(2), 547), out), KnownLayout::decoded);
        EXPECT_EQ(out, padOf("Start Back", 128, 128, 255, 64, 0, triggerByte(200))) << id;
    }
}
