#pragma once
// Puts the active skin on the canvas: the base, every held button, the
// triggers by pressure and the sticks by deflection.
#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/CanvasFit.h"
#include "core/Clamp.h"
#include "core/SettingsSnapshot.h"
#include "input/PadInput.h"
#include "input/PadState.h"

namespace vtx {

// The layout settings of one drawn frame. The origin, offsets and stick range
// are screen pixels; the scale applies to the pictures only.
struct Layout {
    float drawX = 0;
    float drawY = 0;
    float scale = 1;
    float range = 0;
    float deadzone = 0;
    float thresh = 0;
    bool sticksAlways = true;
    float offAlpha = 0;
    float onAlpha = 1;
    float fadeAlpha = 1;
};

// A canvas coordinate: truncated toward zero and kept within the int range;
// nothing for a position that is not a number.
std::optional<int> canvasCoordinate(float value);
// Opacity 0..1 as the colour's alpha byte, rounded half away from zero.
unsigned char alphaByte(float alpha);
// The trigger picture's opacity: a press at or below the threshold counts as
// released, above it the raw pressure blends the off and on opacities.
float triggerOpacity(float value, float thresh, float offAlpha, float onAlpha, float fade);
// One stick axis beyond the dead zone (kept within vtx_deadzone's limits of
// use), rescaled to -1..1.
float stickDeflection(float axis, float deadzone);

Layout readLayout(const SettingsSnapshot& settings, float fadeAlpha);
// Moves the layout's origin just far enough for `keptBox` of the base picture
// to lie on a canvas of `canvasSize`; an empty box or an unknown canvas size
// moves nothing.
void keepOnCanvas(Layout& layout, const PixelBox& keptBox, Vector2 canvasSize);

// What the layer functions share within one frame; `layers` holds each
// control's picture by ControlId.
struct LayerPainter {
    CanvasWrapper& canvas;
    const Layout& layout;
    const SettingsSnapshot& settings;
    const std::array<std::shared_ptr<ImageWrapper>, kControlCount>& layers;
};

// One picture at (x, y); nothing for an empty picture or a position that is not a number.
void drawLayerImage(CanvasWrapper& canvas, ImageWrapper* image, float x, float y, float scale, float alpha);
void drawButtonLayer(const LayerPainter& painter, ControlId id, bool held);
void drawTriggerLayer(const LayerPainter& painter, ControlId id, float value);
void drawStickLayer(const LayerPainter& painter, ControlId id, StickAxes stick, bool held);
// The whole pad: the base, then every control in the table's order, each
// as its kind is drawn.
void drawPad(const LayerPainter& painter, ImageWrapper* base, const PadFrame& frame);

} // namespace vtx
