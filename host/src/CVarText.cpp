#include "CVarText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace vtxhost::cvartext {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Whether an out-of-range number is too small rather than too large: where
// its first significant digit stands, plus its exponent, is below zero.
bool tooSmall(std::string_view number, bool hex) {
    const auto marker = number.find_first_of(hex ? "pP" : "eE");
    const std::string_view mantissa = number.substr(0, marker);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return true;
    long long magnitude =
        first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
    if (hex)
        magnitude *= 4; // hexadecimal digits, binary exponent
    if (marker == std::string_view::npos)
        return magnitude < 0;
    std::string_view exponent = number.substr(marker + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
        exponent.remove_prefix(1);
    long long value = 0;
    if (std::from_chars(exponent.data(), exponent.data() + exponent.size(), value).ec != std::errc())
        return negative; // an exponent too long to read decides alone
    return (negative ? -value : value) + magnitude < 0;
}

template <class T> struct Parsed {
    T value;
    std::size_t end; // index just past the number
};

// strtod's grammar without its locale: blanks, a sign, then a decimal or
// hexadecimal number, "inf" or "nan". std::from_chars does the digits.
template <class T> std::optional<Parsed<T>> parseLeading(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    auto format = std::chars_format::general;
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
        format = std::chars_format::hex;
        i += 2;
    }
    if (i >= text.size() || text[i] == '+' || text[i] == '-')
        return std::nullopt;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    T value{};
    auto [ptr, ec] = std::from_chars(first, last, value, format);
    if (ec == std::errc::invalid_argument)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, as strtod does.
        const std::string_view number(first, static_cast<std::size_t>(ptr - first));
        value = tooSmall(number, format == std::chars_format::hex) ? T(0) : std::numeric_limits<T>::infinity();
    }
    return Parsed<T>{negative ? -value : value, static_cast<std::size_t>(ptr - text.data())};
}

} // namespace

std::optional<double> leadingDouble(std::string_view text) {
    auto parsed = parseLeading<double>(text);
    if (!parsed)
        return std::nullopt;
    return parsed->value;
}

std::optional<float> leadingFloat(std::string_view text) {
    auto parsed = parseLeading<float>(text);
    if (!parsed)
        return std::nullopt;
    return parsed->value;
}

int toInt(std::string_view text) {
    auto value = leadingDouble(text);
    if (!value || std::isnan(*value))
        return 0;
    if (*value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (*value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(std::trunc(*value));
}

float toFloat(std::string_view text) { return leadingFloat(text).value_or(0.0f); }

std::string formatFloat(float value) {
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, ptr);
}

std::string formatNumber(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    return formatFloat(static_cast<float>(value));
}

namespace {
// The bounds were registered as floats: compare in float, so that "0.30" lies
// inside a range that starts at 0.3f.
float asFloat(double value) {
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
} // namespace

bool outsideRange(double value, const CVarInfo& info) {
    if (!info.hasMin && !info.hasMax)
        return false;
    if (std::isnan(value))
        return true;
    return (info.hasMin && asFloat(value) < info.min) || (info.hasMax && asFloat(value) > info.max);
}

double clampToRange(double value, const CVarInfo& info) {
    if (!outsideRange(value, info))
        return value;
    // A NaN takes the lower bound, or the upper one when there is no lower.
    if (info.hasMin && (std::isnan(value) || asFloat(value) < info.min))
        return info.min;
    return info.max;
}

std::string normalizeText(const std::string& text, const CVarInfo& info) {
    // Decided on the number the getters will read, trailing text or not.
    auto number = leadingDouble(text);
    // Text within range is kept as given: plugins rely on reading back what they set.
    if (!number || !outsideRange(*number, info))
        return text;
    return formatNumber(clampToRange(*number, info));
}

std::string normalizeInt(int value, const CVarInfo& info) { return formatNumber(clampToRange(value, info)); }

std::string normalizeFloat(float value, const CVarInfo& info) {
    return formatFloat(static_cast<float>(clampToRange(value, info)));
}

} // namespace vtxhost::cvartext
