#include "core/PngOpaqueBox.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/Inflate.h"

namespace vtx {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 0;  // bits a sample
    int colour = 0; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    bool interlaced = false;

    int channels() const {
        switch (colour) {
        case 0:
        case 3:
            return 1;
        case 2:
            return 3;
        case 4:
            return 2;
        case 6:
            return 4;
        }
        return 0;
    }
    bool valid() const {
        const bool depthFits = colour == 0   ? (depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16)
                               : colour == 3 ? (depth == 1 || depth == 2 || depth == 4 || depth == 8)
                                             : (depth == 8 || depth == 16);
        return channels() > 0 && depthFits && width > 0 && height > 0 && width <= kMaxPngSide && height <= kMaxPngSide;
    }
    std::size_t rowBytes(std::uint32_t pixels) const {
        return (std::size_t{pixels} * static_cast<std::size_t>(channels() * depth) + 7) / 8;
    }
    // Bytes from one pixel to the same byte of the next, for the filters.
    std::size_t pixelBytes() const {
        return std::max<std::size_t>(1, static_cast<std::size_t>(channels() * depth) / 8);
    }
};

struct Chunks {
    Header header;
    std::vector<std::uint8_t> pixels; // the IDAT chunks' data, joined
    std::vector<std::uint8_t> transparency;
    bool haveTransparency = false;
};

bool readChunks(std::span<const std::uint8_t> file, Chunks& out) {
    if (file.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), file.begin()))
        return false;
    std::size_t at = kSignature.size();
    bool haveHeader = false;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = bigEndian32(&file[at]);
        if (length > file.size() - at - 12)
            return false;
        const std::string_view type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        const std::uint8_t* data = &file[at + 8];
        if (type == "IHDR") {
            if (length != 13 || data[10] != 0 || data[11] != 0 || data[12] > 1)
                return false;
            out.header = Header{bigEndian32(data), bigEndian32(data + 4), data[8], data[9], data[12] == 1};
            haveHeader = true;
        } else if (type == "tRNS") {
            out.transparency.assign(data, data + length);
            out.haveTransparency = true;
        } else if (type == "IDAT") {
            out.pixels.insert(out.pixels.end(), data, data + length);
        } else if (type == "IEND") {
            return haveHeader && out.header.valid();
        }
        at += 12 + length;
    }
    return false;
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

// Undoes the row filters of one (sub)image in place: `rows` rows of
// `rowBytes` bytes, each after its filter byte. False for an unknown filter.
bool unfilter(std::uint8_t* data, std::size_t rows, std::size_t rowBytes, std::size_t pixelBytes) {
    const std::uint8_t* previous = nullptr;
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t filter = data[0];
        std::uint8_t* row = data + 1;
        const auto up = [&](std::size_t x) -> int { return previous ? previous[x] : 0; };
        const auto left = [&](std::size_t x) -> int { return x >= pixelBytes ? row[x - pixelBytes] : 0; };
        switch (filter) {
        case 0:
            break;
        case 1:
            for (std::size_t x = pixelBytes; x < rowBytes; ++x)
                row[x] = static_cast<std::uint8_t>(row[x] + row[x - pixelBytes]);
            break;
        case 2:
            if (previous)
                for (std::size_t x = 0; x < rowBytes; ++x)
                    row[x] = static_cast<std::uint8_t>(row[x] + previous[x]);
            break;
        case 3:
            for (std::size_t x = 0; x < rowBytes; ++x)
                row[x] = static_cast<std::uint8_t>(row[x] + (left(x) + up(x)) / 2);
            break;
        case 4:
            for (std::size_t x = 0; x < rowBytes; ++x) {
                const int upLeft = previous && x >= pixelBytes ? previous[x - pixelBytes] : 0;
                row[x] = static_cast<std::uint8_t>(row[x] + paeth(left(x), up(x), upLeft));
            }
            break;
        default:
            return false;
        }
        previous = row;
        data += rowBytes + 1;
    }
    return true;
}

// Sample `channel` of pixel `x` in an unfiltered row.
unsigned sample(const Header& header, const std::uint8_t* row, std::size_t x, int channel) {
    const std::size_t bit = (x * static_cast<std::size_t>(header.channels()) + static_cast<std::size_t>(channel)) *
                            static_cast<std::size_t>(header.depth);
    if (header.depth == 16)
        return (unsigned{row[bit / 8]} << 8) | row[bit / 8 + 1];
    if (header.depth == 8)
        return row[bit / 8];
    const unsigned shift = 8 - static_cast<unsigned>(header.depth) - static_cast<unsigned>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << header.depth) - 1);
}

// Whether a pixel shows: its alpha, its palette entry's alpha, or whether it
// differs from the colour tRNS makes transparent.
class Opacity {
public:
    explicit Opacity(const Chunks& chunks) : header_(chunks.header), trns_(chunks.transparency) {}
    bool shows(const std::uint8_t* row, std::size_t x) const {
        // Eight-bit alpha, the usual skin picture, read directly.
        if (header_.depth == 8 && header_.colour == 6)
            return row[x * 4 + 3] != 0;
        if (header_.depth == 8 && header_.colour == 4)
            return row[x * 2 + 1] != 0;
        switch (header_.colour) {
        case 4:
            return sample(header_, row, x, 1) != 0;
        case 6:
            return sample(header_, row, x, 3) != 0;
        case 3: {
            const unsigned index = sample(header_, row, x, 0);
            return index >= trns_.size() || trns_[index] != 0;
        }
        default:
            for (int c = 0; c < header_.channels(); ++c) {
                const std::size_t at = static_cast<std::size_t>(c) * 2;
                if (at + 1 >= trns_.size() ||
                    sample(header_, row, x, c) != ((unsigned{trns_[at]} << 8) | trns_[at + 1]))
                    return true;
            }
            return false;
        }
    }

private:
    const Header& header_;
    const std::vector<std::uint8_t>& trns_;
};

// The part of the picture a pass covers: every xStep-th column from xStart,
// every yStep-th row from yStart (one pass of step 1 when not interlaced).
struct Pass {
    std::uint32_t xStart, yStart, xStep, yStep;
    std::uint32_t columns(std::uint32_t width) const {
        return width > xStart ? (width - xStart + xStep - 1) / xStep : 0;
    }
    std::uint32_t rows(std::uint32_t height) const {
        return height > yStart ? (height - yStart + yStep - 1) / yStep : 0;
    }
};
constexpr std::array<Pass, 7> kAdam7 = {
    {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr std::array<Pass, 1> kWhole = {{{0, 0, 1, 1}}};

std::size_t passBytes(const Header& header, const Pass& pass) {
    const std::uint32_t columns = pass.columns(header.width);
    const std::uint32_t rows = pass.rows(header.height);
    return columns == 0 || rows == 0 ? 0 : std::size_t{rows} * (header.rowBytes(columns) + 1);
}

} // namespace

std::optional<PixelBox> pngOpaqueBox(std::span<const std::uint8_t> file) {
    try {
        Chunks chunks;
        if (!readChunks(file, chunks))
            return std::nullopt;
        const Header& header = chunks.header;
        const bool hasAlpha = header.colour == 4 || header.colour == 6 || chunks.haveTransparency;
        if (!hasAlpha)
            return PixelBox{0, 0, static_cast<int>(header.width), static_cast<int>(header.height)};
        const std::span<const Pass> passes =
            header.interlaced ? std::span<const Pass>(kAdam7) : std::span<const Pass>(kWhole);
        std::size_t total = 0;
        for (const Pass& pass : passes)
            total += passBytes(header, pass);
        std::vector<std::uint8_t> raw;
        if (!inflateZlib(chunks.pixels, total, raw))
            return std::nullopt;
        const Opacity opacity(chunks);
        PixelBox box{static_cast<int>(header.width), static_cast<int>(header.height), 0, 0};
        std::uint8_t* data = raw.data();
        for (const Pass& pass : passes) {
            const std::uint32_t columns = pass.columns(header.width);
            const std::uint32_t rows = pass.rows(header.height);
            if (columns == 0 || rows == 0)
                continue;
            const std::size_t rowBytes = header.rowBytes(columns);
            if (!unfilter(data, rows, rowBytes, header.pixelBytes()))
                return std::nullopt;
            for (std::uint32_t r = 0; r < rows; ++r) {
                const std::uint8_t* row = data + std::size_t{r} * (rowBytes + 1) + 1;
                const int y = static_cast<int>(pass.yStart + r * pass.yStep);
                for (std::uint32_t c = 0; c < columns; ++c) {
                    if (!opacity.shows(row, c))
                        continue;
                    const int x = static_cast<int>(pass.xStart + c * pass.xStep);
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x + 1);
                    box.top = std::min(box.top, y);
                    box.bottom = std::max(box.bottom, y + 1);
                }
            }
            data += passBytes(header, pass);
        }
        if (box.right == 0)
            return std::nullopt;
        return box;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace vtx
