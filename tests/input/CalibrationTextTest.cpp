// The calibration file's text: the lines written, the lenient reading of
// every value, and the completeness rule.
#include <gtest/gtest.h>

#include "Calibrations.h"
#include "input/CalibrationText.h"

using namespace vtx;

TEST(CalibrationText, DefaultLinesAndRoundTripsWithLfAndCrLf) {
    EXPECT_EQ(formatCalibration(defaultCalibration()), vtxtest::defaultCalibrationFile);
    const SonyCalibration unusual = vtxtest::unusualCalibration();
    EXPECT_EQ(parseCalibration(formatCalibration(unusual)), unusual);
    std::string crlf;
    for (char ch : formatCalibration(unusual))
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(parseCalibration(crlf), unusual);
}

TEST(CalibrationText, MalformedValuesFallBackPerKey) {
    const auto read = [](const std::string& key, const std::string& value) {
        return parseCalibration(formatCalibration(defaultCalibration()) + key + "=" + value + "\n");
    };
    for (const char* seven : {" 7", "7abc", "+7 \t"})
        EXPECT_EQ(read("lx_byte", seven).lx_byte, 7) << seven;
    for (const char* bad : {"abc", "", "-", "2147483648", "99999999999999999999"})
        EXPECT_EQ(read("lx_byte", bad).lx_byte, -1) << bad;
    EXPECT_EQ(read("lx_byte", "-2147483648").lx_byte, -2147483647 - 1);
    EXPECT_EQ(read("square_mask", "300").square_mask, 44);
    EXPECT_EQ(read("square_mask", "x").square_mask, 0);
    EXPECT_EQ(read("dpad_right", "x").dpad_right, 2);
    EXPECT_TRUE(read("ly_invert", "-3").ly_invert);
    EXPECT_FALSE(read("enabled", "0").enabled);
    EXPECT_TRUE(read("enabled", "no").enabled);
}

TEST(CalibrationText, KeysAndLines) {
    EXPECT_EQ(parseCalibration("unknown=1\n"), missingKeyCalibration()); // enabled, valid, nothing bound
    EXPECT_EQ(parseCalibration("# note\nlt_byte\nlt_byte \t=5\n").lt_byte, 5);
    EXPECT_EQ(parseCalibration(" lt_byte=5\n").lt_byte, -1); // a leading blank makes another key
    EXPECT_EQ(parseCalibration("rt_byte=5\nrt_byte=6").rt_byte, 6);
}

TEST(RevalidateCalibration, FollowsTheReportLength) {
    SonyCalibration c = defaultCalibration();
    c.dpad_byte = 40;
    c.options_byte = 100; // not needed
    revalidateCalibration(c, 40);
    EXPECT_FALSE(c.enabled || c.valid);
    revalidateCalibration(c, 41);
    EXPECT_TRUE(c.enabled && c.valid);
    c.dpad_shift = 2;
    revalidateCalibration(c, 64);
    EXPECT_FALSE(c.enabled);
}
