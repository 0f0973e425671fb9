#pragma once
// The font of the stand-in canvas's DrawString: X11's "fixed" 8x13 (the
// misc-fixed font, "Public domain font.  Share and enjoy."), ASCII 32..126.
// The host measures text with it and the preview draws text with it, so a
// string's size and its picture agree.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "vtxhost/Export.h"

namespace vtxhost {

inline constexpr int kCanvasGlyphWidth = 8;
inline constexpr int kCanvasGlyphHeight = 13;

// A glyph's kCanvasGlyphHeight rows, top first, bit 7 the leftmost pixel.
struct CanvasGlyph {
    std::uint8_t rows[kCanvasGlyphHeight];
};

// The glyphs a UTF-8 text shows, one a character: a character outside ASCII
// 32..126 (or a byte that starts none) shows a dotted box.
PLUGINSDK_API std::vector<const CanvasGlyph*> canvasGlyphs(std::string_view text);
// How many glyphs canvasGlyphs would give, without building the list: the
// canvas measures text every frame.
PLUGINSDK_API std::size_t canvasGlyphCount(std::string_view text);

} // namespace vtxhost
