// The calibration file in the Windows user's Roaming folder, written in
// text mode (CR LF) and read back unchanged.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Calibrations.h"
#include "input/CalibrationFile.h"

TEST(CalibrationFileOnWindows, CrLfLinesRoundTrip) {
    const std::filesystem::path path = vtx::calibrationPath();
    ASSERT_EQ(path.parent_path().filename(), "Vantrix");
    vtx::sonyCalibration = vtxtest::unusualCalibration();
    vtx::saveCalibration();
    {
        // Closed before the next save: Windows does not replace a file that
        // is open without delete sharing, as the standard streams open it.
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(bytes.rfind("enabled=0\r\nvalid=1\r\nsquare_byte=8\r\n", 0), 0u);
    }
    vtx::loadCalibration();
    EXPECT_EQ(vtx::sonyCalibration, vtxtest::unusualCalibration());

    vtx::sonyCalibration = vtx::defaultCalibration();
    vtx::saveCalibration();
    std::ifstream again(path, std::ios::binary);
    std::string expected;
    for (char ch : vtxtest::defaultCalibrationFile)
        expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ((std::string{std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>()}), expected);
    vtx::sonyCalibration = vtx::clearedCalibration();
}
