#include "overlay/OpaqueBox.h"

#include <string>

#include "core/PngOpaqueBox.h"
#include "core/TextFile.h"

namespace vtx {
namespace {

// Far beyond any skin picture (a 700 px pack's base is a few hundred
// kilobytes); a bigger file is not read into memory at all.
constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

} // namespace

std::optional<PixelBox> readOpaqueBox(const std::filesystem::path& path) {
    try {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error || size == 0 || size > kMaxFileBytes)
            return std::nullopt;
        std::string bytes;
        if (!readTextFile(path, bytes).ok())
            return std::nullopt;
        return pngOpaqueBox(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace vtx
