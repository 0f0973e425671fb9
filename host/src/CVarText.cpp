#include "CVarText.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace vtxhost::cvartext {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

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
        std::string_view digits(first, static_cast<std::size_t>(ptr - first));
        auto e = digits.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        bool underflow = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        value = underflow ? T(0) : std::numeric_limits<T>::infinity();
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

std::optional<double> wholeNumber(std::string_view text) {
    auto parsed = parseLeading<double>(text);
    if (!parsed)
        return std::nullopt;
    for (std::size_t i = parsed->end; i < text.size(); ++i) {
        if (!isBlank(text[i]))
            return std::nullopt;
    }
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

double clampToRange(double value, const CVarInfo& info) {
    if (info.hasMin && value < static_cast<double>(info.min))
        value = info.min;
    if (info.hasMax && value > static_cast<double>(info.max))
        value = info.max;
    return value;
}

bool outsideRange(double value, const CVarInfo& info) { return clampToRange(value, info) != value; }

std::string normalizeText(const std::string& text, const CVarInfo& info) {
    if (!info.hasMin && !info.hasMax)
        return text;
    auto number = wholeNumber(text);
    // Text within range is kept as given: plugins rely on reading back what they set.
    if (!number || !outsideRange(*number, info))
        return text;
    return formatNumber(clampToRange(*number, info));
}

std::string normalizeInt(int value, const CVarInfo& info) {
    if (outsideRange(value, info))
        return formatNumber(clampToRange(value, info));
    return std::to_string(value);
}

std::string normalizeFloat(float value, const CVarInfo& info) {
    return formatFloat(static_cast<float>(clampToRange(value, info)));
}

} // namespace vtxhost::cvartext
