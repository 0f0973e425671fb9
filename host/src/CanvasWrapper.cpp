#include "bakkesmod/wrappers/canvaswrapper.h"

#include "NoThrow.h"
#include "vtxhost/Host.h"

using vtxhost::CanvasOp;

void CanvasWrapper::SetColor(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha) {
    if (!record_)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::SetColor;
        op.r = red;
        op.g = green;
        op.b = blue;
        op.a = alpha;
        record_->ops.push_back(op);
        record_->r = red;
        record_->g = green;
        record_->b = blue;
        record_->a = alpha;
    });
}

void CanvasWrapper::SetPosition(Vector2 position) {
    if (!record_)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::SetPosition;
        op.x = position.X;
        op.y = position.Y;
        record_->ops.push_back(op);
        record_->x = position.X;
        record_->y = position.Y;
    });
}

// Every call is an op and a draw; a picture that did not decode is a draw
// without pixels, as an unloaded texture shows nothing on screen.
void CanvasWrapper::DrawTexture(ImageWrapper* image, float scale) {
    if (!record_ || !image)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::DrawTexture;
        op.image = image->GetPath();
        op.scale = scale;
        op.imageWidth = image->GetSize().X;
        op.imageHeight = image->GetSize().Y;
        record_->ops.push_back(op);

        vtxhost::DrawCall draw;
        draw.image = op.image;
        draw.decoded = image->IsLoadedForCanvas();
        draw.x = record_->x;
        draw.y = record_->y;
        draw.scale = scale;
        draw.r = record_->r;
        draw.g = record_->g;
        draw.b = record_->b;
        draw.a = record_->a;
        draw.imageWidth = op.imageWidth;
        draw.imageHeight = op.imageHeight;
        draw.pixels = image->GetSharedPixels();
        record_->draws.push_back(std::move(draw));
    });
}
