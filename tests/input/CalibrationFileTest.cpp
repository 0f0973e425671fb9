// sony_calibration.ini on disk: where it lives, and what happens when it or
// its folder is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Calibrations.h"
#include "input/CalibrationFile.h"
#include "input/SonyCalibration.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
namespace fs = std::filesystem;

namespace {

class CalibrationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        roaming = fs::temp_directory_path() / "vtx-input-tests" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() / "roaming";
        fs::remove_all(roaming);
        fs::create_directories(roaming);
        vtxhost::devices().roamingFolder = roaming;
        sonyCalibration = clearedCalibration();
    }
    void TearDown() override {
        vtxhost::devices().roamingFolder.clear();
        fs::remove_all(roaming);
    }
    fs::path file() const { return roaming / "bakkesmod" / "bakkesmod" / "data" / "Vantrix" / "sony_calibration.ini"; }
    fs::path roaming;
};

} // namespace

TEST_F(CalibrationFileTest, SaveLoadRoundTrip) {
    sonyCalibration = vtxtest::unusualCalibration();
    saveCalibration();
    ASSERT_TRUE(fs::exists(file()));
    sonyCalibration = clearedCalibration();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
}

TEST_F(CalibrationFileTest, NoFileGivesDefaultAndWritesNothing) {
    loadCalibration();
    EXPECT_EQ(sonyCalibration, defaultCalibration());
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_TRUE(fs::is_directory(file().parent_path()));
}

TEST_F(CalibrationFileTest, CrlfFileOnDisk) {
    fs::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary) << "enabled=1\r\nvalid=1\r\nlx_byte=3\r\nsquare_mask=300 \r\n";
    loadCalibration();
    EXPECT_EQ(sonyCalibration.lx_byte, 3);
    EXPECT_EQ(sonyCalibration.square_mask, 44);
    EXPECT_EQ(sonyCalibration.cross_byte, -1);
}

TEST_F(CalibrationFileTest, NoRoamingFolderLeavesEverythingAlone) {
    vtxhost::devices().roamingFolder.clear();
    EXPECT_TRUE(calibrationPath().empty());
    sonyCalibration = vtxtest::unusualCalibration();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
    saveCalibration();
    EXPECT_TRUE(fs::is_empty(roaming));
}

TEST_F(CalibrationFileTest, FolderThatCannotBeCreated) {
    std::ofstream(roaming / "bakkesmod") << "a file where the folder should be";
    EXPECT_TRUE(calibrationPath().empty());
    sonyCalibration = vtxtest::unusualCalibration();
    EXPECT_NO_THROW(loadCalibration());
    EXPECT_NO_THROW(saveCalibration());
    EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
}
