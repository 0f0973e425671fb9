// Any bytes as a skin's base picture, and any bytes as a zlib stream. The
// first bytes choose a picture header that the reader accepts; the rest is its
// pixel data, either as it comes (the inflater's error paths) or wrapped in
// stored blocks (so random rows reach the filters and every pixel reader).
// Nothing may crash, and a box, when found, lies within the picture.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/Inflate.h"
#include "core/PngOpaqueBox.h"

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(std::vector<std::uint8_t>& png, const char* type, std::span<const std::uint8_t> data) {
    put32(png, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    put32(png, 0);
}

std::vector<std::uint8_t> storedZlib(std::span<const std::uint8_t> raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        out.insert(out.end(), {static_cast<std::uint8_t>(at + n == raw.size()), static_cast<std::uint8_t>(n),
                               static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(~n),
                               static_cast<std::uint8_t>(~n >> 8)});
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    // The bytes as a whole file, and as a zlib stream of any expected size.
    (void)vtx::pngOpaqueBox(bytes);
    std::vector<std::uint8_t> out;
    if (size >= 2 && vtx::inflateZlib(bytes.subspan(2), std::size_t{bytes[0]} * 16 + bytes[1], out) &&
        out.size() != std::size_t{bytes[0]} * 16 + bytes[1])
        std::abort();
    if (size < 6)
        return 0;

    static constexpr std::uint8_t kColours[] = {0, 2, 3, 4, 6};
    static constexpr std::uint8_t kDepths[] = {1, 2, 4, 8, 16};
    const std::uint32_t width = 1 + bytes[0] % 40;
    const std::uint32_t height = 1 + bytes[1] % 40;
    const std::uint8_t colour = kColours[bytes[2] % 5];
    const std::uint8_t depth = kDepths[(bytes[2] / 5) % 5];
    const bool interlaced = (bytes[3] & 1) != 0;
    const bool wrap = (bytes[3] & 2) != 0;
    const std::size_t trnsLength = bytes[4] % 8;
    const std::span<const std::uint8_t> rest = bytes.subspan(5);
    const std::span<const std::uint8_t> trns = rest.first(std::min(trnsLength, rest.size()));
    const std::span<const std::uint8_t> pixels = rest.subspan(trns.size());

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put32(header, width);
    put32(header, height);
    header.insert(header.end(), {depth, colour, 0, 0, static_cast<std::uint8_t>(interlaced)});
    chunk(png, "IHDR", header);
    if (!trns.empty())
        chunk(png, "tRNS", trns);
    const std::vector<std::uint8_t> idat = wrap ? storedZlib(pixels) : std::vector(pixels.begin(), pixels.end());
    chunk(png, "IDAT", idat);
    chunk(png, "IEND", {});
    if (const auto box = vtx::pngOpaqueBox(png)) {
        if (box->left < 0 || box->top < 0 || box->right > static_cast<int>(width) ||
            box->bottom > static_cast<int>(height) || box->left >= box->right || box->top >= box->bottom)
            std::abort();
    }
    return 0;
}
