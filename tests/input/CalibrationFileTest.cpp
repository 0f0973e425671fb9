// sony_calibration.ini: its text, the lenient reading, and where it lives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/CalibrationFile.h"
#include "input/CalibrationText.h"
#include "input/SonyCalibration.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
namespace fs = std::filesystem;

namespace {

SonyCalibration unusual() {
    SonyCalibration c = defaultCalibration();
    c.enabled = false;
    c.options_byte = 9;
    c.options_mask = 0xFF;
    c.dpad_shift = 4;
    c.dpad_left = 15;
    c.lx_invert = true;
    c.rt_byte = -2147483647 - 1;
    return c;
}

std::string withLine(const std::string& key, const std::string& value) {
    return formatCalibration(defaultCalibration()) + key + "=" + value + "\n";
}

class CalibrationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        roaming = fs::temp_directory_path() / ("vtx-calibration-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

TEST(CalibrationText, DefaultTextAndRoundTrip) {
    const std::string text = formatCalibration(defaultCalibration());
    EXPECT_EQ(text.rfind("enabled=1\nvalid=1\nsquare_byte=8\nsquare_mask=16\ncross_byte=8\ncross_mask=32\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 33);
    EXPECT_NE(text.find("\noptions_byte=-1\noptions_mask=0\n"), std::string::npos);
    EXPECT_EQ(parseCalibration(text), defaultCalibration());
    EXPECT_EQ(parseCalibration(formatCalibration(unusual())), unusual());

    std::string crlf;
    for (char ch : formatCalibration(unusual()))
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(parseCalibration(crlf), unusual());
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

TEST_F(CalibrationFileTest, SaveLoadRoundTrip) {
    sonyCalibration = unusual();
    saveCalibration();
    ASSERT_TRUE(fs::exists(file()));
    sonyCalibration = clearedCalibration();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, unusual());
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
    sonyCalibration = unusual();
    loadCalibration();
    EXPECT_EQ(sonyCalibration, unusual());
    saveCalibration();
    EXPECT_TRUE(fs::is_empty(roaming));
}

TEST_F(CalibrationFileTest, FolderThatCannotBeCreated) {
    std::ofstream(roaming / "bakkesmod") << "a file where the folder should be";
    EXPECT_TRUE(calibrationPath().empty());
    sonyCalibration = unusual();
    EXPECT_NO_THROW(loadCalibration());
    EXPECT_NO_THROW(saveCalibration());
    EXPECT_EQ(sonyCalibration, unusual());
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
