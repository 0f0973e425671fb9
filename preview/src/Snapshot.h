#pragma once
// A picture of a frame, as rows of RGBA pixels, and its PNG file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vtxpreview {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // rows top to bottom

    bool empty() const { return width <= 0 || height <= 0; }
};

// The part of the picture inside the rectangle (clipped to the picture).
Picture crop(const Picture& picture, int x, int y, int width, int height);

// Writes the picture as PNG; false with a reason when the file cannot be written.
bool writePng(const std::filesystem::path& path, const Picture& picture, std::string& error);

// Reads a PNG (or any picture stb_image decodes) as RGBA; false with a reason
// when the file is missing or does not decode.
bool readPng(const std::filesystem::path& path, Picture& picture, std::string& error);
// The same, with the reason alone ("unknown image type", "the file cannot be
// read"), for a message that names the file itself.
bool decodePicture(const std::filesystem::path& path, Picture& picture, std::string& reason);

} // namespace vtxpreview
