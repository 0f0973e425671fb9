// The calibration file through the Windows shell's Roaming folder: written in
// text mode (CR LF) and read back unchanged.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "Calibrations.h"
#include "input/CalibrationFile.h"

using namespace vtx;

TEST(CalibrationFileOnWindows, CrlfLinesRoundTrip) {
    const std::filesystem::path path = calibrationPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.parent_path().filename(), "Vantrix");
    sonyCalibration = vtxtest::unusualCalibration();
    saveCalibration();
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    in.close();
    EXPECT_EQ(bytes.rfind("enabled=0\r\nvalid=1\r\nsquare_byte=8\r\n", 0), 0u);
    sonyCalibration = clearedCalibration();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, vtxtest::unusualCalibration());
    std::filesystem::remove(path);
    sonyCalibration = clearedCalibration();
}
