// Any text as vtx_saved_pos.ini. What is read is finite, and writing it and
// reading it back gives the same text again (six significant digits are
// within a float's precision).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/PositionText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vtx::OverlayPosition start{20, 980, 1};
    const vtx::OverlayPosition read = vtx::parsePositionText(text, start);
    if (!std::isfinite(read.x) || !std::isfinite(read.y) || !std::isfinite(read.scale))
        std::abort();
    const std::string written = vtx::formatPositionText(read);
    if (vtx::formatPositionText(vtx::parsePositionText(written, start)) != written)
        std::abort();
    // The number reader alone, on the same bytes.
    if (const auto n = vtx::parseLeadingFloat(text); n && !std::isfinite(*n))
        std::abort();
    return 0;
}
