#pragma once
// The text of vtx_saved_pos.ini (x, y and scale, one key=value a line) and
// the number formats of the position. Pure functions.
#include <optional>
#include <string>
#include <string_view>

namespace vtx {

struct OverlayPosition {
    float x = 0;
    float y = 0;
    float scale = 0;

    bool operator==(const OverlayPosition&) const = default;
};

// "x=…\ny=…\nscale=…\n", each number as formatPositionNumber writes it.
std::string formatPositionText(const OverlayPosition& position);

// Starts from `start`; each line "x=", "y=" or "scale=" (exact, untrimmed
// key before the first "=") whose value reads as a number replaces that
// value, a later line winning. Other lines are skipped.
OverlayPosition parsePositionText(std::string_view text, OverlayPosition start);

// A float at the start of `text` after white space: an optional sign, then
// the longest decimal (or 0x hexadecimal) number there; what follows is
// ignored. Empty without a number, or when it lies outside the float range
// or is not finite.
std::optional<float> parseLeadingFloat(std::string_view text);

// General notation with 6 significant digits and no trailing zeros (20,
// 980.5, 1.25, 1.23457e+06), whatever the C locale.
std::string formatPositionNumber(float value);
// Fixed notation with six decimals (20.000000), whatever the C locale.
std::string formatSixDecimals(float value);

} // namespace vtx
