#pragma once
// The part of a skin's picture file that is not transparent, read from the
// file itself: the host decodes pictures for drawing only and shows the
// plugin none of their pixels.
#include <filesystem>
#include <optional>

#include "core/CanvasFit.h"

namespace vtx {

// The opaque part of the PNG at `path`, in picture pixels; nothing when the
// file cannot be read or decoded, or is transparent all over. Never throws.
std::optional<PixelBox> readOpaqueBox(const std::filesystem::path& path);

} // namespace vtx
