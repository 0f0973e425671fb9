#include "core/Inflate.h"

#include <array>

namespace vtx {
namespace {

constexpr int kMaxBits = 15;
constexpr int kLiteralCodes = 288;
constexpr int kDistanceCodes = 30;
// Codes up to this many bits are read with one look-up; longer ones bit by bit.
constexpr int kFastBits = 9;

// The stream's bits, least significant first, through a 64-bit buffer.
class Bits {
public:
    explicit Bits(std::span<const std::uint8_t> data) : data_(data) {}

    // The next `count` bits (at most 32) without using them up; past the end
    // of the data they read as 0 and `failed` is set once they are used.
    std::uint32_t peek(int count) {
        fill(count);
        return static_cast<std::uint32_t>(buffer_ & ((std::uint64_t{1} << count) - 1));
    }
    void drop(int count) {
        buffer_ >>= count;
        available_ -= count;
        // Bits past the end read as 0 for a look ahead, never as the stream's.
        if (next_ * 8 - static_cast<std::size_t>(available_) > data_.size() * 8)
            failed = true;
    }
    std::uint32_t take(int count) {
        if (count == 0)
            return 0;
        const std::uint32_t value = peek(count);
        drop(count);
        return value;
    }
    // The stored block's bytes start at the next byte boundary.
    void toByteBoundary() { drop(available_ % 8); }
    // Whole bytes still in the buffer go back to the data, which stored blocks read directly.
    std::size_t bytePos() const { return next_ - static_cast<std::size_t>(available_ / 8); }
    void resumeAt(std::size_t byte) {
        next_ = byte;
        buffer_ = 0;
        available_ = 0;
    }
    std::span<const std::uint8_t> data() const { return data_; }

    bool failed = false;

private:
    void fill(int count) {
        while (available_ < count && available_ <= 56) {
            const std::uint64_t byte = next_ < data_.size() ? data_[next_] : 0;
            buffer_ |= byte << available_;
            available_ += 8;
            ++next_;
        }
    }

    std::span<const std::uint8_t> data_;
    std::size_t next_ = 0;
    std::uint64_t buffer_ = 0;
    int available_ = 0;
};

// A canonical Huffman code: how many codes of each length, the symbols in
// code order, and a table for the short codes.
struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> count{};
    std::array<std::uint16_t, kLiteralCodes> symbol{};
    // By the next kFastBits bits of the stream: symbol << 4 | length; 0 for a
    // code longer than kFastBits (or none).
    std::array<std::uint16_t, 1 << kFastBits> fast{};

    // False for lengths that over-subscribe the code space. An incomplete
    // code is allowed: its missing codes fail when met.
    bool build(const std::uint8_t* lengths, int n) {
        count.fill(0);
        for (int i = 0; i < n; ++i)
            ++count[lengths[i]];
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = left * 2 - count[len];
            if (left < 0)
                return false;
        }
        std::array<std::uint16_t, kMaxBits + 1> offset{};
        for (int len = 1; len < kMaxBits; ++len)
            offset[len + 1] = static_cast<std::uint16_t>(offset[len] + count[len]);
        for (int i = 0; i < n; ++i)
            if (lengths[i] != 0)
                symbol[offset[lengths[i]]++] = static_cast<std::uint16_t>(i);
        buildFast(lengths, n);
        return true;
    }

    // The next symbol, or -1 for a code the table does not hold.
    int decode(Bits& bits) const {
        const std::uint16_t hit = fast[bits.peek(kFastBits)];
        if (hit != 0) {
            bits.drop(hit & 0x0F);
            return hit >> 4;
        }
        return decodeSlowly(bits);
    }

private:
    void buildFast(const std::uint8_t* lengths, int n) {
        fast.fill(0);
        // Canonical codes in order of length then symbol; each short one fills
        // every table slot whose low bits are its code, bit-reversed (the
        // stream gives a code's first bit first).
        std::array<int, kMaxBits + 1> next{};
        int code = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            next[len] = code;
            code = (code + count[len]) << 1;
        }
        for (int i = 0; i < n; ++i) {
            const int len = lengths[i];
            if (len == 0)
                continue;
            const int c = next[len]++;
            if (len > kFastBits)
                continue;
            int reversed = 0;
            for (int b = 0; b < len; ++b)
                reversed |= ((c >> b) & 1) << (len - 1 - b);
            for (int slot = reversed; slot < (1 << kFastBits); slot += 1 << len)
                fast[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>((i << 4) | len);
        }
    }

    int decodeSlowly(Bits& bits) const {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            code |= static_cast<int>(bits.take(1));
            const int n = count[len];
            if (code - n < first)
                return bits.failed ? -1 : symbol[static_cast<std::size_t>(index + (code - first))];
            index += n;
            first = (first + n) << 1;
            code <<= 1;
        }
        return -1;
    }
};

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                                         33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class Inflater {
public:
    Inflater(std::span<const std::uint8_t> deflate, std::size_t limit, std::vector<std::uint8_t>& out)
        : bits_(deflate), limit_(limit), out_(out) {}

    bool run() {
        bool last = false;
        while (!last) {
            last = bits_.take(1) != 0;
            const unsigned type = bits_.take(2);
            bool ok = false;
            if (type == 0)
                ok = stored();
            else if (type == 1)
                ok = fixed();
            else if (type == 2)
                ok = dynamic();
            if (!ok || bits_.failed)
                return false;
        }
        return true;
    }

private:
    bool stored() {
        bits_.toByteBoundary();
        const std::size_t at = bits_.bytePos();
        const auto data = bits_.data();
        if (at + 4 > data.size())
            return false;
        const unsigned length = data[at] | (data[at + 1] << 8);
        const unsigned check = data[at + 2] | (data[at + 3] << 8);
        if ((length ^ 0xFFFFu) != check || at + 4 + length > data.size() || out_.size() + length > limit_)
            return false;
        out_.insert(out_.end(), data.begin() + static_cast<std::ptrdiff_t>(at + 4),
                    data.begin() + static_cast<std::ptrdiff_t>(at + 4 + length));
        bits_.resumeAt(at + 4 + length);
        return true;
    }

    bool fixed() {
        std::array<std::uint8_t, kLiteralCodes> lengths{};
        for (int i = 0; i < kLiteralCodes; ++i)
            lengths[static_cast<std::size_t>(i)] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
        std::array<std::uint8_t, kDistanceCodes> distances{};
        distances.fill(5);
        return literals_.build(lengths.data(), kLiteralCodes) && distances_.build(distances.data(), kDistanceCodes) &&
               codes();
    }

    bool dynamic() {
        static constexpr std::array<std::uint8_t, 19> kOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                11, 4,  12, 3, 13, 2, 14, 1, 15};
        const int literalCount = static_cast<int>(bits_.take(5)) + 257;
        const int distanceCount = static_cast<int>(bits_.take(5)) + 1;
        const int lengthCount = static_cast<int>(bits_.take(4)) + 4;
        if (literalCount > 286 || distanceCount > kDistanceCodes)
            return false;
        std::array<std::uint8_t, 19> codeLengths{};
        for (int i = 0; i < lengthCount; ++i)
            codeLengths[kOrder[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(bits_.take(3));
        Huffman lengthCode;
        if (!lengthCode.build(codeLengths.data(), 19))
            return false;
        std::array<std::uint8_t, 286 + kDistanceCodes> lengths{};
        int index = 0;
        while (index < literalCount + distanceCount) {
            const int symbol = lengthCode.decode(bits_);
            if (symbol < 0 || bits_.failed)
                return false;
            if (symbol < 16) {
                lengths[static_cast<std::size_t>(index++)] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            int repeat = 0;
            if (symbol == 16) {
                if (index == 0)
                    return false;
                value = lengths[static_cast<std::size_t>(index - 1)];
                repeat = 3 + static_cast<int>(bits_.take(2));
            } else if (symbol == 17) {
                repeat = 3 + static_cast<int>(bits_.take(3));
            } else {
                repeat = 11 + static_cast<int>(bits_.take(7));
            }
            if (index + repeat > literalCount + distanceCount)
                return false;
            while (repeat-- > 0)
                lengths[static_cast<std::size_t>(index++)] = value;
        }
        // Without an end-of-block code the block could never end.
        if (lengths[256] == 0)
            return false;
        return literals_.build(lengths.data(), literalCount) &&
               distances_.build(lengths.data() + literalCount, distanceCount) && codes();
    }

    bool codes() {
        for (;;) {
            const int symbol = literals_.decode(bits_);
            if (symbol < 0 || bits_.failed)
                return false;
            if (symbol < 256) {
                if (out_.size() >= limit_)
                    return false;
                out_.push_back(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == 256)
                return true;
            const int lengthCode = symbol - 257;
            if (lengthCode >= static_cast<int>(kLengthBase.size()))
                return false;
            const std::size_t length = kLengthBase[static_cast<std::size_t>(lengthCode)] +
                                       bits_.take(kLengthExtra[static_cast<std::size_t>(lengthCode)]);
            const int distanceCode = distances_.decode(bits_);
            if (distanceCode < 0 || distanceCode >= kDistanceCodes)
                return false;
            const std::size_t distance = kDistanceBase[static_cast<std::size_t>(distanceCode)] +
                                         bits_.take(kDistanceExtra[static_cast<std::size_t>(distanceCode)]);
            if (bits_.failed || distance > out_.size() || out_.size() + length > limit_)
                return false;
            const std::size_t from = out_.size() - distance;
            out_.resize(out_.size() + length);
            std::uint8_t* to = out_.data() + out_.size() - length;
            const std::uint8_t* source = out_.data() + from;
            // Byte by byte: a copy may overlap what it writes (a run).
            for (std::size_t i = 0; i < length; ++i)
                to[i] = source[i];
        }
    }

    Bits bits_;
    std::size_t limit_;
    std::vector<std::uint8_t>& out_;
    Huffman literals_;
    Huffman distances_;
};

} // namespace

bool inflateZlib(std::span<const std::uint8_t> zlib, std::size_t expectedSize, std::vector<std::uint8_t>& out) {
    out.clear();
    // CMF and FLG: deflate with a window of at most 32 KiB, no preset dictionary.
    if (zlib.size() < 2 || (zlib[0] & 0x0F) != 8 || (zlib[0] >> 4) > 7 || (zlib[1] & 0x20) != 0 ||
        ((zlib[0] << 8) | zlib[1]) % 31 != 0)
        return false;
    try {
        out.reserve(expectedSize);
        Inflater inflater(zlib.subspan(2), expectedSize, out);
        return inflater.run() && out.size() == expectedSize;
    } catch (...) {
        out.clear();
        return false;
    }
}

} // namespace vtx
