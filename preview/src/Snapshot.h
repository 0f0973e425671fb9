#pragma once
// A picture of what the plugin drew in one frame: every DrawTexture of the
// canvas record, scaled, tinted and blended in call order.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "vtxhost/Host.h"

namespace vtxpreview {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // rows top to bottom
};

// The frame over an opaque dark background, the size of the host's display.
Picture renderFrame(const vtxhost::CanvasRecord& frame, int width, int height);

// Writes the picture as PNG; false with a reason when the file cannot be written.
bool writePng(const std::filesystem::path& path, const Picture& picture, std::string& error);

} // namespace vtxpreview
