#include "Snapshot.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace vtxpreview {
namespace {

constexpr std::uint8_t kBackground[3] = {32, 32, 40};

// Nearest-neighbour scaling: each target pixel takes the source pixel under its centre.
void blendDraw(const vtxhost::DrawCall& draw, Picture& picture) {
    if (!draw.pixels || draw.imageWidth <= 0 || draw.imageHeight <= 0 || !(draw.scale > 0))
        return;
    const std::vector<std::uint8_t>& source = *draw.pixels;
    const double scaledWidth = draw.imageWidth * static_cast<double>(draw.scale);
    const double scaledHeight = draw.imageHeight * static_cast<double>(draw.scale);
    const int left = std::max(draw.x, 0);
    const int top = std::max(draw.y, 0);
    const int right = static_cast<int>(std::min<double>(picture.width, draw.x + std::ceil(scaledWidth)));
    const int bottom = static_cast<int>(std::min<double>(picture.height, draw.y + std::ceil(scaledHeight)));
    const double tint[4] = {draw.r / 255.0, draw.g / 255.0, draw.b / 255.0, draw.a / 255.0};
    for (int y = top; y < bottom; ++y) {
        const int sy = std::min(draw.imageHeight - 1, static_cast<int>((y - draw.y + 0.5) / draw.scale));
        for (int x = left; x < right; ++x) {
            const int sx = std::min(draw.imageWidth - 1, static_cast<int>((x - draw.x + 0.5) / draw.scale));
            const std::size_t from = (static_cast<std::size_t>(sy) * draw.imageWidth + sx) * 4;
            if (from + 3 >= source.size())
                continue;
            const double alpha = source[from + 3] / 255.0 * tint[3];
            std::uint8_t* to = &picture.rgba[(static_cast<std::size_t>(y) * picture.width + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const double value = source[from + c] * tint[c] * alpha + to[c] * (1 - alpha);
                to[c] = static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
            }
        }
    }
}

} // namespace

Picture renderFrame(const vtxhost::CanvasRecord& frame, int width, int height) {
    Picture picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
        std::copy(kBackground, kBackground + 3, &picture.rgba[i]);
        picture.rgba[i + 3] = 255;
    }
    for (const vtxhost::DrawCall& draw : frame.draws)
        blendDraw(draw, picture);
    return picture;
}

bool writePng(const std::filesystem::path& path, const Picture& picture, std::string& error) {
    if (!stbi_write_png(path.string().c_str(), picture.width, picture.height, 4, picture.rgba.data(),
                        picture.width * 4)) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

} // namespace vtxpreview
