// vtx_saved_pos.ini's text and the position's number formats.
#include <gtest/gtest.h>

#include "core/PositionText.h"

namespace {

using vtx::OverlayPosition;

const OverlayPosition kStart{20, 980, 1};

TEST(PositionText, WrittenAsThreeLinesOfGeneralNumbers) {
    EXPECT_EQ(vtx::formatPositionText({20, 980.5f, 1.25f}), "x=20\ny=980.5\nscale=1.25\n");
    EXPECT_EQ(vtx::formatPositionText({-200, 1234567, 0.1f}), "x=-200\ny=1.23457e+06\nscale=0.1\n");
}

TEST(PositionText, SixDecimalsForThePrintedPosition) {
    EXPECT_EQ(vtx::formatSixDecimals(20), "20.000000");
    EXPECT_EQ(vtx::formatSixDecimals(-0.5f), "-0.500000");
}

TEST(PositionText, EachNumericExactKeyReplacesItsValue) {
    EXPECT_EQ(vtx::parsePositionText("x=300\r\ny=40.5\r\nscale=2\r\n", kStart), (OverlayPosition{300, 40.5f, 2}));
    EXPECT_EQ(vtx::parsePositionText("scale=1.5\n", kStart), (OverlayPosition{20, 980, 1.5f}));
    EXPECT_EQ(vtx::parsePositionText("", kStart), kStart);
    // Untrimmed, case-sensitive keys; a later line wins.
    EXPECT_EQ(vtx::parsePositionText("x =5\nX=6\n x=7\ny=1\ny=2\n", kStart), (OverlayPosition{20, 2, 1}));
}

TEST(PositionText, ValuesReadTheirLongestNumericPrefixOrAreSkipped) {
    EXPECT_EQ(vtx::parsePositionText("x=abc\ny= \t12.5px\nscale=+0x1p1\n", kStart), (OverlayPosition{20, 12.5f, 2}));
    // Out of the float range, or not a finite number: skipped.
    EXPECT_EQ(vtx::parsePositionText("x=1e39\ny=nan\nscale=-inf\n", kStart), kStart);
    EXPECT_EQ(vtx::parsePositionText("x=1e-50\ny=-1e3x\nscale=--1\n", kStart), (OverlayPosition{20, -1000, 1}));
}

} // namespace
