#include "input/CalibrationText.h"

#include <array>
#include <map>

namespace vtx {
namespace {

// One file key and the field it names; exactly one of the member pointers is set.
struct FieldKey {
    const char* key;
    bool SonyCalibration::*flag = nullptr;
    std::int32_t SonyCalibration::*index = nullptr;
    std::uint8_t SonyCalibration::*byte = nullptr;
};

constexpr FieldKey flagKey(const char* key, bool SonyCalibration::*m) { return {key, m, nullptr, nullptr}; }
constexpr FieldKey indexKey(const char* key, std::int32_t SonyCalibration::*m) { return {key, nullptr, m, nullptr}; }
constexpr FieldKey byteKey(const char* key, std::uint8_t SonyCalibration::*m) { return {key, nullptr, nullptr, m}; }

using C = SonyCalibration;
constexpr std::array<FieldKey, 33> fieldKeys{{
    flagKey("enabled", &C::enabled),
    flagKey("valid", &C::valid),
    indexKey("square_byte", &C::square_byte),
    byteKey("square_mask", &C::square_mask),
    indexKey("cross_byte", &C::cross_byte),
    byteKey("cross_mask", &C::cross_mask),
    indexKey("circle_byte", &C::circle_byte),
    byteKey("circle_mask", &C::circle_mask),
    indexKey("triangle_byte", &C::triangle_byte),
    byteKey("triangle_mask", &C::triangle_mask),
    indexKey("l1_byte", &C::l1_byte),
    byteKey("l1_mask", &C::l1_mask),
    indexKey("r1_byte", &C::r1_byte),
    byteKey("r1_mask", &C::r1_mask),
    indexKey("options_byte", &C::options_byte),
    byteKey("options_mask", &C::options_mask),
    indexKey("dpad_byte", &C::dpad_byte),
    indexKey("dpad_shift", &C::dpad_shift),
    byteKey("dpad_neutral", &C::dpad_neutral),
    byteKey("dpad_up", &C::dpad_up),
    byteKey("dpad_right", &C::dpad_right),
    byteKey("dpad_down", &C::dpad_down),
    byteKey("dpad_left", &C::dpad_left),
    indexKey("lx_byte", &C::lx_byte),
    flagKey("lx_invert", &C::lx_invert),
    indexKey("ly_byte", &C::ly_byte),
    flagKey("ly_invert", &C::ly_invert),
    indexKey("rx_byte", &C::rx_byte),
    flagKey("rx_invert", &C::rx_invert),
    indexKey("ry_byte", &C::ry_byte),
    flagKey("ry_invert", &C::ry_invert),
    indexKey("lt_byte", &C::lt_byte),
    indexKey("rt_byte", &C::rt_byte),
}};

std::string valueText(const SonyCalibration& c, const FieldKey& f) {
    if (f.flag)
        return (c.*f.flag) ? "1" : "0";
    if (f.index)
        return std::to_string(c.*f.index);
    return std::to_string(static_cast<unsigned>(c.*f.byte));
}

void setField(SonyCalibration& c, const FieldKey& f, std::int32_t value) {
    if (f.flag)
        c.*f.flag = value != 0;
    else if (f.index)
        c.*f.index = value;
    else
        c.*f.byte = static_cast<std::uint8_t>(value & 0xFF); // low 8 bits
}

std::string_view trimEnd(std::string_view s, std::string_view blanks) {
    const auto end = s.find_last_not_of(blanks);
    return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::map<std::string, std::string, std::less<>> keyValues(std::string_view text) {
    std::map<std::string, std::string, std::less<>> values;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        // Leading blanks stay: the number parser skips them in values, and a
        // key with them names no field.
        const std::string_view key = trimEnd(line.substr(0, equals), " \t\r");
        const std::string_view value = trimEnd(line.substr(equals + 1), " \t\r\n");
        values.insert_or_assign(std::string(key), std::string(value));
    }
    return values;
}

} // namespace

std::optional<std::int32_t> parseLeadingInt32(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t firstDigit = i;
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = std::int64_t{1} << 31; // |INT32_MIN|
    bool outOfRange = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (!outOfRange)
            magnitude = magnitude * 10 + (text[i] - '0');
        outOfRange = outOfRange || magnitude > limit;
    }
    if (i == firstDigit || outOfRange || (!negative && magnitude == limit))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string formatCalibration(const SonyCalibration& calibration) {
    std::string text;
    for (const FieldKey& f : fieldKeys) {
        text += f.key;
        text += '=';
        text += valueText(calibration, f);
        text += '\n';
    }
    return text;
}

SonyCalibration parseCalibration(std::string_view text) {
    const auto values = keyValues(text);
    SonyCalibration c = missingKeyCalibration();
    for (const FieldKey& f : fieldKeys) {
        const auto found = values.find(std::string_view(f.key));
        if (found == values.end())
            continue;
        if (const auto value = parseLeadingInt32(found->second))
            setField(c, f, *value);
    }
    return c;
}

} // namespace vtx
