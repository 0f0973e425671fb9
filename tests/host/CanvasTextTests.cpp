// The canvas's text: what DrawString records for the preview and the
// scenarios, and the sizes GetStringSize gives in the stand-in's font.
#include <array>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "vtxhost/CanvasFont.h"
#include "vtxhost/Host.h"

namespace {

using Kind = vtxhost::CanvasOp::Kind;

CanvasWrapper canvasOf(vtxhost::CanvasRecord& record) {
    return CanvasWrapper(reinterpret_cast<std::uintptr_t>(&record));
}

TEST(CanvasText, EachDrawStringIsATextWithTheStateSetBeforeIt) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    canvas.SetColor(10, 20, 30, static_cast<char>(200));
    canvas.SetPosition(Vector2{120, 340});
    canvas.DrawString("142 ms", 2, 3, true);
    canvas.SetPosition(Vector2{-5, 7});
    ImageWrapper missing("no-such-picture.png", true);
    canvas.DrawTexture(&missing, 1); // a draw, though it shows nothing
    canvas.DrawString("120 ms");
    canvas.DrawString("98 ms", 1.5f, 0.5f);
    canvas.DrawString("wrapped", 1, 1, false, true);

    ASSERT_EQ(record.texts.size(), 4u);
    const vtxhost::TextDraw& big = record.texts[0];
    EXPECT_EQ(big.text, "142 ms");
    EXPECT_EQ(big.x, 120);
    EXPECT_EQ(big.y, 340);
    EXPECT_EQ(big.xScale, 2);
    EXPECT_EQ(big.yScale, 3);
    EXPECT_TRUE(big.dropShadow);
    EXPECT_FALSE(big.wrap);
    EXPECT_EQ(big.r, 10);
    EXPECT_EQ(big.g, 20);
    EXPECT_EQ(big.b, 30);
    EXPECT_EQ(big.a, 200);
    EXPECT_EQ(big.drawsBefore, 0u);

    // Drawing a string leaves the position where it was.
    const vtxhost::TextDraw& plain = record.texts[1];
    EXPECT_EQ(plain.text, "120 ms");
    EXPECT_EQ(plain.x, -5);
    EXPECT_EQ(plain.y, 7);
    EXPECT_EQ(plain.xScale, 1);
    EXPECT_EQ(plain.yScale, 1);
    EXPECT_FALSE(plain.dropShadow);
    EXPECT_EQ(plain.drawsBefore, 1u);
    EXPECT_EQ(record.texts[2].x, -5);
    EXPECT_EQ(record.texts[2].xScale, 1.5f);
    EXPECT_EQ(record.texts[2].yScale, 0.5f);
    EXPECT_FALSE(record.texts[2].dropShadow);
    EXPECT_TRUE(record.texts[3].wrap);
    EXPECT_EQ(record.draws.size(), 1u); // texts are not texture draws

    ASSERT_EQ(record.ops.size(), 8u);
    EXPECT_EQ(record.ops[2].kind, Kind::DrawString);
    EXPECT_EQ(record.ops[2].text, "142 ms");
    EXPECT_EQ(record.ops[2].xScale, 2);
    EXPECT_TRUE(record.ops[2].dropShadow);
    EXPECT_EQ(record.ops[4].kind, Kind::DrawTexture);
    EXPECT_EQ(record.ops[5].kind, Kind::DrawString);
}

TEST(CanvasText, ACanvasWithNoFrameDrawsNothingButStillMeasures) {
    CanvasWrapper canvas(0);
    canvas.DrawString("142 ms", 2, 2, true); // nothing to record into, nothing thrown
    const Vector2F size = canvas.GetStringSize("142 ms", 2, 2);
    EXPECT_EQ(size.X, 96);
    EXPECT_EQ(size.Y, 26);
}

// 8 by 13 pixels a character, each scaled on its own axis.
TEST(CanvasText, StringSizeIsEightByThirteenACharacter) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    Vector2F size = canvas.GetStringSize("142 ms");
    EXPECT_EQ(size.X, 48);
    EXPECT_EQ(size.Y, 13);
    size = canvas.GetStringSize("142 ms", 2.5f, 0.5f);
    EXPECT_EQ(size.X, 120);
    EXPECT_EQ(size.Y, 6.5f);
    size = canvas.GetStringSize("");
    EXPECT_EQ(size.X, 0);
    EXPECT_EQ(size.Y, 13);
    // A character of several UTF-8 bytes is one glyph wide.
    EXPECT_EQ(canvas.GetStringSize("\xC3\xA9t\xC3\xA9").X, 24);
    EXPECT_TRUE(record.ops.empty()); // measuring draws nothing
}

// Rows of X11's misc-fixed 8x13, written out from the font.
TEST(CanvasText, GlyphsAreTheFixedFontsAndUnknownCharactersABox) {
    const auto glyphs = vtxhost::canvasGlyphs("4m\x01\xE2\x82\xAC \x80");
    ASSERT_EQ(glyphs.size(), 6u); // '4', 'm', a control, the euro sign, a space, a stray continuation byte
    const std::array<std::uint8_t, 13> four{0x00, 0x00, 0x04, 0x0C, 0x14, 0x24, 0x44,
                                            0x44, 0x7E, 0x04, 0x04, 0x00, 0x00};
    const std::array<std::uint8_t, 13> em{0x00, 0x00, 0x00, 0x00, 0x00, 0xEC, 0x92, 0x92, 0x92, 0x92, 0x82, 0x00, 0x00};
    const std::array<std::uint8_t, 13> box{0x00, 0x00, 0xAA, 0x00, 0x82, 0x00, 0x82,
                                           0x00, 0x82, 0x00, 0xAA, 0x00, 0x00};
    const auto rows = [](const vtxhost::CanvasGlyph* glyph) {
        std::array<std::uint8_t, 13> out{};
        std::copy(std::begin(glyph->rows), std::end(glyph->rows), out.begin());
        return out;
    };
    EXPECT_EQ(rows(glyphs[0]), four);
    EXPECT_EQ(rows(glyphs[1]), em);
    EXPECT_EQ(rows(glyphs[2]), box);
    EXPECT_EQ(rows(glyphs[3]), box);
    EXPECT_EQ(rows(glyphs[4]), (std::array<std::uint8_t, 13>{}));
    EXPECT_EQ(rows(glyphs[5]), box);
}

} // namespace
