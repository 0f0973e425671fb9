#include "overlay/LayerDrawing.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/Catalogue.h"

namespace vtx {
namespace {

constexpr float kOriginShiftX = 200.0f;
constexpr float kInvisibleAlpha = 0.01f;

ImageWrapper* layerImage(const LayerPainter& painter, ControlId id) { return painter.layers[id].get(); }

void drawAtOffset(const LayerPainter& painter, ControlId id, ImageWrapper* image, float dx, float dy, float alpha) {
    const SettingsSnapshot& settings = painter.settings;
    drawLayerImage(painter.canvas, image, painter.layout.drawX + settings.offset(id, Axis::X) + dx,
                   painter.layout.drawY + settings.offset(id, Axis::Y) + dy, painter.layout.scale, alpha);
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
    const float d = withinUseLimits(cvar::kDeadzone, deadzone);
    const float magnitude = std::fabs(axis);
    if (!(magnitude >= d)) {
        return 0;
    }
    const float beyond = std::min(1.0f, std::max(0.0f, (magnitude - d) / (1.0f - d)));
    return axis < 0 ? -beyond : beyond;
}

Layout readLayout(const SettingsSnapshot& settings, float fadeAlpha) {
    Layout layout;
    layout.drawX = settings.number(cvar::kX) - kOriginShiftX + settings.number(cvar::kLayerShiftX);
    layout.drawY = settings.number(cvar::kY) + settings.number(cvar::kLayerShiftY);
    layout.scale = settings.number(cvar::kScale);
    layout.range = settings.number(cvar::kStickRange);
    layout.deadzone = settings.number(cvar::kDeadzone);
    layout.thresh = settings.number(cvar::kTriggerThresh);
    layout.sticksAlways = settings.on(cvar::kSticksAlways);
    layout.offAlpha = settings.number(cvar::kTriggerAlphaOffPct) / 100.0f;
    layout.onAlpha = settings.number(cvar::kTriggerAlphaOnPct) / 100.0f;
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

void drawButtonLayer(const LayerPainter& painter, ControlId id, bool held) {
    if (!held) {
        return;
    }
    if (ImageWrapper* image = layerImage(painter, id)) {
        drawAtOffset(painter, id, image, 0, 0, painter.layout.fadeAlpha);
    }
}

void drawTriggerLayer(const LayerPainter& painter, ControlId id, float value) {
    ImageWrapper* image = layerImage(painter, id);
    if (image == nullptr) {
        return;
    }
    const Layout& layout = painter.layout;
    const float alpha = triggerOpacity(value, layout.thresh, layout.offAlpha, layout.onAlpha, layout.fadeAlpha);
    if (!(alpha > kInvisibleAlpha)) {
        return;
    }
    drawAtOffset(painter, id, image, 0, 0, alpha);
}

// Sticks are drawn opaque: they do not take the fade's opacity.
void drawStickLayer(const LayerPainter& painter, ControlId id, StickAxes stick, bool held) {
    ImageWrapper* image = layerImage(painter, id);
    if (image == nullptr) {
        return;
    }
    const float dx = stickDeflection(stick.x, painter.layout.deadzone);
    const float dy = stickDeflection(stick.y, painter.layout.deadzone);
    if (!painter.layout.sticksAlways && !held && dx == 0 && dy == 0) {
        return;
    }
    drawAtOffset(painter, id, image, painter.layout.range * dx, painter.layout.range * dy, 1.0f);
}

void drawPad(const LayerPainter& painter, ImageWrapper* base, const PadFrame& frame) {
    const Layout& layout = painter.layout;
    drawLayerImage(painter.canvas, base, layout.drawX, layout.drawY, layout.scale, layout.fadeAlpha);
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const auto id = static_cast<ControlId>(index);
        const ControlSpec& control = kControls[index];
        switch (control.kind) {
        case ControlKind::button:
            drawButtonLayer(painter, id, frame.pad.holds(id));
            break;
        case ControlKind::trigger:
            drawTriggerLayer(painter, id, frame.pad.triggers[control.side]);
            break;
        case ControlKind::stick:
            drawStickLayer(painter, id, frame.drawnSticks[control.side], frame.pad.holds(id));
            break;
        }
    }
}

} // namespace vtx
