#pragma once
// zlib's compressed data (RFC 1950 around RFC 1951's deflate), as PNG files
// carry their pixels. Written for the plugin's one use, reading a skin's
// base picture, so that the plugin needs no image library: every length and
// code is checked, and the output never grows past what the caller expects.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vtx {

// Inflates `zlib` into `out` (cleared first). False when the data is not a
// well-formed zlib stream, or inflates to anything but exactly `expectedSize`
// bytes (a stream that would grow larger stops there). The checksum is not
// verified: a wrong byte shows as a wrong pixel, never as a fault.
bool inflateZlib(std::span<const std::uint8_t> zlib, std::size_t expectedSize, std::vector<std::uint8_t>& out);

} // namespace vtx
