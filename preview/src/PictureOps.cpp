#include "PictureOps.h"

#include <algorithm>
#include <cstdlib>

namespace vtxpreview {

namespace {
std::size_t offsetOf(const Picture& picture, int x, int y) {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 4;
}
} // namespace

Picture shrink(const Picture& picture, int factor) {
    if (factor <= 1 || picture.empty())
        return picture;
    Picture small;
    small.width = (picture.width + factor - 1) / factor;
    small.height = (picture.height + factor - 1) / factor;
    small.rgba.resize(offsetOf(small, 0, small.height));
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            unsigned count = 0;
            for (int sy = y * factor; sy < std::min((y + 1) * factor, picture.height); ++sy) {
                for (int sx = x * factor; sx < std::min((x + 1) * factor, picture.width); ++sx, ++count) {
                    const std::size_t at = offsetOf(picture, sx, sy);
                    for (int c = 0; c < 4; ++c)
                        sum[c] += picture.rgba[at + static_cast<std::size_t>(c)];
                }
            }
            const std::size_t at = offsetOf(small, x, y);
            for (int c = 0; c < 4; ++c)
                small.rgba[at + static_cast<std::size_t>(c)] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
        }
    }
    return small;
}

Picture filled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Picture picture{std::max(width, 0), std::max(height, 0), {}};
    picture.rgba.reserve(offsetOf(picture, 0, picture.height));
    for (int i = 0; i < picture.width * picture.height; ++i)
        picture.rgba.insert(picture.rgba.end(), {r, g, b, 255});
    return picture;
}

void place(Picture& into, const Picture& part, int x, int y) {
    const int left = std::max(x, 0);
    const int right = std::min(x + part.width, into.width);
    if (right <= left)
        return;
    for (int row = std::max(y, 0); row < std::min(y + part.height, into.height); ++row) {
        const auto from = part.rgba.begin() + static_cast<std::ptrdiff_t>(offsetOf(part, left - x, row - y));
        std::copy(from, from + (right - left) * 4,
                  into.rgba.begin() + static_cast<std::ptrdiff_t>(offsetOf(into, left, row)));
    }
}

PictureDifference comparePictures(const Picture& found, const Picture& expected, int tolerance) {
    PictureDifference result;
    result.sameSize = found.width == expected.width && found.height == expected.height;
    if (!result.sameSize)
        return result;
    result.marked = expected;
    for (std::size_t at = 0; at < expected.rgba.size(); at += 4) {
        int worst = 0;
        for (std::size_t c = 0; c < 4; ++c)
            worst = std::max(worst, std::abs(int(found.rgba[at + c]) - int(expected.rgba[at + c])));
        result.largest = std::max(result.largest, worst);
        std::uint8_t* pixel = &result.marked.rgba[at];
        if (worst > tolerance) {
            ++result.differing;
            pixel[0] = 255, pixel[1] = 0, pixel[2] = 255, pixel[3] = 255;
        } else {
            pixel[0] /= 3, pixel[1] /= 3, pixel[2] /= 3, pixel[3] = 255;
        }
    }
    return result;
}

} // namespace vtxpreview
