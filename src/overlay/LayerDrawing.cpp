#include "overlay/LayerDrawing.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/Catalogue.h"

namespace vtx {
namespace {

constexpr float kOriginShiftX = 200.0f;
constexpr float kInvisibleAlpha = 0.01f;

enum LayerIndex : std::size_t { A, B, X, Y, DU, DD, DL, DR, LB, RB, LT, RT, L3, R3 };

ImageWrapper* layerImage(const LayerPainter& painter, std::size_t layer) {
    const auto found = painter.layers.find(std::string(kLayerCodes[layer]));
    return found == painter.layers.end() ? nullptr : found->second.get();
}

void drawAtOffset(const LayerPainter& painter, std::size_t layer, ImageWrapper* image, float dx, float dy,
                  float alpha) {
    const auto& offsets = painter.cvars.offsets[layer];
    drawLayerImage(painter.canvas, image, painter.layout.drawX + offsets[0].asFloat() + dx,
                   painter.layout.drawY + offsets[1].asFloat() + dy, painter.layout.scale, alpha);
}

// The SDK's SetColor takes the 0-255 channels as char: the byte's bits.
char channel(unsigned char value) { return static_cast<char>(value); }
} // namespace

std::optional<int> canvasCoordinate(float value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double wide = value;
    if (wide >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (wide <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(wide);
}

unsigned char alphaByte(float alpha) {
    const long scaled = std::lround(static_cast<double>(clampSetting(alpha, 0.0f, 1.0f)) * 255.0);
    return static_cast<unsigned char>(std::clamp(scaled, 0L, 255L));
}

float triggerOpacity(float value, float thresh, float offAlpha, float onAlpha, float fade) {
    float v = clampSetting(value, 0.0f, 1.0f);
    if (!(v > thresh)) {
        v = 0;
    }
    return ((onAlpha - offAlpha) * v + offAlpha) * fade;
}

float stickDeflection(float axis, float deadzone) {
    const float d = clampSetting(deadzone, 0.0f, 0.95f);
    const float magnitude = std::fabs(axis);
    if (!(magnitude >= d)) {
        return 0;
    }
    const float beyond = std::min(1.0f, std::max(0.0f, (magnitude - d) / (1.0f - d)));
    return axis < 0 ? -beyond : beyond;
}

Layout readLayout(const CvarHandles& cvars, float fadeAlpha) {
    Layout layout;
    layout.drawX = cvars.x.asFloat() - kOriginShiftX + cvars.layerShiftX.asFloat();
    layout.drawY = cvars.y.asFloat() + cvars.layerShiftY.asFloat();
    layout.scale = clampSetting(cvars.scale.asFloat(), 0.05f, 5.0f);
    layout.range = cvars.stickRange.asFloat();
    layout.deadzone = clampSetting(cvars.deadzone.asFloat(), 0.0f, 1.0f);
    layout.thresh = clampSetting(cvars.triggerThresh.asFloat(), 0.0f, 1.0f);
    layout.sticksAlways = cvars.sticksAlways.on();
    layout.offAlpha = clampSetting(cvars.triggerAlphaOffPct.asFloat(), 0.0f, 100.0f) / 100.0f;
    layout.onAlpha = clampSetting(cvars.triggerAlphaOnPct.asFloat(), 0.0f, 100.0f) / 100.0f;
    layout.fadeAlpha = fadeAlpha;
    return layout;
}

void keepOnCanvas(Layout& layout, const PixelBox& keptBox, Vector2 canvasSize) {
    if (keptBox.right <= keptBox.left || keptBox.bottom <= keptBox.top) {
        return;
    }
    const CanvasOrigin placed =
        placeOnCanvas(keptBox, CanvasOrigin{layout.drawX, layout.drawY}, layout.scale, canvasSize.X, canvasSize.Y);
    layout.drawX = placed.x;
    layout.drawY = placed.y;
}

void drawLayerImage(CanvasWrapper& canvas, ImageWrapper* image, float x, float y, float scale, float alpha) {
    if (image == nullptr) {
        return;
    }
    const std::optional<int> left = canvasCoordinate(x);
    const std::optional<int> top = canvasCoordinate(y);
    if (!left || !top) {
        return;
    }
    canvas.SetColor(channel(255), channel(255), channel(255), channel(alphaByte(alpha)));
    canvas.SetPosition(Vector2{*left, *top});
    canvas.DrawTexture(image, scale);
}

void drawButtonLayer(const LayerPainter& painter, std::size_t layer, bool held) {
    if (!held) {
        return;
    }
    if (ImageWrapper* image = layerImage(painter, layer)) {
        drawAtOffset(painter, layer, image, 0, 0, painter.layout.fadeAlpha);
    }
}

void drawTriggerLayer(const LayerPainter& painter, std::size_t layer, float value) {
    ImageWrapper* image = layerImage(painter, layer);
    if (image == nullptr) {
        return;
    }
    const Layout& layout = painter.layout;
    const float alpha = triggerOpacity(value, layout.thresh, layout.offAlpha, layout.onAlpha, layout.fadeAlpha);
    if (!(alpha > kInvisibleAlpha)) {
        return;
    }
    drawAtOffset(painter, layer, image, 0, 0, alpha);
}

// Sticks are drawn opaque: they do not take the fade's opacity.
void drawStickLayer(const LayerPainter& painter, std::size_t layer, float stickX, float stickY, bool held) {
    ImageWrapper* image = layerImage(painter, layer);
    if (image == nullptr) {
        return;
    }
    const float dx = stickDeflection(stickX, painter.layout.deadzone);
    const float dy = stickDeflection(stickY, painter.layout.deadzone);
    if (!painter.layout.sticksAlways && !held && dx == 0 && dy == 0) {
        return;
    }
    drawAtOffset(painter, layer, image, painter.layout.range * dx, painter.layout.range * dy, 1.0f);
}

void drawPad(const LayerPainter& painter, ImageWrapper* base, const PadState& pad) {
    const Layout& layout = painter.layout;
    drawLayerImage(painter.canvas, base, layout.drawX, layout.drawY, layout.scale, layout.fadeAlpha);
    const bool buttons[] = {pad.a,        pad.b,        pad.x,         pad.y,  pad.dpadUp,
                            pad.dpadDown, pad.dpadLeft, pad.dpadRight, pad.lb, pad.rb};
    for (std::size_t layer = A; layer <= RB; ++layer) {
        drawButtonLayer(painter, layer, buttons[layer]);
    }
    drawTriggerLayer(painter, LT, pad.lt);
    drawTriggerLayer(painter, RT, pad.rt);
    drawStickLayer(painter, L3, pad.lxSmooth, pad.lySmooth, pad.l3);
    drawStickLayer(painter, R3, pad.rxSmooth, pad.rySmooth, pad.r3);
}

} // namespace vtx
