#include "bakkesmod/wrappers/imagewrapper.h"

#include <fstream>
#include <iterator>

#include "NoThrow.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include "stb_image.h"

namespace {

// Bigger than any skin picture; a larger file is not a picture for the canvas.
constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

std::vector<unsigned char> readFile(const std::filesystem::path& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || size == 0 || size > kMaxFileBytes)
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return {};
    return bytes;
}

} // namespace

ImageWrapper::ImageWrapper(std::filesystem::path path, bool canvasLoad, bool imguiLoad) : path_(std::move(path)) {
    if (canvasLoad || imguiLoad)
        LoadForCanvas();
}

bool ImageWrapper::LoadForCanvas() {
    if (loaded_ || tried_)
        return loaded_;
    tried_ = true;
    vtxhost::noThrow([&] {
        auto bytes = readFile(path_);
        if (bytes.empty())
            return;
        int width = 0, height = 0, channels = 0;
        stbi_uc* decoded =
            stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
        if (!decoded)
            return;
        auto pixels = std::make_shared<std::vector<std::uint8_t>>(
            decoded, decoded + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
        stbi_image_free(decoded);
        pixels_ = std::move(pixels);
        size_ = Vector2{width, height};
        loaded_ = true;
    });
    return loaded_;
}

const std::vector<std::uint8_t>& ImageWrapper::GetPixels() const {
    static const std::vector<std::uint8_t> none;
    return pixels_ ? *pixels_ : none;
}
