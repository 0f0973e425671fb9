// The canvas's lines and boxes. The SDK names a line's ends `start` and
// `end` and a box's extent `size`: a line is drawn between screen points
// whatever the position, a box from the position, as the text and pictures
// are, and DrawRect's two corners are screen points too. None of them moves
// the position, so a plugin sets it before each box.
#include "bakkesmod/wrappers/canvaswrapper.h"

#include <algorithm>
#include <cmath>

#include "CanvasImpl.h"

using vtxhost::CanvasOp;
using vtxhost::CanvasRecord;
using vtxhost::ShapeDraw;

namespace {

Vector2F floats(Vector2 v) { return Vector2F{static_cast<float>(v.X), static_cast<float>(v.Y)}; }

// The shape in the colour in force, after what was drawn before it.
void addShape(CanvasRecord& record, ShapeDraw shape) {
    shape.r = record.r;
    shape.g = record.g;
    shape.b = record.b;
    shape.a = record.a;
    shape.drawsBefore = record.draws.size();
    shape.textsBefore = record.texts.size();
    record.shapes.push_back(shape);
}

void drawLine(CanvasRecord& record, Vector2F start, Vector2F end, float width) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::DrawLine;
    op.x = start.X;
    op.y = start.Y;
    op.endX = end.X;
    op.endY = end.Y;
    op.lineWidth = width;
    record.ops.push_back(op);

    ShapeDraw line;
    line.kind = ShapeDraw::Kind::Line;
    line.x = start.X;
    line.y = start.Y;
    line.endX = end.X;
    line.endY = end.Y;
    line.lineWidth = width;
    addShape(record, line);
}

// A box of a size that is not positive shows nothing, but is recorded as
// asked for.
void drawBox(CanvasRecord& record, Vector2F size, bool filled) {
    CanvasOp op;
    op.kind = filled ? CanvasOp::Kind::FillBox : CanvasOp::Kind::DrawBox;
    op.width = size.X;
    op.height = size.Y;
    record.ops.push_back(op);

    ShapeDraw box;
    box.kind = filled ? ShapeDraw::Kind::FilledBox : ShapeDraw::Kind::OutlineBox;
    box.x = record.x;
    box.y = record.y;
    box.width = size.X;
    box.height = size.Y;
    addShape(record, box);
}

// The same box whichever two opposite corners are given.
void drawRect(CanvasRecord& record, Vector2F start, Vector2F end) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::DrawRect;
    op.x = start.X;
    op.y = start.Y;
    op.endX = end.X;
    op.endY = end.Y;
    record.ops.push_back(op);

    ShapeDraw box;
    box.kind = ShapeDraw::Kind::FilledBox;
    box.x = std::min(start.X, end.X);
    box.y = std::min(start.Y, end.Y);
    box.width = std::fabs(end.X - start.X);
    box.height = std::fabs(end.Y - start.Y);
    addShape(record, box);
}

} // namespace

void CanvasWrapper::DrawLine(Vector2F start, Vector2F end) {
    pimpl->call([&](CanvasRecord& record) { drawLine(record, start, end, 1); });
}

void CanvasWrapper::DrawLine(Vector2F start, Vector2F end, float width) {
    pimpl->call([&](CanvasRecord& record) { drawLine(record, start, end, width); });
}

void CanvasWrapper::DrawLine(Vector2 start, Vector2 end) {
    pimpl->call([&](CanvasRecord& record) { drawLine(record, floats(start), floats(end), 1); });
}

void CanvasWrapper::DrawLine(Vector2 start, Vector2 end, float width) {
    pimpl->call([&](CanvasRecord& record) { drawLine(record, floats(start), floats(end), width); });
}

void CanvasWrapper::FillBox(Vector2F size) {
    pimpl->call([&](CanvasRecord& record) { drawBox(record, size, true); });
}

void CanvasWrapper::FillBox(Vector2 size) {
    pimpl->call([&](CanvasRecord& record) { drawBox(record, floats(size), true); });
}

void CanvasWrapper::DrawBox(Vector2F size) {
    pimpl->call([&](CanvasRecord& record) { drawBox(record, size, false); });
}

void CanvasWrapper::DrawBox(Vector2 size) {
    pimpl->call([&](CanvasRecord& record) { drawBox(record, floats(size), false); });
}

void CanvasWrapper::DrawRect(Vector2F start, Vector2F end) {
    pimpl->call([&](CanvasRecord& record) { drawRect(record, start, end); });
}

void CanvasWrapper::DrawRect(Vector2 start, Vector2 end) {
    pimpl->call([&](CanvasRecord& record) { drawRect(record, floats(start), floats(end)); });
}
