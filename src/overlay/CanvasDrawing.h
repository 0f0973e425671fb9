#pragma once
// Small drawing steps the displays share, at float places: a place that is no
// canvas coordinate (not a number, beyond the int range) draws nothing.
#include <cstddef>

#include "bakkesmod/wrappers/canvaswrapper.h"

namespace vtx {

// A colour's channels 0-255; its opacity is given apart, as the fade gives it.
struct Rgb {
    unsigned char r = 255;
    unsigned char g = 255;
    unsigned char b = 255;
};

// The colour of what the canvas draws next, with opacity 0..1.
void setCanvasColour(CanvasWrapper& canvas, Rgb colour, float alpha);
// The same with the opacity already a byte (alphaByte), for a display that
// works its opacities out once and draws with them many times.
void setCanvasColourByte(CanvasWrapper& canvas, Rgb colour, unsigned char alpha);
// The host takes every text as a std::string: one of at most this many
// characters stays in the string's own buffer, without an allocation.
inline constexpr std::size_t kSmallTextLength = 15;

// `text` with its top left corner at (x, y). A text of at most
// kSmallTextLength characters costs no allocation.
void drawTextAt(CanvasWrapper& canvas, const char* text, float x, float y, float textScale, bool shadow = true);

} // namespace vtx
