#include "core/PositionText.h"

#include <charconv>
#include <cmath>

#include "core/KeyValueLines.h"

namespace vtx {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

std::string formatted(float value, std::chars_format format, int precision) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, format, precision);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("0");
}

} // namespace

std::optional<float> parseLeadingFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    auto format = std::chars_format::general;
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        isHexDigit(text[i + 2])) {
        format = std::chars_format::hex;
        i += 2;
    }
    if (i >= text.size() || text[i] == '+' || text[i] == '-') {
        return std::nullopt;
    }
    float value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value, format);
    // Subnormal numbers lie below the float range as strtof counts it.
    if (result.ec != std::errc() || !std::isfinite(value) || std::fpclassify(value) == FP_SUBNORMAL) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string formatPositionNumber(float value) { return formatted(value, std::chars_format::general, 6); }

std::string formatSixDecimals(float value) { return formatted(value, std::chars_format::fixed, 6); }

std::string formatPositionText(const OverlayPosition& position) {
    return keyValueLine("x", formatPositionNumber(position.x)) + keyValueLine("y", formatPositionNumber(position.y)) +
           keyValueLine("scale", formatPositionNumber(position.scale));
}

OverlayPosition parsePositionText(std::string_view text, OverlayPosition start) {
    OverlayPosition position = start;
    for (std::string_view line : splitLines(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::optional<float> value = parseLeadingFloat(line.substr(equals + 1));
        if (!value) {
            continue;
        }
        const std::string_view key = line.substr(0, equals);
        if (key == "x") {
            position.x = *value;
        } else if (key == "y") {
            position.y = *value;
        } else if (key == "scale") {
            position.scale = *value;
        }
    }
    return position;
}

} // namespace vtx
