#include "bakkesmod/wrappers/ImageWrapper.h"

#include <fstream>
#include <iterator>

#include "HostCalls.h"
#include "NoThrow.h"
#include "vtxhost/Host.h"

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

struct ImageWrapper::Impl {
    std::filesystem::path path;
    bool tried = false;
    bool loaded = false;
    vtxhost::CanvasTexture texture;
};

ImageWrapper::ImageWrapper(std::filesystem::path path, bool canvasLoad, bool ImGuiLoad)
    : pimpl(std::make_unique<Impl>()) {
    vtxhost::countHostCall(vtxhost::HostCall::WrapperCopy);
    pimpl->path = std::move(path);
    if (canvasLoad || ImGuiLoad)
        LoadForCanvas();
}

ImageWrapper::~ImageWrapper() = default;

bool ImageWrapper::LoadForCanvas() {
    Impl& image = *pimpl;
    if (image.loaded || image.tried)
        return image.loaded;
    image.tried = true;
    vtxhost::noThrow([&] {
        auto bytes = readFile(image.path);
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
        image.texture.pixels = std::move(pixels);
        image.texture.width = width;
        image.texture.height = height;
        image.loaded = true;
    });
    return image.loaded;
}

bool ImageWrapper::IsLoadedForCanvas() { return pimpl->loaded; }

void* ImageWrapper::GetCanvasTex() { return LoadForCanvas() ? &pimpl->texture : nullptr; }

std::string ImageWrapper::GetPath() {
    return vtxhost::noThrow(std::string(), [&] { return pimpl->path.string(); });
}

std::filesystem::path ImageWrapper::GetPathFs() {
    return vtxhost::noThrow(std::filesystem::path(), [&] { return pimpl->path; });
}

Vector2 ImageWrapper::GetSize() { return Vector2{pimpl->texture.width, pimpl->texture.height}; }
