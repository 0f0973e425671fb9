#include "Numbers.h"

#include <charconv>
#include <cmath>

namespace vtxpreview {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

namespace {

bool hasHexPrefix(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

template <typename T> std::optional<T> parseWhole(std::string_view text, int base) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<long long> parseInteger(std::string_view text) {
    if (hasHexPrefix(text)) {
        const auto value = parseWhole<unsigned long long>(text.substr(2), 16);
        if (!value || *value > static_cast<unsigned long long>(INT64_MAX))
            return std::nullopt;
        return static_cast<long long>(*value);
    }
    return parseWhole<long long>(text, 10);
}

std::optional<unsigned long long> parseHex(std::string_view text) {
    if (hasHexPrefix(text))
        text.remove_prefix(2);
    return parseWhole<unsigned long long>(text, 16);
}

std::optional<double> parseNumber(std::string_view text) {
    if (!text.empty() && text[0] == '+')
        return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::uint8_t> parseHexBytes(std::string_view text, std::string& error) {
    std::vector<std::uint8_t> bytes;
    int pending = -1; // the high digit of a pair in progress
    for (const char c : text) {
        if (c == '_')
            continue;
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            error = "'" + std::string(text) + "' is not hex bytes";
            return {};
        }
        if (pending < 0) {
            pending = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(pending * 16 + digit));
            pending = -1;
        }
    }
    if (pending >= 0)
        error = "'" + std::string(text) + "' has an odd number of hex digits";
    else if (bytes.empty())
        error = "empty hex bytes";
    if (!error.empty())
        return {};
    return bytes;
}

} // namespace vtxpreview
