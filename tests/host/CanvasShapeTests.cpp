// The canvas's lines and boxes: what each SDK overload records for the
// preview and the scenarios, in the colour in force and in call order among
// the pictures and texts.
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "vtxhost/Host.h"

namespace canvas_shape_tests {

using Kind = vtxhost::ShapeDraw::Kind;
using OpKind = vtxhost::CanvasOp::Kind;

CanvasWrapper canvasOf(vtxhost::CanvasRecord& record) {
    return CanvasWrapper(reinterpret_cast<std::uintptr_t>(&record));
}

void expectColour(const vtxhost::ShapeDraw& shape, int r, int g, int b, int a) {
    EXPECT_EQ(shape.r, r);
    EXPECT_EQ(shape.g, g);
    EXPECT_EQ(shape.b, b);
    EXPECT_EQ(shape.a, a);
}

TEST(CanvasShapes, LinesGoBetweenTheirEndsWithTheirWidthWhateverThePosition) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    canvas.SetPosition(Vector2{500, 600});
    canvas.DrawLine(Vector2F{10.5f, 20}, Vector2F{30, 40.25f});
    canvas.DrawLine(Vector2F{-5, 7}, Vector2F{8, 9}, 2.5f);
    canvas.DrawLine(Vector2{1, 2}, Vector2{3, 4});
    canvas.DrawLine(Vector2{5, 6}, Vector2{7, 8}, 4);

    ASSERT_EQ(record.shapes.size(), 4u);
    const vtxhost::ShapeDraw& first = record.shapes[0];
    EXPECT_EQ(first.kind, Kind::Line);
    EXPECT_EQ(first.x, 10.5f);
    EXPECT_EQ(first.y, 20);
    EXPECT_EQ(first.endX, 30);
    EXPECT_EQ(first.endY, 40.25f);
    EXPECT_EQ(first.lineWidth, 1); // no width given: a pixel
    EXPECT_EQ(record.shapes[1].x, -5);
    EXPECT_EQ(record.shapes[1].endY, 9);
    EXPECT_EQ(record.shapes[1].lineWidth, 2.5f);
    EXPECT_EQ(record.shapes[2].x, 1);
    EXPECT_EQ(record.shapes[2].y, 2);
    EXPECT_EQ(record.shapes[2].endX, 3);
    EXPECT_EQ(record.shapes[2].endY, 4);
    EXPECT_EQ(record.shapes[2].lineWidth, 1);
    EXPECT_EQ(record.shapes[3].kind, Kind::Line);
    EXPECT_EQ(record.shapes[3].endX, 7);
    EXPECT_EQ(record.shapes[3].lineWidth, 4);
    EXPECT_EQ(record.x, 500); // lines leave the position alone
    EXPECT_EQ(record.y, 600);

    ASSERT_EQ(record.ops.size(), 5u);
    EXPECT_EQ(record.ops[1].kind, OpKind::DrawLine);
    EXPECT_EQ(record.ops[2].x, -5);
    EXPECT_EQ(record.ops[2].endX, 8);
    EXPECT_EQ(record.ops[2].lineWidth, 2.5f);
    EXPECT_EQ(record.ops[4].kind, OpKind::DrawLine);
    EXPECT_TRUE(record.draws.empty() && record.texts.empty());
}

TEST(CanvasShapes, BoxesStartAtThePositionAndRectsSpanTheirCorners) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    canvas.SetPosition(Vector2F{100.5f, 200.25f});
    canvas.FillBox(Vector2F{300, 80.5f});
    canvas.DrawBox(Vector2F{10, 20});
    canvas.SetPosition(Vector2{-4, 9});
    canvas.FillBox(Vector2{5, 6});
    canvas.DrawBox(Vector2{7, 8});
    canvas.DrawRect(Vector2F{420, 280}, Vector2F{410.5f, 200}); // the far corner first
    canvas.DrawRect(Vector2{1, 2}, Vector2{3, 5});

    ASSERT_EQ(record.shapes.size(), 6u);
    const vtxhost::ShapeDraw& panel = record.shapes[0];
    EXPECT_EQ(panel.kind, Kind::FilledBox);
    EXPECT_EQ(panel.x, 100.5f);
    EXPECT_EQ(panel.y, 200.25f);
    EXPECT_EQ(panel.width, 300);
    EXPECT_EQ(panel.height, 80.5f);
    const vtxhost::ShapeDraw& outline = record.shapes[1];
    EXPECT_EQ(outline.kind, Kind::OutlineBox);
    EXPECT_EQ(outline.x, 100.5f); // drawing a box does not move the position
    EXPECT_EQ(outline.width, 10);
    EXPECT_EQ(outline.height, 20);
    EXPECT_EQ(record.shapes[2].kind, Kind::FilledBox);
    EXPECT_EQ(record.shapes[2].x, -4);
    EXPECT_EQ(record.shapes[2].y, 9);
    EXPECT_EQ(record.shapes[2].width, 5);
    EXPECT_EQ(record.shapes[2].height, 6);
    EXPECT_EQ(record.shapes[3].kind, Kind::OutlineBox);
    EXPECT_EQ(record.shapes[3].width, 7);
    EXPECT_EQ(record.shapes[3].height, 8);
    const vtxhost::ShapeDraw& rect = record.shapes[4];
    EXPECT_EQ(rect.kind, Kind::FilledBox);
    EXPECT_EQ(rect.x, 410.5f);
    EXPECT_EQ(rect.y, 200);
    EXPECT_EQ(rect.width, 9.5f);
    EXPECT_EQ(rect.height, 80);
    EXPECT_EQ(record.shapes[5].x, 1);
    EXPECT_EQ(record.shapes[5].y, 2);
    EXPECT_EQ(record.shapes[5].width, 2);
    EXPECT_EQ(record.shapes[5].height, 3);
    EXPECT_EQ(record.x, -4); // neither does a rect
    EXPECT_EQ(record.y, 9);

    ASSERT_EQ(record.ops.size(), 8u);
    EXPECT_EQ(record.ops[0].kind, OpKind::SetPosition);
    EXPECT_EQ(record.ops[0].x, 100.5f);
    EXPECT_EQ(record.ops[1].kind, OpKind::FillBox);
    EXPECT_EQ(record.ops[1].height, 80.5f);
    EXPECT_EQ(record.ops[2].kind, OpKind::DrawBox);
    EXPECT_EQ(record.ops[6].kind, OpKind::DrawRect);
    EXPECT_EQ(record.ops[6].x, 420); // the op keeps the corners as given
    EXPECT_EQ(record.ops[6].endX, 410.5f);
}

// Texts and pictures take a float position too.
TEST(CanvasShapes, AFloatPositionPlacesTextsAndPictures) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    canvas.SetPosition(Vector2F{12.75f, -3.5f});
    canvas.DrawString("x");
    ImageWrapper missing("no-such-picture.png", true);
    canvas.DrawTexture(&missing, 1);
    ASSERT_EQ(record.texts.size(), 1u);
    ASSERT_EQ(record.draws.size(), 1u);
    EXPECT_EQ(record.texts[0].x, 12.75f);
    EXPECT_EQ(record.texts[0].y, -3.5f);
    EXPECT_EQ(record.draws[0].x, 12.75f);
    EXPECT_EQ(record.draws[0].y, -3.5f);
}

TEST(CanvasShapes, EachShapeTakesTheColourSetBeforeIt) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    canvas.DrawLine(Vector2F{0, 0}, Vector2F{1, 1}); // before any colour: opaque white
    canvas.SetColor(10, 20, 30, static_cast<char>(200));
    canvas.FillBox(Vector2F{1, 1});
    // 0-255 as the host's colour variables are; rounded, held to the range.
    canvas.SetColor(LinearColor{255, 127.6f, 0.4f, 128});
    canvas.DrawBox(Vector2F{1, 1});
    canvas.SetColor(LinearColor{300, -5, std::numeric_limits<float>::quiet_NaN(), 1});
    canvas.DrawRect(Vector2F{0, 0}, Vector2F{1, 1});
    ImageWrapper missing("no-such-picture.png", true);
    canvas.DrawTexture(&missing, 1);

    ASSERT_EQ(record.shapes.size(), 4u);
    expectColour(record.shapes[0], 255, 255, 255, 255);
    expectColour(record.shapes[1], 10, 20, 30, 200);
    expectColour(record.shapes[2], 255, 128, 0, 128);
    expectColour(record.shapes[3], 255, 0, 0, 1);
    // The LinearColor overload sets the colour for pictures and texts too.
    ASSERT_EQ(record.draws.size(), 1u);
    EXPECT_EQ(record.draws[0].r, 255);
    EXPECT_EQ(record.draws[0].a, 1);
    ASSERT_EQ(record.ops.size(), 8u);
    EXPECT_EQ(record.ops[3].kind, OpKind::SetColor);
    EXPECT_EQ(record.ops[3].g, 128);
}

// The preview draws shapes, texts and pictures over one another in this order.
TEST(CanvasShapes, ShapesKnowWhichPicturesAndTextsCameBefore) {
    vtxhost::CanvasRecord record;
    CanvasWrapper canvas = canvasOf(record);
    ImageWrapper missing("no-such-picture.png", true);
    canvas.FillBox(Vector2F{5, 5});
    canvas.DrawTexture(&missing, 1);
    canvas.DrawLine(Vector2F{0, 0}, Vector2F{1, 1});
    canvas.DrawString("a");
    canvas.DrawString("b");
    canvas.DrawBox(Vector2F{5, 5});
    canvas.DrawTexture(&missing, 1);
    canvas.DrawRect(Vector2F{0, 0}, Vector2F{1, 1});

    ASSERT_EQ(record.shapes.size(), 4u);
    EXPECT_EQ(record.shapes[0].drawsBefore, 0u);
    EXPECT_EQ(record.shapes[0].textsBefore, 0u);
    EXPECT_EQ(record.shapes[1].drawsBefore, 1u);
    EXPECT_EQ(record.shapes[1].textsBefore, 0u);
    EXPECT_EQ(record.shapes[2].drawsBefore, 1u);
    EXPECT_EQ(record.shapes[2].textsBefore, 2u);
    EXPECT_EQ(record.shapes[3].drawsBefore, 2u);
    EXPECT_EQ(record.shapes[3].textsBefore, 2u);
    ASSERT_EQ(record.texts.size(), 2u);
    EXPECT_EQ(record.texts[0].drawsBefore, 1u);
}

TEST(CanvasShapes, ACanvasWithNoFrameTakesEveryCallAndRecordsNothing) {
    CanvasWrapper canvas(0);
    canvas.SetColor(LinearColor{1, 2, 3, 4});
    canvas.SetPosition(Vector2F{1, 2});
    canvas.DrawLine(Vector2F{0, 0}, Vector2F{1, 1}, 3);
    canvas.DrawLine(Vector2{0, 0}, Vector2{1, 1});
    canvas.FillBox(Vector2{1, 1});
    canvas.DrawBox(Vector2F{1, 1});
    canvas.DrawRect(Vector2{0, 0}, Vector2{1, 1});
    canvas.DrawTexture(nullptr, 1);
    EXPECT_EQ(canvas.GetSize().X, 0);
}

} // namespace canvas_shape_tests
