#pragma once
// Where a PNG picture is not transparent, read from the file's bytes. The
// host decodes pictures for drawing only; the overlay needs to know which
// part of a skin's base picture must stay on the canvas.
#include <cstdint>
#include <optional>
#include <span>

#include "core/CanvasFit.h"

namespace vtx {

// Pictures wider or taller than this are not read (a skin's are under 2000).
inline constexpr std::uint32_t kMaxPngSide = 8192;

// The smallest box holding every pixel whose alpha is not 0, in picture
// pixels. A picture without transparency (no alpha channel, no tRNS chunk)
// is opaque all over. Nothing for bytes that are not a PNG this reader
// understands (any colour type and bit depth, interlaced or not), for a
// picture larger than kMaxPngSide, or for one that is transparent all over.
std::optional<PixelBox> pngOpaqueBox(std::span<const std::uint8_t> file);

} // namespace vtx
