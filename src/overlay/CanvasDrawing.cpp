#include "overlay/CanvasDrawing.h"

#include <optional>

#include "overlay/LayerDrawing.h"

namespace vtx {

void setCanvasColour(CanvasWrapper& canvas, Rgb colour, float alpha) {
    setCanvasColourByte(canvas, colour, alphaByte(alpha));
}

void setCanvasColourByte(CanvasWrapper& canvas, Rgb colour, unsigned char alpha) {
    // The SDK's SetColor takes the 0-255 channels as char: the byte's bits.
    canvas.SetColor(static_cast<char>(colour.r), static_cast<char>(colour.g), static_cast<char>(colour.b),
                    static_cast<char>(alpha));
}

void drawTextAt(CanvasWrapper& canvas, const char* text, float x, float y, float textScale, bool shadow) {
    const std::optional<int> left = canvasCoordinate(x);
    const std::optional<int> top = canvasCoordinate(y);
    if (!left || !top)
        return;
    canvas.SetPosition(Vector2{*left, *top});
    canvas.DrawString(text, textScale, textScale, shadow);
}

} // namespace vtx
