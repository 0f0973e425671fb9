#pragma once
// The calibration file's text: 33 lines of key=value with decimal integers.
// Pure functions, so the file code only moves bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "input/SonyCalibration.h"

namespace vtx {

// The record as file text, one "key=value\n" per field in field order; flags
// 0/1, byte indices signed, masks and hat values 0-255.
std::string formatCalibration(const SonyCalibration& calibration);

// Reads file text leniently: lines without "=" are skipped, a later line
// replaces an earlier one with the same key, and a field whose key is absent
// or whose value does not start with a 32-bit number takes its missing-key value.
SonyCalibration parseCalibration(std::string_view text);

// A signed decimal 32-bit integer at the start of `text` after white space;
// whatever follows the digits is ignored. Empty without digits or out of range.
std::optional<std::int32_t> parseLeadingInt32(std::string_view text);

} // namespace vtx
