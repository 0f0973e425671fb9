// The calibration file's text: the exact lines written, the lenient reading
// of every value, and the completeness rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "Calibrations.h"
#include "input/CalibrationText.h"
#include "input/SonyCalibration.h"

using namespace vtx;

namespace {

std::string withLine(const std::string& key, const std::string& value) {
    return formatCalibration(defaultCalibration()) + key + "=" + value + "\n";
}

} // namespace

TEST(CalibrationText, DefaultTextAndRoundTrip) {
    const std::string text = formatCalibration(defaultCalibration());
    EXPECT_EQ(text.rfind("enabled=1\nvalid=1\nsquare_byte=8\nsquare_mask=16\ncross_byte=8\ncross_mask=32\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 33);
    EXPECT_NE(text.find("\noptions_byte=-1\noptions_mask=0\n"), std::string::npos);
    EXPECT_EQ(parseCalibration(text), defaultCalibration());
    EXPECT_EQ(parseCalibration(formatCalibration(vtxtest::unusualCalibration())), vtxtest::unusualCalibration());

    std::string crlf;
    for (char ch : formatCalibration(vtxtest::unusualCalibration()))
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(parseCalibration(crlf), vtxtest::unusualCalibration());
}

TEST(CalibrationText, MalformedValuesFallBackPerKey) {
    EXPECT_EQ(parseCalibration(withLine("lx_byte", " 7")).lx_byte, 7);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "7abc")).lx_byte, 7);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "+7 \t")).lx_byte, 7);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "abc")).lx_byte, -1);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "")).lx_byte, -1);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "-")).lx_byte, -1);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "2147483648")).lx_byte, -1);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "99999999999999999999")).lx_byte, -1);
    EXPECT_EQ(parseCalibration(withLine("lx_byte", "-2147483648")).lx_byte, -2147483647 - 1);
    EXPECT_EQ(parseCalibration(withLine("square_mask", "300")).square_mask, 44);
    EXPECT_EQ(parseCalibration(withLine("square_mask", "x")).square_mask, 0);
    EXPECT_EQ(parseCalibration(withLine("dpad_neutral", "x")).dpad_neutral, 8);
    EXPECT_EQ(parseCalibration(withLine("dpad_right", "x")).dpad_right, 2);
    EXPECT_TRUE(parseCalibration(withLine("ly_invert", "-3")).ly_invert);
    EXPECT_FALSE(parseCalibration(withLine("enabled", "0")).enabled);
    EXPECT_TRUE(parseCalibration(withLine("enabled", "no")).enabled);
}

TEST(CalibrationText, KeysAndLines) {
    EXPECT_EQ(parseCalibration(""), missingKeyCalibration());
    EXPECT_EQ(parseCalibration("# note\nlt_byte\nlt_byte \t=5\n").lt_byte, 5);
    EXPECT_EQ(parseCalibration(" lt_byte=5\n").lt_byte, -1); // a leading blank makes another key
    EXPECT_EQ(parseCalibration("rt_byte=5\nrt_byte=6").rt_byte, 6);
    EXPECT_EQ(parseCalibration("rt_byte=5=6\n").rt_byte, 5);
    const SonyCalibration none = parseCalibration("unknown=1\n");
    EXPECT_TRUE(none.enabled && none.valid);
    EXPECT_FALSE(calibrationComplete(none, 64));
}

TEST(RevalidateCalibration, FollowsTheReportLength) {
    sonyCalibration = defaultCalibration();
    sonyCalibration.dpad_byte = 40;
    revalidateCalibration(40);
    EXPECT_FALSE(sonyCalibration.enabled || sonyCalibration.valid);
    revalidateCalibration(41);
    EXPECT_TRUE(sonyCalibration.enabled && sonyCalibration.valid);
    sonyCalibration.options_byte = 100; // not needed
    sonyCalibration.dpad_shift = 2;
    revalidateCalibration(64);
    EXPECT_FALSE(sonyCalibration.enabled);
    sonyCalibration = clearedCalibration();
}
