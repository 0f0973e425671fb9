// Keeping the pad on the canvas: the opaque part of a PNG, read by the
// plugin's own inflater, and where the picture is drawn from so that part is
// whole on the canvas.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/CanvasFit.h"
#include "core/Inflate.h"
#include "core/PngOpaqueBox.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// zlib.compress(b"hello hello hello hello", 9) in Python: one fixed-code block.
const Bytes kHelloFixed = {0x78, 0xDA, 0xCB, 0x48, 0xCD, 0xC9, 0xC9, 0x57,
                           0xC8, 0x40, 0x27, 0x01, 0x68, 0x03, 0x08, 0xB1};
// zlib.compress(kSentence * 4, 9): one block with its own (dynamic) codes.
const std::string kSentence =
    "The pad is drawn whole on the canvas wherever its place puts it; the stored place stays as the user set it. ";
const Bytes kSentenceDynamic = {0x78, 0xDA, 0xED, 0x8D, 0xD1, 0x09, 0xC0, 0x20, 0x0C, 0x44, 0x57, 0xB9, 0x09, 0xBA,
                                0x40, 0xD7, 0x70, 0x81, 0xA0, 0x01, 0x05, 0xD1, 0x92, 0x44, 0xA5, 0xDB, 0x37, 0x2D,
                                0xDD, 0xA0, 0xBF, 0xFD, 0x3B, 0xEE, 0xDD, 0xE3, 0x42, 0x66, 0x1C, 0x94, 0x50, 0x14,
                                0x49, 0x68, 0x35, 0xAC, 0xDC, 0x2B, 0xA3, 0x37, 0x98, 0x93, 0x48, 0x6D, 0x92, 0x7A,
                                0xC7, 0xC2, 0x93, 0x05, 0xC5, 0x14, 0x47, 0xA5, 0xE8, 0xCE, 0xF0, 0x58, 0x6C, 0x7F,
                                0x66, 0x6A, 0x5D, 0x38, 0xBD, 0x44, 0x8D, 0x4E, 0x85, 0x5B, 0x37, 0x19, 0xEA, 0x96,
                                0xB2, 0xF9, 0x74, 0x43, 0xF8, 0xBF, 0x3E, 0x7F, 0x5D, 0xE5, 0x4A, 0x9A, 0x79};

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(Inflate, ReadsStoredFixedAndDynamicBlocksToTheExpectedSize) {
    Bytes out;
    ASSERT_TRUE(vtx::inflateZlib(kHelloFixed, 23, out));
    EXPECT_EQ(text(out), "hello hello hello hello");
    std::string four;
    for (int i = 0; i < 4; ++i)
        four += kSentence;
    ASSERT_TRUE(vtx::inflateZlib(kSentenceDynamic, four.size(), out));
    EXPECT_EQ(text(out), four);
    // A stored block: length 3, its complement, the bytes.
    const Bytes stored = {0x78, 0x01, 0x01, 0x03, 0x00, 0xFC, 0xFF, 'a', 'b', 'c'};
    ASSERT_TRUE(vtx::inflateZlib(stored, 3, out));
    EXPECT_EQ(text(out), "abc");
}

TEST(Inflate, RefusesWhatIsNotExactlyTheExpectedStream) {
    Bytes out;
    EXPECT_FALSE(vtx::inflateZlib(kHelloFixed, 22, out)) << "one byte more than expected";
    EXPECT_FALSE(vtx::inflateZlib(kHelloFixed, 24, out)) << "one byte short of expected";
    Bytes cut(kHelloFixed.begin(), kHelloFixed.begin() + 8);
    EXPECT_FALSE(vtx::inflateZlib(cut, 23, out)) << "cut short";
    Bytes badHeader = kHelloFixed;
    badHeader[1] ^= 1; // the header's check no longer divides by 31
    EXPECT_FALSE(vtx::inflateZlib(badHeader, 23, out));
    const Bytes storedLie = {0x78, 0x01, 0x01, 0x03, 0x00, 0xFC, 0xFE, 'a', 'b', 'c'};
    EXPECT_FALSE(vtx::inflateZlib(storedLie, 3, out)) << "length and complement disagree";
    // A fixed block whose first code is a copy from 1 byte back, before any byte exists.
    const Bytes farBack = {0x78, 0x01, 0x03, 0x02, 0x00};
    EXPECT_FALSE(vtx::inflateZlib(farBack, 3, out));
}

// A PNG of stored (uncompressed) deflate blocks, its rows unfiltered: enough
// to give the reader every colour type, depth and interlacing exactly.
struct PngSpec {
    PngSpec(std::uint32_t w, std::uint32_t h, std::uint8_t bits, std::uint8_t type, bool interlace = false,
            Bytes transparency = {})
        : width(w), height(h), depth(bits), colour(type), interlaced(interlace), trns(std::move(transparency)) {}
    std::uint32_t width, height;
    std::uint8_t depth, colour;
    bool interlaced;
    Bytes trns; // empty: no tRNS chunk
};

void putBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void chunk(Bytes& png, const char* type, const Bytes& data) {
    putBigEndian(png, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putBigEndian(png, 0); // the reader does not check CRCs
}

Bytes zlibStored(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    return out;
}

// `rows` holds each (pass's) row's packed samples, without the filter byte.
Bytes png(const PngSpec& spec, const std::vector<Bytes>& rows) {
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian(header, spec.width);
    putBigEndian(header, spec.height);
    header.insert(header.end(), {spec.depth, spec.colour, 0, 0, static_cast<std::uint8_t>(spec.interlaced ? 1 : 0)});
    chunk(out, "IHDR", header);
    if (!spec.trns.empty())
        chunk(out, "tRNS", spec.trns);
    chunk(out, "IDAT", zlibStored(raw));
    chunk(out, "IEND", {});
    return out;
}

std::optional<vtx::PixelBox> box(const Bytes& file) { return vtx::pngOpaqueBox(file); }

TEST(PngOpaqueBox, FindsThePixelsWithAlphaInEveryColourType) {
    // RGBA 8: 3 by 2, only the pixel at 1,1 shows (alpha 1).
    EXPECT_EQ(box(png({3, 2, 8, 6}, {Bytes(12, 0), {0, 0, 0, 0, 9, 9, 9, 1, 0, 0, 0, 0}})),
              (vtx::PixelBox{1, 1, 2, 2}));
    // Grey + alpha 16: 2 by 1, the right pixel's alpha 0x0001 shows.
    EXPECT_EQ(box(png({2, 1, 16, 4}, {{0xFF, 0xFF, 0, 0, 0, 0, 0, 1}})), (vtx::PixelBox{1, 0, 2, 1}));
    // Palette of 2 bits, tRNS making entry 1 clear: 4 pixels 1,0,1,1 in one byte.
    EXPECT_EQ(box(png({4, 1, 2, 3, false, {255, 0}}, {{0b01'00'01'01}})), (vtx::PixelBox{1, 0, 2, 1}));
    // An entry past the end of tRNS is opaque: pixels 1,1,2,1.
    EXPECT_EQ(box(png({4, 1, 2, 3, false, {255, 0}}, {{0b01'01'10'01}})), (vtx::PixelBox{2, 0, 3, 1}));
    // Grey of 1 bit, tRNS making 1 clear: 8 pixels 11110111.
    EXPECT_EQ(box(png({8, 1, 1, 0, false, {0, 1}}, {{0b1111'0111}})), (vtx::PixelBox{4, 0, 5, 1}));
    // RGB 8 with a tRNS colour key: only the pixel that is not the key shows.
    EXPECT_EQ(box(png({2, 2, 8, 2, false, {0, 1, 0, 2, 0, 3}}, {{1, 2, 3, 1, 2, 3}, {1, 2, 3, 1, 2, 4}})),
              (vtx::PixelBox{1, 1, 2, 2}));
    // No transparency at all: opaque all over, read without inflating.
    Bytes opaque = png({5, 4, 8, 2}, {Bytes(15), Bytes(15), Bytes(15), Bytes(15)});
    EXPECT_EQ(box(opaque), (vtx::PixelBox{0, 0, 5, 4}));
}

TEST(PngOpaqueBox, ReadsInterlacedPicturesPassByPass) {
    // 3 by 3 grey + alpha 8, Adam7: passes 1 (0,0), 4 (2,0), 5 (0,2 and 2,2),
    // 6 (1,0 / 1,2), 7 (row 1: 0,1 1,1 2,1); passes 2 and 3 are empty.
    // Only pixel 2,1 (pass 7, third) shows.
    const std::vector<Bytes> rows = {
        {0, 0},       // pass 1: 0,0
        {0, 0},       // pass 4: 2,0
        {0, 0, 0, 0}, // pass 5: 0,2 2,2
        {0, 0},
        {0, 0},               // pass 6: 1,0 then 1,2
        {0, 0, 0, 0, 7, 200}, // pass 7: 0,1 1,1 2,1
    };
    EXPECT_EQ(box(png({3, 3, 8, 4, true}, rows)), (vtx::PixelBox{2, 1, 3, 2}));
}

TEST(PngOpaqueBox, RefusesWhatItCannotRead) {
    const Bytes good = png({2, 1, 8, 6}, {{0, 0, 0, 255, 0, 0, 0, 0}});
    ASSERT_EQ(box(good), (vtx::PixelBox{0, 0, 1, 1}));
    EXPECT_FALSE(box(png({2, 1, 8, 6}, {Bytes(8, 0)}))) << "transparent all over";
    EXPECT_FALSE(box(Bytes(good.begin(), good.begin() + 40))) << "cut short";
    Bytes notPng = good;
    notPng[1] = 'Q';
    EXPECT_FALSE(box(notPng));
    EXPECT_FALSE(box(png({9000, 1, 8, 6}, {Bytes(36000, 255)}))) << "wider than any skin";
    EXPECT_FALSE(box(png({2, 1, 7, 6}, {Bytes(8, 255)}))) << "no such depth";
    Bytes badFilter = png({2, 1, 8, 6}, {{0, 0, 0, 255, 0, 0, 0, 0}});
    // The filter byte of the only row is the first byte of the stored block's data.
    const std::size_t filterAt = 8 + 25 + 8 + 2 + 5;
    ASSERT_EQ(badFilter[filterAt], 0);
    badFilter[filterAt] = 5;
    EXPECT_FALSE(box(badFilter)) << "filter 5 does not exist";
    EXPECT_FALSE(box(png({2, 2, 8, 6}, {{0, 0, 0, 255, 0, 0, 0, 0}}))) << "a row missing";
}

TEST(CanvasFit, APlaceThatFitsIsKeptAndOneBeyondAnEdgeMovesJustEnough) {
    // The xbox pack's base: opaque from 191,26 to 676,429 of 700 by 460.
    const vtx::PixelBox pad{191, 26, 676, 429};
    const auto at = [&](float x, float y, float scale, int w, int h) {
        const vtx::CanvasOrigin o = vtx::placeOnCanvas(pad, {x, y}, scale, w, h);
        return std::pair{o.x, o.y};
    };
    // The default place, x 20 - 200 and y 980, on the screens players have.
    EXPECT_EQ(at(-180, 980, 1, 2560, 1440), std::pair(-180.0f, 980.0f)) << "1440p looks as it always did";
    EXPECT_EQ(at(-180, 980, 1, 1920, 1080), std::pair(-180.0f, 651.0f)) << "row 428 on the last row, 1079";
    EXPECT_EQ(at(-180, 980, 1, 1280, 720), std::pair(-180.0f, 291.0f));
    EXPECT_EQ(at(-180.5f, 980.25f, 1, 1920, 1080), std::pair(-180.5f, 651.0f)) << "moved only on the axis that is over";
    EXPECT_EQ(at(-400, 0, 1, 1920, 1080), std::pair(-191.0f, 0.0f)) << "left edge";
    EXPECT_EQ(at(100, -30, 1, 1920, 1080), std::pair(100.0f, -26.0f)) << "top edge";
    EXPECT_EQ(at(2000, 10, 1, 1920, 1080), std::pair(1244.0f, 10.0f)) << "right edge: 1244 + 676 = 1920";
    EXPECT_EQ(at(0, 0, 4, 1920, 1080), std::pair(-764.0f, -104.0f)) << "wider and taller: right, then top edge";
    // At half size the margin is 95.5 px and the bottom 214.5: moved to -95.5
    // and 505.5, each rounded on past the edge it was over.
    EXPECT_EQ(at(-180, 980.7f, 0.5f, 1280, 720), std::pair(-95.0f, 505.0f));
    EXPECT_EQ(at(1e30f, 3e9f, 1, 1920, 1080), std::pair(1244.0f, 651.0f)) << "far off comes back exactly";
    EXPECT_EQ(at(-180, 980, 1, 0, 0), std::pair(-180.0f, 980.0f)) << "unknown canvas size";
}

} // namespace
