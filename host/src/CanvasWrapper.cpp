#include "bakkesmod/wrappers/canvaswrapper.h"

#include "NoThrow.h"
#include "vtxhost/CanvasFont.h"
#include "vtxhost/Host.h"

using vtxhost::CanvasOp;

// `mem` is the frame's record: every call is an op, each DrawTexture of a
// picture is also a draw (marked when the picture did not decode), and each
// DrawString a text.
struct CanvasWrapper::Impl {
    vtxhost::CanvasRecord* record = nullptr;
};

CanvasWrapper::CanvasWrapper(std::uintptr_t mem)
    : pimpl(std::make_unique<Impl>(Impl{reinterpret_cast<vtxhost::CanvasRecord*>(mem)})) {}

CanvasWrapper::CanvasWrapper(const CanvasWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {}

CanvasWrapper& CanvasWrapper::operator=(CanvasWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

CanvasWrapper::~CanvasWrapper() = default;

// The SDK passes the 0-255 channels as char; the record keeps them unsigned.
void CanvasWrapper::SetColor(char Red, char Green, char Blue, char Alpha) {
    vtxhost::CanvasRecord* record = pimpl->record;
    if (!record)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::SetColor;
        op.r = static_cast<unsigned char>(Red);
        op.g = static_cast<unsigned char>(Green);
        op.b = static_cast<unsigned char>(Blue);
        op.a = static_cast<unsigned char>(Alpha);
        record->ops.push_back(op);
        record->r = op.r;
        record->g = op.g;
        record->b = op.b;
        record->a = op.a;
    });
}

void CanvasWrapper::SetPosition(Vector2 pos) {
    vtxhost::CanvasRecord* record = pimpl->record;
    if (!record)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::SetPosition;
        op.x = pos.X;
        op.y = pos.Y;
        record->ops.push_back(op);
        record->x = pos.X;
        record->y = pos.Y;
    });
}

// A picture that did not decode is a draw without pixels, as an unloaded
// texture shows nothing on screen.
void CanvasWrapper::DrawTexture(ImageWrapper* img, float scale) {
    vtxhost::CanvasRecord* record = pimpl->record;
    if (!record || !img)
        return;
    vtxhost::noThrow([&] {
        const bool decoded = img->IsLoadedForCanvas();
        const auto* texture = decoded ? static_cast<const vtxhost::CanvasTexture*>(img->GetCanvasTex()) : nullptr;
        CanvasOp op;
        op.kind = CanvasOp::Kind::DrawTexture;
        op.image = img->GetPathFs();
        op.scale = scale;
        op.imageWidth = img->GetSize().X;
        op.imageHeight = img->GetSize().Y;
        record->ops.push_back(op);

        vtxhost::DrawCall draw;
        draw.image = op.image;
        draw.decoded = decoded;
        draw.x = record->x;
        draw.y = record->y;
        draw.scale = scale;
        draw.r = record->r;
        draw.g = record->g;
        draw.b = record->b;
        draw.a = record->a;
        draw.imageWidth = op.imageWidth;
        draw.imageHeight = op.imageHeight;
        if (texture)
            draw.pixels = texture->pixels;
        record->draws.push_back(std::move(draw));
    });
}

void CanvasWrapper::DrawString(std::string text) { DrawString(std::move(text), 1, 1, false); }

void CanvasWrapper::DrawString(std::string text, float xScale, float yScale) {
    DrawString(std::move(text), xScale, yScale, false);
}

// The position stays where it was: a plugin sets it before each string.
void CanvasWrapper::DrawString(std::string text, float xScale, float yScale, bool dropShadow, bool wrapText) {
    vtxhost::CanvasRecord* record = pimpl->record;
    if (!record)
        return;
    vtxhost::noThrow([&] {
        CanvasOp op;
        op.kind = CanvasOp::Kind::DrawString;
        op.text = text;
        op.xScale = xScale;
        op.yScale = yScale;
        op.dropShadow = dropShadow;
        op.wrap = wrapText;
        record->ops.push_back(std::move(op));

        vtxhost::TextDraw draw;
        draw.text = std::move(text);
        draw.x = record->x;
        draw.y = record->y;
        draw.xScale = xScale;
        draw.yScale = yScale;
        draw.dropShadow = dropShadow;
        draw.wrap = wrapText;
        draw.r = record->r;
        draw.g = record->g;
        draw.b = record->b;
        draw.a = record->a;
        draw.drawsBefore = record->draws.size();
        record->texts.push_back(std::move(draw));
    });
}

// The size of the text as the canvas font draws it, on one line; the shadow
// adds nothing.
Vector2F CanvasWrapper::GetStringSize(std::string text, float xScale, float yScale) {
    return vtxhost::noThrow(Vector2F{0, 0}, [&] {
        const auto glyphs = static_cast<float>(vtxhost::canvasGlyphCount(text));
        return Vector2F{glyphs * static_cast<float>(vtxhost::kCanvasGlyphWidth) * xScale,
                        static_cast<float>(vtxhost::kCanvasGlyphHeight) * yScale};
    });
}

Vector2 CanvasWrapper::GetSize() {
    const vtxhost::CanvasRecord* record = pimpl->record;
    return record ? Vector2{record->width, record->height} : Vector2{0, 0};
}
