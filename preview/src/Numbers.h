#pragma once
// Strict number parsing for scenario words: the whole word must be the
// number, so "12x" or "" is an error rather than a silent 12 or 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtxpreview {

int hexDigitValue(char c); // -1 when c is not a hex digit

// Decimal with an optional '-', or hexadecimal after "0x".
std::optional<long long> parseInteger(std::string_view text);
// Hexadecimal with or without "0x".
std::optional<unsigned long long> parseHex(std::string_view text);
// Decimal floating point ("1", "-0.5", "2e3"); no inf or nan.
std::optional<double> parseNumber(std::string_view text);

// Bytes from hex digit pairs; '_' may separate groups for readability.
// The error is set when the word is empty, odd or holds a non-hex character.
std::vector<std::uint8_t> parseHexBytes(std::string_view text, std::string& error);

} // namespace vtxpreview
