#include "Snapshot.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <zlib.h>

// stb's own deflate is slow on 2560x1440 frames (over a second each); zlib at
// its fastest level with one fixed row filter writes them in about a tenth
// of that, a little larger.
namespace {
unsigned char* deflateFast(unsigned char* data, int length, int* outLength, int quality);
}
#define STBIW_ZLIB_COMPRESS deflateFast
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"

namespace {

constexpr const char* kUnreadable = "the file cannot be read";

// Every row filtered the same way: stb's per-row choice among five costs more than the compression.
constexpr int kPngRowFilterSub = 1;
[[maybe_unused]] const bool rowFilterChosen = (stbi_write_force_png_filter = kPngRowFilterSub, true);

unsigned char* deflateFast(unsigned char* data, int length, int* outLength, int /*quality*/) {
    uLongf size = compressBound(static_cast<uLong>(length));
    auto* out = static_cast<unsigned char*>(STBIW_MALLOC(size));
    if (out && compress2(out, &size, data, static_cast<uLong>(length), Z_BEST_SPEED) == Z_OK) {
        *outLength = static_cast<int>(size);
        return out;
    }
    STBIW_FREE(out);
    return nullptr;
}

} // namespace

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
    if (picture.empty()) {
        error = "cannot write " + path.string() + ": the picture is empty";
        return false;
    }
    int size = 0;
    unsigned char* png =
        stbi_write_png_to_mem(picture.rgba.data(), picture.width * 4, picture.width, picture.height, 4, &size);
    if (!png) {
        error = "cannot encode " + path.string();
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png), size);
    STBIW_FREE(png);
    if (!file.flush()) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

bool readPng(const std::filesystem::path& path, Picture& picture, std::string& error) {
    std::string reason;
    if (decodePicture(path, picture, reason))
        return true;
    error = reason == kUnreadable ? "cannot read " + path.string() : path.string() + " does not decode: " + reason;
    return false;
}

bool decodePicture(const std::filesystem::path& path, Picture& picture, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = kUnreadable;
        return false;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    if (!pixels) {
        reason = stbi_failure_reason();
        return false;
    }
    picture.width = width;
    picture.height = height;
    picture.rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return true;
}

} // namespace vtxpreview
