// All sixteen wizard items bound once on a DualSense over USB, from a record
// in which every field the wizard writes holds something else, then saved:
// the file must name each control's own byte, bit, nibble value and axis sense.
#include <gtest/gtest.h>

#include <memory>

#include <fstream>
#include <iterator>

#include "Reports.h"
#include "input/CalibrationWizard.h"
#include "input/PadInput.h"
#include "vtxhost/VirtualDevices.h"

namespace fs = std::filesystem;

namespace {

// The notes' idle DualSense USB report (V11) with some bytes changed. Its
// counter (byte 7) and motion bytes move every report, as a resting pad's do.
struct Press {
    int byte = -1;
    std::uint8_t value = 0;
    int byte2 = -1; // the digital bit beside an analog trigger
    std::uint8_t value2 = 0;
};

vtx::Report dualSense(int frame, const Press& press = {}) {
    vtx::Report r = vtxtest::hexReport(vtxtest::vectors::v11);
    r[7] = static_cast<std::uint8_t>(0x3A + frame);
    r[16] = static_cast<std::uint8_t>(0xFF - frame * 3); // gyro
    if (press.byte >= 0)
        r[static_cast<std::size_t>(press.byte)] = press.value;
    if (press.byte2 >= 0)
        r[static_cast<std::size_t>(press.byte2)] = press.value2;
    return r;
}

// Every field the wizard writes differs from what binding the DualSense gives;
// enabled and valid are off and Options (never bound) holds something odd.
vtx::SonyCalibration unlikeTheDualSense() {
    vtx::SonyCalibration c;
    c.enabled = c.valid = false;
    c.square_byte = 10, c.square_mask = 0x01;
    c.cross_byte = 11, c.cross_mask = 0x02;
    c.circle_byte = 12, c.circle_mask = 0x04;
    c.triangle_byte = 25, c.triangle_mask = 0x08;
    c.l1_byte = 26, c.l1_mask = 0x10;
    c.r1_byte = 27, c.r1_mask = 0x20;
    c.options_byte = 28, c.options_mask = 0x40;
    c.dpad_byte = 30, c.dpad_shift = 4, c.dpad_neutral = 15;
    c.dpad_up = 9, c.dpad_right = 10, c.dpad_down = 11, c.dpad_left = 12;
    c.lx_byte = 20, c.lx_invert = true;
    c.ly_byte = 21, c.ly_invert = false;
    c.rx_byte = 22, c.rx_invert = true;
    c.ry_byte = 23, c.ry_invert = false;
    c.lt_byte = 24, c.rt_byte = 29;
    return c;
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(CalibrationWizardFile, EveryItemBoundOnceOnADualSenseAndSaved) {
    const fs::path roaming = fs::temp_directory_path() / "vtx-input-tests" / "wizard-every-item";
    fs::remove_all(roaming);
    fs::create_directories(roaming);
    vtxhost::devices().roamingFolder = roaming;

    const std::shared_ptr<GameWrapper> game;
    const std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::PadInput input({game, cvars});
    input.setCalibration(unlikeTheDualSense());
    std::uint64_t now = 1'000'000;
    int frame = 0;
    // One drawn frame of the tab, on copies as the tab takes them.
    const auto drawn = [&](const vtx::Report& report) {
        now += 16;
        vtx::BindState& bind = input.bind();
        vtx::SonyCalibration c = input.calibration();
        vtx::advanceBindTimers(bind, report, now);
        if (bind.phase == vtx::BindPhase::Detect)
            vtx::stepDetect(bind, report, c, now);
        else if (bind.phase == vtx::BindPhase::Release)
            vtx::stepRelease(bind, report, now);
        else if (bind.phase == vtx::BindPhase::Confirm)
            vtx::stepConfirm(bind, report, c, now);
        input.setCalibration(c);
    };
    // What the user does for each item, in the tab's order.
    const std::pair<int, Press> presses[] = {
        {1, {8, 0x00}},          // D-pad up: hat 0
        {2, {8, 0x02}},          // D-pad right: hat 2
        {3, {8, 0x04}},          // D-pad down: hat 4
        {4, {8, 0x06}},          // D-pad left: hat 6
        {5, {5, 0xFF, 9, 0x04}}, // L2 analog and its digital bit
        {6, {6, 0xFF, 9, 0x08}}, // R2
        {7, {1, 0xFF}},          // left stick right
        {8, {2, 0x00}},          // left stick up
        {9, {3, 0x00}},          // right stick left
        {10, {4, 0xFF}},         // right stick down
        {11, {8, 0x18}},         // Square
        {12, {8, 0x28}},         // Cross
        {13, {8, 0x48}},         // Circle
        {14, {8, 0x88}},         // Triangle
        {15, {9, 0x01}},         // L1
        {16, {9, 0x02}},         // R1
    };
    for (const auto& [item, press] : presses) {
        vtx::startBind(input.bind(), item, now);
        for (int i = 0; i < 100 && input.bind().phase != vtx::BindPhase::Detect; ++i)
            drawn(dualSense(frame++));
        for (int i = 0; i < 2; ++i)
            drawn(dualSense(frame++, press));
        drawn(dualSense(frame++));
        for (int i = 0; i < 2; ++i)
            drawn(dualSense(frame++, press));
        EXPECT_FALSE(input.bind().active) << "item " << item << " not committed";
    }
    // The tab judges the record after every frame; then "Save calibration".
    vtx::SonyCalibration c = input.calibration();
    vtx::revalidateCalibration(c, 64);
    input.setCalibration(c);
    ASSERT_TRUE(input.saveCalibration());

    EXPECT_EQ(fileText(roaming / "bakkesmod/bakkesmod/data/Vantrix/sony_calibration.ini"), "enabled=1\n"
                                                                                           "valid=1\n"
                                                                                           "square_byte=8\n"
                                                                                           "square_mask=16\n"
                                                                                           "cross_byte=8\n"
                                                                                           "cross_mask=32\n"
                                                                                           "circle_byte=8\n"
                                                                                           "circle_mask=64\n"
                                                                                           "triangle_byte=8\n"
                                                                                           "triangle_mask=128\n"
                                                                                           "l1_byte=9\n"
                                                                                           "l1_mask=1\n"
                                                                                           "r1_byte=9\n"
                                                                                           "r1_mask=2\n"
                                                                                           "options_byte=28\n"
                                                                                           "options_mask=64\n"
                                                                                           "dpad_byte=8\n"
                                                                                           "dpad_shift=0\n"
                                                                                           "dpad_neutral=8\n"
                                                                                           "dpad_up=0\n"
                                                                                           "dpad_right=2\n"
                                                                                           "dpad_down=4\n"
                                                                                           "dpad_left=6\n"
                                                                                           "lx_byte=1\n"
                                                                                           "lx_invert=0\n"
                                                                                           "ly_byte=2\n"
                                                                                           "ly_invert=1\n"
                                                                                           "rx_byte=3\n"
                                                                                           "rx_invert=0\n"
                                                                                           "ry_byte=4\n"
                                                                                           "ry_invert=1\n"
                                                                                           "lt_byte=5\n"
                                                                                           "rt_byte=6\n");
    vtxhost::devices().roamingFolder.clear();
}
