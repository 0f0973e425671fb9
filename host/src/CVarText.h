#pragma once
// How the host reads and writes console variable text: numbers are read from
// the front of the text in the "C" locale and written in a canonical form.
#include <optional>
#include <string>
#include <string_view>

#include "vtxhost/Host.h"

namespace vtxhost::cvartext {

// The number at the front of the text (after blanks), as strtod would read it.
std::optional<double> leadingDouble(std::string_view text);
std::optional<float> leadingFloat(std::string_view text);

int toInt(std::string_view text);     // truncated toward zero, saturated; 0 without a number
float toFloat(std::string_view text); // 0 without a number

// Shortest text that reads back as the same float: 20 → "20", 0.12f → "0.12".
std::string formatFloat(float value);
// Integral values as plain decimals, others as formatFloat.
std::string formatNumber(double value);

double clampToRange(double value, const CVarInfo& info);
bool outsideRange(double value, const CVarInfo& info);

// The text stored for a value set as text: with a range, a number outside it
// is clamped and written canonically; anything else is kept as it is.
std::string normalizeText(const std::string& text, const CVarInfo& info);
std::string normalizeInt(int value, const CVarInfo& info);
std::string normalizeFloat(float value, const CVarInfo& info);

} // namespace vtxhost::cvartext
