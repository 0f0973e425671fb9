// sony_calibration.ini on disk: where it lives, and what happens when it or
// its folder is missing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Calibrations.h"
#include "input/CalibrationFile.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
namespace fs = std::filesystem;

namespace {

class CalibrationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        roaming = fs::temp_directory_path() / "vtx-input-tests" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(roaming);
        fs::create_directories(roaming);
        vtxhost::devices().roamingFolder = roaming;
    }
    void TearDown() override { vtxhost::devices().roamingFolder.clear(); }
    fs::path file() const { return roaming / "bakkesmod/bakkesmod/data/Vantrix/sony_calibration.ini"; }
    fs::path roaming;
    SonyCalibration record = vtxtest::unusualCalibration();
};

} // namespace

TEST_F(CalibrationFileTest, NoFileGivesTheDefaultThenSaveAndLoadRoundTrip) {
    loadCalibration(record);
    EXPECT_EQ(record, defaultCalibration());
    EXPECT_FALSE(fs::exists(file())); // nothing written
    record = vtxtest::unusualCalibration();
    saveCalibration(record);
    record = clearedCalibration();
    loadCalibration(record);
    EXPECT_EQ(record, vtxtest::unusualCalibration());
}

TEST_F(CalibrationFileTest, CrLfFileWithMissingKeys) {
    fs::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary) << "enabled=1\r\nlx_byte=3\r\nsquare_mask=300 \r\n";
    loadCalibration(record);
    EXPECT_TRUE(record.valid);
    EXPECT_EQ(record.lx_byte, 3);
    EXPECT_EQ(record.square_mask, 44);
    EXPECT_EQ(record.cross_byte, -1);
}

TEST_F(CalibrationFileTest, NoRoamingFolderOrNoWayToCreateTheFolder) {
    std::ofstream(roaming / "bakkesmod") << "a file where the folder should be";
    for (bool withRoaming : {false, true}) {
        vtxhost::devices().roamingFolder = withRoaming ? roaming : fs::path();
        EXPECT_TRUE(calibrationPath().empty());
        loadCalibration(record);
        saveCalibration(record);
        EXPECT_EQ(record, vtxtest::unusualCalibration());
    }
}

namespace {

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST_F(CalibrationFileTest, SavedFilesWordForWord) {
    // "Reset to Default" writes the built-in DualSense USB mapping.
    record = defaultCalibration();
    saveCalibration(record);
    EXPECT_EQ(fileText(file()), vtxtest::defaultCalibrationFile);

    // A wizard's DualShock 4 Bluetooth calibration, switched off, with a
    // different value in every field that could be swapped with another.
    SonyCalibration c;
    c.enabled = false;
    c.valid = true;
    c.square_byte = 11;
    c.square_mask = 0x11;
    c.cross_byte = 12;
    c.cross_mask = 0x22;
    c.circle_byte = 13;
    c.circle_mask = 0x44;
    c.triangle_byte = 14;
    c.triangle_mask = 0x88;
    c.l1_byte = 15;
    c.l1_mask = 0x03;
    c.r1_byte = 16;
    c.r1_mask = 0x05;
    c.options_byte = 17;
    c.options_mask = 0x06;
    c.dpad_byte = 18;
    c.dpad_shift = 4;
    c.dpad_neutral = 15;
    c.dpad_up = 9;
    c.dpad_right = 10;
    c.dpad_down = 11;
    c.dpad_left = 12;
    c.lx_byte = 19;
    c.lx_invert = true;
    c.ly_byte = 20;
    c.ly_invert = false;
    c.rx_byte = 21;
    c.rx_invert = false;
    c.ry_byte = 22;
    c.ry_invert = true;
    c.lt_byte = 23;
    c.rt_byte = -1;
    record = c;
    saveCalibration(record);
    EXPECT_EQ(fileText(file()), "enabled=0\n"
                                "valid=1\n"
                                "square_byte=11\n"
                                "square_mask=17\n"
                                "cross_byte=12\n"
                                "cross_mask=34\n"
                                "circle_byte=13\n"
                                "circle_mask=68\n"
                                "triangle_byte=14\n"
                                "triangle_mask=136\n"
                                "l1_byte=15\n"
                                "l1_mask=3\n"
                                "r1_byte=16\n"
                                "r1_mask=5\n"
                                "options_byte=17\n"
                                "options_mask=6\n"
                                "dpad_byte=18\n"
                                "dpad_shift=4\n"
                                "dpad_neutral=15\n"
                                "dpad_up=9\n"
                                "dpad_right=10\n"
                                "dpad_down=11\n"
                                "dpad_left=12\n"
                                "lx_byte=19\n"
                                "lx_invert=1\n"
                                "ly_byte=20\n"
                                "ly_invert=0\n"
                                "rx_byte=21\n"
                                "rx_invert=0\n"
                                "ry_byte=22\n"
                                "ry_invert=1\n"
                                "lt_byte=23\n"
                                "rt_byte=-1\n");
}
