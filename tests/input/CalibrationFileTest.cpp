// sony_calibration.ini on disk: where it lives, and what happens when it or
// its folder is missing.
#include <gtest/gtest.h>

#include <fstream>

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
        sonyCalibration = vtxtest::unusualCalibration();
    }
    void TearDown() override {
        vtxhost::devices().roamingFolder.clear();
        sonyCalibration = clearedCalibration();
    }
    fs::path file() const { return roaming / "bakkesmod/bakkesmod/data/Vantrix/sony_calibration.ini"; }
    fs::path roaming;
};

} // namespace

TEST_F(CalibrationFileTest, NoFileGivesTheDefaultThenSaveAndLoadRoundTrip) {
    loadCalibration();
    EXPECT_EQ(sonyCalibration, defaultCalibration());
    EXPECT_FALSE(fs::exists(file())); // nothing written
    sonyCalibration = vtxtest::unusualCalibration();
    saveCalibration();
    sonyCalibration = clearedCalibration();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
}

TEST_F(CalibrationFileTest, CrLfFileWithMissingKeys) {
    fs::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary) << "enabled=1\r\nlx_byte=3\r\nsquare_mask=300 \r\n";
    loadCalibration();
    EXPECT_TRUE(sonyCalibration.valid);
    EXPECT_EQ(sonyCalibration.lx_byte, 3);
    EXPECT_EQ(sonyCalibration.square_mask, 44);
    EXPECT_EQ(sonyCalibration.cross_byte, -1);
}

TEST_F(CalibrationFileTest, NoRoamingFolderOrNoWayToCreateTheFolder) {
    std::ofstream(roaming / "bakkesmod") << "a file where the folder should be";
    for (bool withRoaming : {false, true}) {
        vtxhost::devices().roamingFolder = withRoaming ? roaming : fs::path();
        EXPECT_TRUE(calibrationPath().empty());
        loadCalibration();
        saveCalibration();
        EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
    }
}
