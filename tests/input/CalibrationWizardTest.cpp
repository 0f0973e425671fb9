// The calibration wizard's bind, played with real report layouts: DualSense
// and DualShock 4 USB reports whose counters and motion sensors keep moving,
// as a resting pad's reports do.
#include <cstdio>

#include <gtest/gtest.h>

#include "Reports.h"
#include "input/CalibrationWizard.h"

namespace {

using vtx::BindPhase;
using vtx::Report;
using vtx::StepResult;

// DualSense USB: counter at byte 7, hat + face buttons at 8, shoulders at 9.
Report dualSense(int counter, int byte8 = 0x08, int byte9 = 0x00, int ly = 0x80, int l2 = 0x00) {
    char head[64];
    std::snprintf(head, sizeof head, "01 80 %02X 80 80 %02X 00 %02X %02X %02X 00", ly, l2, counter & 0xFF, byte8,
                  byte9);
    return vtxtest::hexReport(vtxtest::dualSenseUsb(head));
}

// DualShock 4 USB (V1 of the notes): hat + face at 5, shoulders at 6, counter
// in the top bits of 7, L2 at 8, gyro from 13 on.
Report ds4(int frame, int byte5 = 0x08, int byte6 = 0x00, int l2 = 0x00, int lx = 0x80) {
    Report r = vtxtest::hexReport(
        "01 80 80 80 80 08 00 00 00 00 7D 4F 1A FE FF 03 00 FB FF 16 00 48 20 37 05 00 00 00 00 00 1B 00 00 01 00 80 "
        "00 00 00 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    r[1] = static_cast<std::uint8_t>(lx);
    r[5] = static_cast<std::uint8_t>(byte5);
    r[6] = static_cast<std::uint8_t>(byte6);
    r[7] = static_cast<std::uint8_t>((frame << 2) & 0xFC);
    r[8] = static_cast<std::uint8_t>(l2);
    r[13] = static_cast<std::uint8_t>(0x03 + frame * 7); // gyro jitter
    r[19] = static_cast<std::uint8_t>(0x16 ^ frame);
    return r;
}

struct Wizard : ::testing::Test {
    // One drawn frame of the tab: the timers first, then the phase's step.
    StepResult frame(const Report& report, std::uint64_t ms = 16) {
        now += ms;
        vtx::advanceBindTimers(bind, report, now);
        if (!bind.active)
            return StepResult::Nothing;
        switch (bind.phase) {
        case BindPhase::Detect:
            return vtx::stepDetect(bind, report, calibration, now);
        case BindPhase::Release:
            return vtx::stepRelease(bind, report, now);
        case BindPhase::Confirm:
            return vtx::stepConfirm(bind, report, calibration, now);
        default:
            return StepResult::Nothing;
        }
    }
    // Starts a bind and plays resting DualSense reports through the
    // countdown and the noise filter.
    void restUntilDetect(int item, int byte8 = 0x08, int ly = 0x80, int l2 = 0x00) {
        vtx::startBind(bind, item, now);
        for (int i = 0; bind.phase != BindPhase::Detect; ++i) {
            ASSERT_LT(i, 100) << "the countdown and the filter take 750 ms";
            frame(dualSense(counter++, byte8, 0x00, ly, l2));
        }
    }

    vtx::BindState bind;
    vtx::SonyCalibration calibration = vtx::defaultCalibration();
    std::uint64_t now = 5'000'000;
    int counter = 0x3A;
};

TEST_F(Wizard, CrossOnTheDualSenseIsCommittedAfterPressReleaseAndPressAgain) {
    vtx::startBind(bind, 12, now);
    EXPECT_EQ(bind.readyAt, now + 500);
    frame(dualSense(counter++), 499);
    EXPECT_EQ(bind.phase, BindPhase::Countdown);
    frame(dualSense(counter++), 1);
    EXPECT_EQ(bind.phase, BindPhase::NoiseFilter);
    EXPECT_EQ(bind.noiseEndsAt, now + 250);
    frame(dualSense(counter++), 249);
    EXPECT_EQ(bind.phase, BindPhase::NoiseFilter);
    frame(dualSense(counter++), 1);
    ASSERT_EQ(bind.phase, BindPhase::Detect);

    const vtx::SonyCalibration before = calibration;
    EXPECT_EQ(frame(dualSense(counter++, 0x28)), StepResult::Detected);
    EXPECT_EQ(bind.hits, 1);
    EXPECT_EQ(frame(dualSense(counter++, 0x28)), StepResult::Detected);
    ASSERT_EQ(bind.phase, BindPhase::Release);
    EXPECT_EQ(bind.deadline, now + 2500);
    EXPECT_EQ(frame(dualSense(counter++, 0x28)), StepResult::Nothing); // still held
    EXPECT_EQ(frame(dualSense(counter++, 0x08)), StepResult::Released);
    EXPECT_EQ(frame(dualSense(counter++, 0x28)), StepResult::Confirmed);
    EXPECT_EQ(calibration, before); // nothing written before the second confirming frame
    EXPECT_EQ(frame(dualSense(counter++, 0x28)), StepResult::Committed);
    EXPECT_FALSE(bind.active);

    vtx::SonyCalibration expected = before;
    expected.cross_byte = 8;
    expected.cross_mask = 0x20;
    EXPECT_EQ(calibration, expected);
    EXPECT_EQ(vtx::bindingText(12, calibration, 64), "byte 8 mask 0x20");
}

TEST_F(Wizard, TheNoiseFilterKeepsTheReportCounterOutOfAnUnanchoredButtonSearch) {
    // No hat binding: face buttons are searched over bytes 1-12 and 25-31,
    // where the DualSense's counter (byte 7) gains a bit now and then.
    calibration = vtx::clearedCalibration();
    restUntilDetect(11);
    ASSERT_EQ(bind.noisy.size(), 32u);
    EXPECT_EQ(bind.noisy[7], 1);
    EXPECT_EQ(bind.noisy[8], 0);
    // Each step of the counter sets exactly one new bit, like Square (0x10) going down.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(frame(dualSense(counter++, 0x18)), StepResult::Detected);
    EXPECT_EQ(bind.candButtonByte, 8);
    EXPECT_EQ(bind.candButtonMask, 0x10);
}

TEST_F(Wizard, DetectionNeedsTwoFramesInARow) {
    restUntilDetect(16); // R1: byte 9 bit 0x02, searched from byte 7 to 11
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0x02)), StepResult::Detected);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0x00)), StepResult::Nothing);
    EXPECT_EQ(bind.hits, 0);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0x02)), StepResult::Detected);
    EXPECT_EQ(bind.phase, BindPhase::Detect);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0x02)), StepResult::Detected);
    EXPECT_EQ(bind.phase, BindPhase::Release);
    EXPECT_EQ(bind.candButtonByte, 9);
}

TEST_F(Wizard, ButtonsAreSoughtOnlyNextToTheBoundHat) {
    // A finger resting on L2 lets its analog byte (5) creep from 0 to 1, a
    // single new bit below the hat byte (8) while Cross, then R1, goes down.
    restUntilDetect(12);
    EXPECT_EQ(frame(dualSense(counter++, 0x28, 0x00, 0x80, 0x01)), StepResult::Detected);
    EXPECT_EQ(bind.candButtonByte, 8);
    restUntilDetect(16);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0x02, 0x80, 0x01)), StepResult::Detected);
    EXPECT_EQ(bind.candButtonByte, 9);
    EXPECT_EQ(bind.candButtonMask, 0x02);
}

TEST_F(Wizard, ReleaseAndConfirmTimeOut2500msAfterDetection) {
    restUntilDetect(12);
    frame(dualSense(counter++, 0x28));
    frame(dualSense(counter++, 0x28));
    const std::uint64_t deadline = bind.deadline;
    EXPECT_EQ(frame(dualSense(counter++, 0x28), deadline - now), StepResult::Nothing); // at the deadline: still on
    EXPECT_EQ(frame(dualSense(counter++, 0x28), 1), StepResult::TimedOut);
    EXPECT_FALSE(bind.active);
    EXPECT_EQ(calibration, vtx::defaultCalibration());

    // Released in time, but Circle pressed instead of Cross: no confirmation.
    restUntilDetect(12);
    frame(dualSense(counter++, 0x28));
    frame(dualSense(counter++, 0x28));
    frame(dualSense(counter++, 0x08));
    ASSERT_EQ(bind.phase, BindPhase::Confirm);
    StepResult last = StepResult::Nothing;
    for (int i = 0; i < 200 && bind.active; ++i)
        last = frame(dualSense(counter++, 0x48));
    EXPECT_EQ(last, StepResult::TimedOut);
    EXPECT_EQ(calibration, vtx::defaultCalibration());
}

TEST_F(Wizard, DualShock4HatTriggerAndStickBindAtTheirBytes) {
    calibration = vtx::clearedCalibration();
    int f = 0;
    auto bindWith = [&](int item, auto pressed, auto rest) {
        vtx::startBind(bind, item, now);
        for (int i = 0; i < 60 && bind.phase != BindPhase::Detect; ++i)
            frame(rest(f++));
        for (int i = 0; i < 2; ++i)
            frame(pressed(f++));
        frame(rest(f++));
        for (int i = 0; i < 2; ++i)
            frame(pressed(f++));
        return !bind.active;
    };
    const auto rest = [](int n) { return ds4(n); };
    // D-pad up: hat 0 in the low nibble of byte 5.
    EXPECT_TRUE(bindWith(
        1, [](int n) { return ds4(n, 0x00); }, rest));
    EXPECT_EQ(calibration.dpad_byte, 5);
    EXPECT_EQ(calibration.dpad_shift, 0);
    EXPECT_EQ(calibration.dpad_up, 0);
    // D-pad right: hat 2; the other directions keep their values.
    EXPECT_TRUE(bindWith(
        2, [](int n) { return ds4(n, 0x02); }, rest));
    EXPECT_EQ(calibration.dpad_right, 2);
    EXPECT_EQ(vtx::bindingText(3, calibration, 64), "byte 5 shift 0");
    // L2: digital bit in byte 6 and the analog value in byte 8.
    EXPECT_TRUE(bindWith(
        5, [](int n) { return ds4(n, 0x08, 0x04, 0xFF); }, rest));
    EXPECT_EQ(calibration.lt_byte, 8);
    // Left stick X pushed right: byte 1; X is not inverted.
    EXPECT_TRUE(bindWith(
        7, [](int n) { return ds4(n, 0x08, 0, 0, 0xFF); }, rest));
    EXPECT_EQ(calibration.lx_byte, 1);
    EXPECT_FALSE(calibration.lx_invert);
    EXPECT_EQ(vtx::bindingText(7, calibration, 64), "byte 1");
    // Circle, with the hat now bound at byte 5: only byte 5 is searched.
    EXPECT_TRUE(bindWith(
        13, [](int n) { return ds4(n, 0x48); }, rest));
    EXPECT_EQ(calibration.circle_byte, 5);
    EXPECT_EQ(calibration.circle_mask, 0x40);
    // L1: bumpers are searched from byte 4 to 8.
    EXPECT_TRUE(bindWith(
        15, [](int n) { return ds4(n, 0x08, 0x01); }, rest));
    EXPECT_EQ(calibration.l1_byte, 6);
    EXPECT_EQ(calibration.l1_mask, 0x01);
}

TEST_F(Wizard, AxisAndTriggerMustMoveFarEnoughFromTheBaseline) {
    // Left stick Y resting deflected at 0xC8: a push must still move it 30 further.
    restUntilDetect(8, 0x08, 0xC8);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0, 0xE5)), StepResult::Nothing);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0, 0xE6)), StepResult::Detected);
    EXPECT_EQ(bind.candAxisByte, 2);
    EXPECT_TRUE(bind.candAxisInvert); // a Y axis, whichever way it was pushed

    // L2 resting half pressed at 120: found only above 140.
    restUntilDetect(5, 0x08, 0x80, 120);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0, 0x80, 140)), StepResult::Nothing);
    EXPECT_EQ(frame(dualSense(counter++, 0x08, 0, 0x80, 141)), StepResult::Detected);
    EXPECT_EQ(bind.candTriggerByte, 5);
}

TEST_F(Wizard, AHatThatWasNotNeutralAtBaselineIsNeverDetected) {
    restUntilDetect(1, 0x06); // resting with the hat at left
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frame(dualSense(counter++, 0x00)), StepResult::Nothing);
}

TEST(WizardScan, ReportIdMotionBytesAndBytesBeyond31AreNeverCandidates) {
    vtx::BindState bind;
    for (std::size_t i : {0u, 13u, 18u, 24u, 32u, 40u})
        EXPECT_FALSE(vtx::scanIndexAllowed(bind, i)) << i;
    for (std::size_t i : {1u, 12u, 25u, 31u})
        EXPECT_TRUE(vtx::scanIndexAllowed(bind, i)) << i;
}

TEST(WizardRows, BindingTextsFollowTheRecordAndTheReportLength) {
    const vtx::SonyCalibration def = vtx::defaultCalibration();
    EXPECT_EQ(vtx::bindingText(1, def, 64), "byte 8 shift 0");
    EXPECT_EQ(vtx::bindingText(6, def, 64), "byte 6");
    EXPECT_EQ(vtx::bindingText(8, def, 64), "byte 2 (inv)");
    EXPECT_EQ(vtx::bindingText(9, def, 64), "byte 3");
    EXPECT_EQ(vtx::bindingText(16, def, 64), "byte 9 mask 0x02");
    EXPECT_EQ(vtx::bindingText(16, def, 9), "(not set)"); // byte 9 is beyond a 9-byte report
    vtx::SonyCalibration odd = def;
    odd.dpad_shift = 2;
    EXPECT_EQ(vtx::bindingText(4, odd, 64), "(not set)");
    EXPECT_EQ(vtx::bindingText(11, vtx::clearedCalibration(), 64), "(not set)");
}

} // namespace
