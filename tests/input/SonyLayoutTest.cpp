// The known report layouts against every report vector of the Sony HID
// notes, with the padding Windows adds, and the reports no layout covers.
#include <gtest/gtest.h>

#include <ostream>

#include "Reports.h"
#include "SonyVectors.h"
#include "input/SonyLayouts.h"

using namespace vtx;
using vtxtest::hexReport;

namespace vtx {
void PrintTo(const SonyPadState& s, std::ostream* os) {
    *os << "buttons=0x" << std::hex << s.buttons << std::dec << " hat=" << int{s.hat} << " sticks=" << int{s.lx} << ","
        << int{s.ly} << "," << int{s.rx} << "," << int{s.ry} << " triggers=" << int{s.l2} << "," << int{s.r2};
}
} // namespace vtx

namespace {

constexpr std::uint16_t ds4v1 = 0x05C4, ds4v2 = 0x09CC, adapter = 0x0BA0, ds = 0x0CE6, edge = 0x0DF2;

// The notes' expectation of a report: sticks and triggers default to rest.
SonyPadState pad(std::uint32_t buttons, std::uint8_t hat = 8, std::uint8_t l2 = 0, std::uint8_t r2 = 0) {
    SonyPadState s;
    s.buttons = buttons;
    s.hat = hat;
    s.l2 = l2;
    s.r2 = r2;
    return s;
}
SonyPadState withSticks(SonyPadState s, std::uint8_t lx, std::uint8_t ly, std::uint8_t rx, std::uint8_t ry) {
    s.lx = lx;
    s.ly = ly;
    s.rx = rx;
    s.ry = ry;
    return s;
}

struct Vector {
    const char* name;
    const std::string& hex;
    std::vector<std::uint16_t> products;
    std::vector<std::size_t> paddedTo; // 0: as the pad sends it
    SonyPadState expected;
};

const std::vector<Vector>& noteVectors() {
    namespace v = vtxtest::vectors;
    static const std::vector<Vector> all = {
        // DualShock 4 over USB (and through the wireless adapter).
        {"V1 idle", v::v1, {ds4v1, ds4v2, adapter}, {0}, pad(0)},
        {"V3 L1 R3, left stick up-left",
         v::v3,
         {ds4v1, ds4v2, adapter},
         {0},
         withSticks(pad(sonyL1 | sonyR3), 0, 0, 128, 128)},
        {"V4 digital L2 R2, L2 255 R2 128", v::v4, {ds4v1, ds4v2, adapter}, {0}, pad(sonyL2 | sonyR2, 8, 255, 128)},
        {"V6 PS under a frame counter", v::v6, {ds4v1, ds4v2, adapter}, {0}, pad(sonyPs)},
        {"V7 hat down-right, R2 64", v::v7, {ds4v1, ds4v2, adapter}, {0}, pad(sonyR2, 3, 0, 64)},
        // DualShock 4 over Bluetooth: the full report, Windows' 547-byte padding, and the short report.
        {"V9 Share Options R2, right stick",
         v::v9,
         {ds4v1, ds4v2},
         {0, 547},
         withSticks(pad(sonyR2 | sonyShare | sonyOptions, 8, 0, 200), 128, 128, 255, 64)},
        {"V10 short: Circle L3", v::v10, {ds4v1, ds4v2}, {0, 78, 547}, pad(sonyCircle | sonyL3)},
        // DualSense and DualSense Edge over USB.
        {"V11 idle", v::v11, {ds, edge}, {0}, pad(0)},
        {"V13 R1 Create Options Mute", v::v13, {ds, edge}, {0}, pad(sonyR1 | sonyShare | sonyOptions | sonyMute)},
        {"V14 L3 R3 PS touchpad, counter 0xFF", v::v14, {ds, edge}, {0}, pad(sonyL3 | sonyR3 | sonyPs | sonyTouchpad)},
        {"V15 Edge right Fn and left paddle only", v::v15, {edge, ds}, {0}, pad(sonyEdgeRightFn | sonyEdgeLeftPaddle)},
        // DualSense over Bluetooth: the full report and the short one.
        {"V16 Circle, hat left, left stick down-left",
         v::v16,
         {ds, edge},
         {0},
         withSticks(pad(sonyCircle, 6), 32, 224, 128, 128)},
        {"V17 L1 R2 PS, R2 255", v::v17, {ds, edge}, {0}, pad(sonyL1 | sonyR2 | sonyPs, 8, 0, 255)},
        {"V18 short: Triangle R1", v::v18, {ds, edge}, {0, 78, 547}, pad(sonyTriangle | sonyR1)},
    };
    return all;
}

KnownLayout decode(std::uint16_t product, const std::vector<std::uint8_t>& r, SonyPadState& out) {
    return decodeKnownLayout(product, r.data(), r.size(), out);
}

} // namespace

TEST(KnownLayout, EveryVectorOfTheNotesOnEveryPadThatSendsIt) {
    for (const Vector& v : noteVectors()) {
        for (std::uint16_t product : v.products) {
            for (std::size_t padTo : v.paddedTo) {
                SCOPED_TRACE(::testing::Message()
                             << v.name << ", product " << std::hex << product << std::dec << ", padded to " << padTo);
                SonyPadState out;
                ASSERT_EQ(decode(product, hexReport(v.hex, padTo), out), KnownLayout::decoded);
                EXPECT_EQ(out, v.expected);
            }
        }
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
    SonyPadState out;
    ASSERT_EQ(decode(ds4v2, usb, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, 0u);
    ASSERT_EQ(decode(ds4v1, bt, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, std::uint32_t{sonyR2 | sonyShare | sonyOptions});
    ASSERT_EQ(decode(ds, dsUsb, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, 0u);
    ASSERT_EQ(decode(edge, dsBt, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, std::uint32_t{sonyCircle});
}

TEST(KnownLayout, AllFourEdgeButtonsAndNoneOfThemOnTheOtherBits) {
    auto r = hexReport(vtxtest::vectors::v11);
    r[10] = 0xF0;
    SonyPadState out;
    ASSERT_EQ(decode(edge, r, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, std::uint32_t{sonyEdgeLeftFn | sonyEdgeRightFn | sonyEdgeLeftPaddle | sonyEdgeRightPaddle});
    auto bt = hexReport(vtxtest::vectors::v17);
    bt[11] = 0x90; // Bluetooth: the system byte one later
    ASSERT_EQ(decode(edge, bt, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, std::uint32_t{sonyL1 | sonyR2 | sonyEdgeLeftFn | sonyEdgeRightPaddle});
}

TEST(KnownLayout, ReportsThatCarryNoPad) {
    // The wireless adapter with no pad paired: bit 2 of byte 31.
    auto lonely = hexReport(vtxtest::vectors::v3);
    lonely[31] |= 0x04;
    SonyPadState out = pad(sonyCross);
    EXPECT_EQ(decode(adapter, lonely, out), KnownLayout::noPadState);
    EXPECT_EQ(out, pad(sonyCross)); // untouched
    // A pad plugged in by cable has no such state: the bit means nothing there.
    ASSERT_EQ(decode(ds4v1, lonely, out), KnownLayout::decoded);
    EXPECT_EQ(out.buttons, std::uint32_t{sonyL1 | sonyR3});

    // A full Bluetooth report without its "HID data" flag.
    auto noData = hexReport(vtxtest::vectors::v9);
    noData[1] = 0x40;
    EXPECT_EQ(decode(ds4v2, noData, out), KnownLayout::noPadState);
}

TEST(KnownLayout, ReportsNoRowCovers) {
    namespace v = vtxtest::vectors;
    const struct {
        const char* what;
        std::uint16_t product;
        std::vector<std::uint8_t> report;
    } cases[] = {
        {"unknown product", 0x0000, hexReport(v::v11)},
        {"another Sony product", 0x05C5, hexReport(v::v1)},
        {"DualSense report id on a DualShock 4", ds4v1, hexReport(v::v16)},
        {"DualShock 4 report id on a DualSense", ds, hexReport(v::v9)},
        {"a Bluetooth report through the adapter", adapter, hexReport(v::v9)},
        {"report id no layout knows", ds, hexReport("05" + v::v11.substr(2))},
        {"report id no layout knows", ds4v2, hexReport("1A" + v::v9.substr(2))},
        {"full Bluetooth report cut short", ds, hexReport(v::v16.substr(0, 77 * 3 - 1))},
        {"short report below ten bytes", ds4v1, hexReport(v::v10.substr(0, 9 * 3 - 1))},
        {"empty", ds, {}},
    };
    for (const auto& c : cases) {
        SonyPadState out = pad(sonyCross);
        EXPECT_EQ(decode(c.product, c.report, out), KnownLayout::notCovered) << c.what;
        EXPECT_EQ(out, pad(sonyCross)) << c.what;
    }
}

TEST(KnownLayout, DualShock4BluetoothReportsWithAudioBeginLikeTheFullOne) {
    for (const char* id : {"12", "19"}) {
        SonyPadState out;
        ASSERT_EQ(decode(ds4v1, hexReport(id + vtxtest::vectors::v9.substr(2), 547), out), KnownLayout::decoded);
        EXPECT_EQ(out, withSticks(pad(sonyR2 | sonyShare | sonyOptions, 8, 0, 200), 128, 128, 255, 64)) << id;
    }
}
