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
    vtx::SonyCalibration record;
    record = vtxtest::unusualCalibration();
    vtx::saveCalibration(record);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The save below replaces the file, which Windows refuses while a reader
    // that does not share delete access (as std::ifstream) holds it open.
    in.close();
    EXPECT_EQ(bytes.rfind("enabled=0\r\nvalid=1\r\nsquare_byte=8\r\n", 0), 0u);
    vtx::loadCalibration(record);
    EXPECT_EQ(record, vtxtest::unusualCalibration());

    record = vtx::defaultCalibration();
    vtx::saveCalibration(record);
    std::ifstream again(path, std::ios::binary);
    std::string expected;
    for (char ch : vtxtest::defaultCalibrationFile)
        expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ((std::string{std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>()}), expected);
}
