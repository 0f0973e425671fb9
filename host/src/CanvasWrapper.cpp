// The canvas's state (colour, position), its pictures and its text.
#include "bakkesmod/wrappers/canvaswrapper.h"

#include <algorithm>
#include <cmath>

#include "CanvasImpl.h"
#include "vtxhost/CanvasFont.h"

using vtxhost::CanvasOp;
using vtxhost::CanvasRecord;

namespace {

void setColour(CanvasRecord& record, unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::SetColor;
    op.r = r;
    op.g = g;
    op.b = b;
    op.a = a;
    record.ops.push_back(op);
    record.r = r;
    record.g = g;
    record.b = b;
    record.a = a;
}

// A LinearColor channel as the canvas takes it: 0-255, rounded; beyond the
// range it stays at its end, and what is no number is 0.
unsigned char channel(float value) {
    if (!(value > 0))
        return 0;
    return static_cast<unsigned char>(std::lround(std::min(value, 255.0f)));
}

void setPosition(CanvasRecord& record, float x, float y) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::SetPosition;
    op.x = x;
    op.y = y;
    record.ops.push_back(op);
    record.x = x;
    record.y = y;
}

// The position stays where it was: a plugin sets it before each string.
void drawString(CanvasRecord& record, std::string text, float xScale, float yScale, bool dropShadow, bool wrapText) {
    CanvasOp op;
    op.kind = CanvasOp::Kind::DrawString;
    op.text = text;
    op.xScale = xScale;
    op.yScale = yScale;
    op.dropShadow = dropShadow;
    op.wrap = wrapText;
    record.ops.push_back(std::move(op));

    vtxhost::TextDraw draw;
    draw.text = std::move(text);
    draw.x = record.x;
    draw.y = record.y;
    draw.xScale = xScale;
    draw.yScale = yScale;
    draw.dropShadow = dropShadow;
    draw.wrap = wrapText;
    draw.r = record.r;
    draw.g = record.g;
    draw.b = record.b;
    draw.a = record.a;
    draw.drawsBefore = record.draws.size();
    record.texts.push_back(std::move(draw));
}

} // namespace

CanvasWrapper::CanvasWrapper(std::uintptr_t mem)
    : pimpl(std::make_unique<Impl>(Impl{reinterpret_cast<CanvasRecord*>(mem)})) {
    vtxhost::countHostCall(vtxhost::HostCall::WrapperCopy);
}

CanvasWrapper::CanvasWrapper(const CanvasWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {
    vtxhost::countHostCall(vtxhost::HostCall::WrapperCopy);
}

CanvasWrapper& CanvasWrapper::operator=(CanvasWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

CanvasWrapper::~CanvasWrapper() = default;

// The SDK passes the 0-255 channels as char; the record keeps them unsigned.
void CanvasWrapper::SetColor(char Red, char Green, char Blue, char Alpha) {
    pimpl->call([&](CanvasRecord& record) {
        setColour(record, static_cast<unsigned char>(Red), static_cast<unsigned char>(Green),
                  static_cast<unsigned char>(Blue), static_cast<unsigned char>(Alpha));
    });
}

void CanvasWrapper::SetColor(LinearColor color) {
    pimpl->call([&](CanvasRecord& record) {
        setColour(record, channel(color.R), channel(color.G), channel(color.B), channel(color.A));
    });
}

void CanvasWrapper::SetPosition(Vector2F pos) {
    pimpl->call([&](CanvasRecord& record) { setPosition(record, pos.X, pos.Y); });
}

void CanvasWrapper::SetPosition(Vector2 pos) {
    pimpl->call(
        [&](CanvasRecord& record) { setPosition(record, static_cast<float>(pos.X), static_cast<float>(pos.Y)); });
}

// A picture that did not decode is a draw without pixels, as an unloaded
// texture shows nothing on screen.
void CanvasWrapper::DrawTexture(ImageWrapper* img, float scale) {
    pimpl->call([&](CanvasRecord& record) {
        if (!img)
            return;
        const bool decoded = img->IsLoadedForCanvas();
        const auto* texture = decoded ? static_cast<const vtxhost::CanvasTexture*>(img->GetCanvasTex()) : nullptr;
        CanvasOp op;
        op.kind = CanvasOp::Kind::DrawTexture;
        op.image = img->GetPathFs();
        op.scale = scale;
        op.imageWidth = img->GetSize().X;
        op.imageHeight = img->GetSize().Y;
        record.ops.push_back(op);

        vtxhost::DrawCall draw;
        draw.image = op.image;
        draw.decoded = decoded;
        draw.x = record.x;
        draw.y = record.y;
        draw.scale = scale;
        draw.r = record.r;
        draw.g = record.g;
        draw.b = record.b;
        draw.a = record.a;
        draw.imageWidth = op.imageWidth;
        draw.imageHeight = op.imageHeight;
        if (texture)
            draw.pixels = texture->pixels;
        record.draws.push_back(std::move(draw));
    });
}

void CanvasWrapper::DrawString(std::string text) {
    pimpl->call([&](CanvasRecord& record) { drawString(record, std::move(text), 1, 1, false, false); });
}

void CanvasWrapper::DrawString(std::string text, float xScale, float yScale) {
    pimpl->call([&](CanvasRecord& record) { drawString(record, std::move(text), xScale, yScale, false, false); });
}

void CanvasWrapper::DrawString(std::string text, float xScale, float yScale, bool dropShadow, bool wrapText) {
    pimpl->call(
        [&](CanvasRecord& record) { drawString(record, std::move(text), xScale, yScale, dropShadow, wrapText); });
}

// The size of the text as the canvas font draws it, on one line; the shadow
// adds nothing.
Vector2F CanvasWrapper::GetStringSize(std::string text, float xScale, float yScale) {
    vtxhost::countHostCall(vtxhost::HostCall::CanvasCall);
    return vtxhost::noThrow(Vector2F{0, 0}, [&] {
        const auto glyphs = static_cast<float>(vtxhost::canvasGlyphCount(text));
        return Vector2F{glyphs * static_cast<float>(vtxhost::kCanvasGlyphWidth) * xScale,
                        static_cast<float>(vtxhost::kCanvasGlyphHeight) * yScale};
    });
}

Vector2 CanvasWrapper::GetSize() {
    vtxhost::countHostCall(vtxhost::HostCall::CanvasCall);
    const CanvasRecord* record = pimpl->record;
    return record ? Vector2{record->width, record->height} : Vector2{0, 0};
}
