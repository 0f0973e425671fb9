// The preview's picture of a frame: canvas draws (position, scale, tint,
// alpha, order) over the backdrop, then Dear ImGui's windows on top. SDL's
// software renderer blends in 8 bits, so colours compare within a tolerance.
#include <gtest/gtest.h>

#include "FrameRenderer.h"
#include "imgui.h"

namespace {

using vtxpreview::Picture;

constexpr int kTolerance = 3;
const std::vector<int> kBackdrop = {32, 32, 40};
const std::vector<int> kRed = {255, 0, 0};

// A 2×1 picture: an opaque red pixel, then a fully transparent one.
vtxhost::DrawCall redDot(int x, int y, float scale, unsigned char alpha) {
    vtxhost::DrawCall draw;
    draw.pixels = std::make_shared<std::vector<std::uint8_t>>(std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 255, 0});
    draw.imageWidth = 2;
    draw.imageHeight = 1;
    draw.x = static_cast<float>(x);
    draw.y = static_cast<float>(y);
    draw.scale = scale;
    draw.a = alpha;
    return draw;
}

std::vector<int> pixel(const Picture& picture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2]};
}

testing::AssertionResult near(const std::vector<int>& found, const std::vector<int>& wanted) {
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        if (std::abs(found[c] - wanted[c]) > kTolerance)
            return testing::AssertionFailure()
                   << "found " << testing::PrintToString(found) << ", wanted " << testing::PrintToString(wanted);
    }
    return testing::AssertionSuccess();
}

Picture render(const vtxhost::CanvasRecord& frame, int width, int height) {
    return vtxpreview::FrameRenderer(width, height).render(frame);
}

TEST(Snapshot, CanvasDrawsScaledAtTheirPositionOverTheBackdrop) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(1, 1, 2.0f, 255));
    frame.draws.push_back(redDot(-1, 0, 1.0f, 255)); // half off the left edge: only its clear pixel is in
    frame.draws.push_back(redDot(7, 3, 10.0f, 255)); // mostly off the bottom right
    const Picture picture = render(frame, 8, 4);
    EXPECT_TRUE(near(pixel(picture, 1, 1), kRed));
    EXPECT_TRUE(near(pixel(picture, 2, 2), kRed));      // scale 2: 2×2 pixels of red
    EXPECT_TRUE(near(pixel(picture, 3, 1), kBackdrop)); // the transparent source pixel
    EXPECT_TRUE(near(pixel(picture, 1, 3), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 0, 0), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 7, 3), kRed));
}

TEST(Snapshot, TintAndAlphaBlendAndLaterDrawsGoOnTop) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(0, 0, 1.0f, 255));
    vtxhost::DrawCall blue = redDot(0, 0, 1.0f, 128);
    blue.r = 0;
    blue.b = 255; // a blue tint of a red picture leaves no colour: black at half strength
    frame.draws.push_back(blue);
    const Picture picture = render(frame, 2, 1);
    EXPECT_TRUE(near(pixel(picture, 0, 0), {127, 0, 0}));
}

vtxhost::TextDraw text(const std::string& string, int x, int y, float xScale, float yScale) {
    vtxhost::TextDraw draw;
    draw.text = string;
    draw.x = static_cast<float>(x);
    draw.y = static_cast<float>(y);
    draw.xScale = xScale;
    draw.yScale = yScale;
    draw.g = 0;
    draw.b = 0;
    return draw;
}

// The fixed font's "1": rows 2 to 10 of 13, written out from the font.
//   ...#....   row 2        .#.#....   row 4
//   ..##....   row 3        ...#....   rows 5 to 9
//                           .#####..   row 10
TEST(Snapshot, TextDrawsTheFixedFontScaledWithItsShadowBeneath) {
    vtxhost::CanvasRecord frame;
    vtxhost::TextDraw one = text("1", 0, 0, 2, 1);
    one.dropShadow = true;
    frame.texts.push_back(one);
    const Picture picture = render(frame, 16, 13);
    const std::vector<int> black = {0, 0, 0};
    EXPECT_TRUE(near(pixel(picture, 6, 2), kRed)); // column 3, two pixels wide
    EXPECT_TRUE(near(pixel(picture, 7, 2), kRed));
    EXPECT_TRUE(near(pixel(picture, 5, 2), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 8, 2), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 4, 3), kRed));
    EXPECT_TRUE(near(pixel(picture, 7, 3), kRed));  // the text over its own shadow
    EXPECT_TRUE(near(pixel(picture, 8, 3), black)); // the shadow, a pixel down and right
    EXPECT_TRUE(near(pixel(picture, 2, 4), kRed));
    EXPECT_TRUE(near(pixel(picture, 4, 4), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 2, 10), kRed));
    EXPECT_TRUE(near(pixel(picture, 11, 10), kRed));
    EXPECT_TRUE(near(pixel(picture, 12, 10), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 12, 11), black));
    EXPECT_TRUE(near(pixel(picture, 2, 11), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 6, 1), kBackdrop));

    // Without a shadow nothing black; the next character starts 8 pixels on.
    vtxhost::CanvasRecord plain;
    plain.texts.push_back(text(" 1", 0, 0, 1, 2));
    const Picture second = render(plain, 16, 26);
    EXPECT_TRUE(near(pixel(second, 11, 4), kRed)); // row 2 of the "1", two pixels high
    EXPECT_TRUE(near(pixel(second, 11, 5), kRed));
    EXPECT_TRUE(near(pixel(second, 12, 5), kBackdrop));
    EXPECT_TRUE(near(pixel(second, 3, 4), kBackdrop));
}

TEST(Snapshot, TextAlphaBlendsAndTextsAndPicturesOverlapInCallOrder) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(0, 0, 20.0f, 255)); // red over 0..19 x 0..19
    vtxhost::TextDraw under = text("1", 0, 0, 2, 1);
    under.g = 255; // yellow, drawn before the picture
    frame.texts.push_back(under);
    vtxhost::TextDraw over = text("1", 0, 8, 1, 1);
    over.r = 0;
    over.b = 255;
    over.a = 128; // half-transparent blue, after the picture
    over.drawsBefore = 1;
    frame.texts.push_back(over);
    const Picture picture = render(frame, 20, 20);
    EXPECT_TRUE(near(pixel(picture, 6, 2), kRed));           // covered by the picture
    EXPECT_TRUE(near(pixel(picture, 3, 10), {127, 0, 128})); // row 2 of the second "1"
}

vtxhost::ShapeDraw line(float x1, float y1, float x2, float y2, float width) {
    vtxhost::ShapeDraw shape;
    shape.x = x1;
    shape.y = y1;
    shape.endX = x2;
    shape.endY = y2;
    shape.lineWidth = width;
    shape.g = 0;
    shape.b = 0;
    return shape;
}

vtxhost::ShapeDraw box(vtxhost::ShapeDraw::Kind kind, float x, float y, float width, float height) {
    vtxhost::ShapeDraw shape;
    shape.kind = kind;
    shape.x = x;
    shape.y = y;
    shape.width = width;
    shape.height = height;
    shape.g = 0;
    shape.b = 0;
    return shape;
}

// Pixel rows and columns have their centres at .5.
TEST(Snapshot, LinesAreAsWideAsAskedAndAPixelWhenNot) {
    vtxhost::CanvasRecord frame;
    frame.shapes.push_back(line(2, 4.5f, 12, 4.5f, 3)); // rows 3 to 5
    frame.shapes.push_back(line(14.5f, 1, 14.5f, 9, 1));
    frame.shapes.push_back(line(1, 8, 5, 8, 0)); // no width: nothing
    const Picture picture = render(frame, 16, 10);
    for (int y : {3, 4, 5})
        for (int x : {2, 7, 11})
            EXPECT_TRUE(near(pixel(picture, x, y), kRed)) << x << "," << y;
    EXPECT_TRUE(near(pixel(picture, 7, 2), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 7, 6), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 1, 4), kBackdrop)); // the ends are cut square
    EXPECT_TRUE(near(pixel(picture, 12, 4), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 14, 1), kRed)); // a pixel wide, its ends included
    EXPECT_TRUE(near(pixel(picture, 14, 5), kRed));
    EXPECT_TRUE(near(pixel(picture, 14, 9), kRed));
    EXPECT_TRUE(near(pixel(picture, 13, 5), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 15, 5), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 3, 8), kBackdrop));
}

TEST(Snapshot, BoxesAreFilledOrOutlinedInsideTheirSize) {
    using Kind = vtxhost::ShapeDraw::Kind;
    vtxhost::CanvasRecord frame;
    frame.shapes.push_back(box(Kind::FilledBox, 1, 1, 3, 2));  // columns 1-3, rows 1-2
    frame.shapes.push_back(box(Kind::OutlineBox, 6, 1, 5, 4)); // columns 6-10, rows 1-4
    frame.shapes.push_back(box(Kind::FilledBox, 1, 6, -3, 2)); // no positive size: nothing
    const Picture picture = render(frame, 12, 8);
    EXPECT_TRUE(near(pixel(picture, 1, 1), kRed));
    EXPECT_TRUE(near(pixel(picture, 3, 2), kRed));
    EXPECT_TRUE(near(pixel(picture, 4, 2), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 3, 3), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 6, 1), kRed));
    EXPECT_TRUE(near(pixel(picture, 10, 1), kRed));
    EXPECT_TRUE(near(pixel(picture, 6, 4), kRed));
    EXPECT_TRUE(near(pixel(picture, 10, 4), kRed));
    EXPECT_TRUE(near(pixel(picture, 8, 2), kBackdrop)); // inside the outline
    EXPECT_TRUE(near(pixel(picture, 11, 4), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 8, 5), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 0, 6), kBackdrop));
    EXPECT_TRUE(near(pixel(picture, 1, 6), kBackdrop));
}

// Each shape over what was drawn before it, in its colour and alpha.
TEST(Snapshot, ShapesBlendAndOverlapPicturesAndTextsInCallOrder) {
    using Kind = vtxhost::ShapeDraw::Kind;
    vtxhost::CanvasRecord frame;
    vtxhost::ShapeDraw under = box(Kind::FilledBox, 0, 0, 20, 20);
    under.b = 255; // magenta, beneath everything
    frame.shapes.push_back(under);
    frame.draws.push_back(redDot(0, 0, 10.0f, 255)); // red over 0..9 x 0..9
    vtxhost::TextDraw one = text("1", 0, 0, 2, 1);
    one.r = 0;
    one.g = 255; // green, over the picture
    one.drawsBefore = 1;
    frame.texts.push_back(one);
    vtxhost::ShapeDraw overText = box(Kind::FilledBox, 6, 2, 1, 1); // over the text's lit pixel at 6,2
    overText.r = 0;
    overText.b = 255;
    overText.a = 128; // half-transparent blue
    overText.drawsBefore = 1;
    overText.textsBefore = 1;
    frame.shapes.push_back(overText);
    vtxhost::ShapeDraw beforeText = box(Kind::FilledBox, 7, 2, 1, 1); // drawn before the text: covered by it
    beforeText.r = 0;
    beforeText.b = 255;
    beforeText.drawsBefore = 1;
    beforeText.textsBefore = 0;
    frame.shapes.insert(frame.shapes.begin() + 1, beforeText);
    const Picture picture = render(frame, 20, 20);
    EXPECT_TRUE(near(pixel(picture, 15, 15), {255, 0, 255}));
    EXPECT_TRUE(near(pixel(picture, 5, 5), kRed));
    EXPECT_TRUE(near(pixel(picture, 6, 2), {0, 127, 128}));
    EXPECT_TRUE(near(pixel(picture, 7, 2), {0, 255, 0}));
}

// A frame of a real Dear ImGui context (the host library's copy): a window
// with an opaque blue background and a line of white text, over a red canvas
// draw that it partly covers.
TEST(Snapshot, DearImGuiWindowsDrawOverTheCanvasWithTheirFont) {
    ImGuiContext* context = ImGui::CreateContext();
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(200, 100);
    unsigned char* atlas = nullptr;
    int atlasWidth = 0, atlasHeight = 0;
    io.Fonts->GetTexDataAsRGBA32(&atlas, &atlasWidth, &atlasHeight);
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(20, 10));
    ImGui::SetNextWindowSize(ImVec2(120, 60));
    ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(0, 0, 255, 255));
    ImGui::Begin("w", nullptr, ImGuiWindowFlags_NoDecoration);
    ImGui::TextUnformatted("WWWW"); // at the window padding: 28,18, 7 pixels a letter, 13 high
    ImGui::End();
    ImGui::PopStyleColor();
    ImGui::Render();

    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(0, 0, 30.0f, 255)); // 0..30 × 0..30, under the window's corner
    const Picture picture = vtxpreview::FrameRenderer(200, 100).render(frame, {ImGui::GetDrawData(), io.Fonts});
    ImGui::DestroyContext(context);

    EXPECT_TRUE(near(pixel(picture, 5, 5), kRed));
    EXPECT_TRUE(near(pixel(picture, 24, 14), {0, 0, 255})); // the window over the canvas
    EXPECT_TRUE(near(pixel(picture, 100, 60), {0, 0, 255}));
    EXPECT_TRUE(near(pixel(picture, 180, 90), kBackdrop));
    // Glyphs come from the font atlas: about a quarter of the text's cells
    // are lit (untextured, each letter would be a solid block: over half).
    int lit = 0, cells = 0;
    for (int y = 18; y < 31; ++y) {
        for (int x = 28; x < 56; ++x, ++cells) {
            const std::vector<int> colour = pixel(picture, x, y);
            lit += colour[0] > 200 && colour[1] > 200;
        }
    }
    EXPECT_GT(lit, cells / 10);
    EXPECT_LT(lit, cells * 2 / 5);
}

TEST(Snapshot, CropKeepsTheRectangleWithinThePicture) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(2, 1, 1.0f, 255));
    const Picture part = vtxpreview::crop(render(frame, 4, 3), 2, 1, 10, 10);
    ASSERT_EQ(part.width, 2);
    ASSERT_EQ(part.height, 2);
    EXPECT_TRUE(near(pixel(part, 0, 0), kRed));
    EXPECT_TRUE(near(pixel(part, 1, 1), kBackdrop));
}

} // namespace
