#include <gtest/gtest.h>

#include "Numbers.h"

using namespace vtxpreview;

TEST(Numbers, IntegersMustBeWholeWords) {
    EXPECT_EQ(parseInteger("120"), 120);
    EXPECT_EQ(parseInteger("-32768"), -32768);
    EXPECT_EQ(parseInteger("0x1F"), 31);
    for (const char* bad : {"", "12x", "+5", " 1", "0x", "1.5", "--1", "0x-1"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
}

TEST(Numbers, HexWithOrWithoutPrefix) {
    EXPECT_EQ(parseHex("1000"), 0x1000u);
    EXPECT_EQ(parseHex("0xF000"), 0xF000u);
    for (const char* bad : {"", "0x", "g1", "-1", "12 "})
        EXPECT_FALSE(parseHex(bad).has_value()) << bad;
}

TEST(Numbers, FloatsRejectJunkAndNonFinite) {
    EXPECT_DOUBLE_EQ(parseNumber("0.5").value(), 0.5);
    EXPECT_DOUBLE_EQ(parseNumber("-2e3").value(), -2000);
    EXPECT_DOUBLE_EQ(parseNumber("7").value(), 7);
    for (const char* bad : {"", "1.5.2", "inf", "nan", "1e999", "+1", "0.5s"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(Numbers, HexBytesArePairsWithOptionalUnderscores) {
    std::string error;
    EXPECT_EQ(parseHexBytes("0180ff", error), (std::vector<std::uint8_t>{0x01, 0x80, 0xff}));
    EXPECT_EQ(parseHexBytes("01_80_FF", error), (std::vector<std::uint8_t>{0x01, 0x80, 0xff}));
    EXPECT_EQ(parseHexBytes("0_1", error), (std::vector<std::uint8_t>{0x01}));
    EXPECT_EQ(error, "");
}

TEST(Numbers, BadHexBytesSayWhy) {
    std::string error;
    EXPECT_TRUE(parseHexBytes("018", error).empty());
    EXPECT_EQ(error, "'018' has an odd number of hex digits");
    error.clear();
    EXPECT_TRUE(parseHexBytes("01zz", error).empty());
    EXPECT_EQ(error, "'01zz' is not hex bytes");
    error.clear();
    EXPECT_TRUE(parseHexBytes("__", error).empty());
    EXPECT_EQ(error, "empty hex bytes");
    error.clear();
    EXPECT_TRUE(parseHexBytes("0x01", error).empty()) << "a prefix is not a byte";
    EXPECT_NE(error, "");
}
