#include "Snapshot.h"

#include <algorithm>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace vtxpreview {

Picture crop(const Picture& picture, int x, int y, int width, int height) {
    const int left = std::clamp(x, 0, picture.width);
    const int top = std::clamp(y, 0, picture.height);
    const int right = std::clamp(x + std::max(width, 0), left, picture.width);
    const int bottom = std::clamp(y + std::max(height, 0), top, picture.height);
    Picture part{right - left, bottom - top, {}};
    part.rgba.reserve(static_cast<std::size_t>(part.width) * part.height * 4);
    for (int row = top; row < bottom; ++row) {
        const auto from = picture.rgba.begin() + (static_cast<std::ptrdiff_t>(row) * picture.width + left) * 4;
        part.rgba.insert(part.rgba.end(), from, from + static_cast<std::ptrdiff_t>(part.width) * 4);
    }
    return part;
}

bool writePng(const std::filesystem::path& path, const Picture& picture, std::string& error) {
    if (picture.width <= 0 || picture.height <= 0) {
        error = "cannot write " + path.string() + ": the picture is empty";
        return false;
    }
    if (!stbi_write_png(path.string().c_str(), picture.width, picture.height, 4, picture.rgba.data(),
                        picture.width * 4)) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

} // namespace vtxpreview
