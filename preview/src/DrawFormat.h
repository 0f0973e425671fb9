#pragma once
// One line per DrawTexture or DrawString call, line or box, shared by
// "print draws", "print texts" and "print shapes" and the failures of
// "expect draw", "expect text", "expect line" and "expect box", so a failure
// reads like the transcript.
#include <optional>
#include <string>

#include "vtxhost/Host.h"

namespace vtxpreview {

std::string describeDraw(const std::string& file, double x, double y, double scale, double alpha);
// The picture as its folder and file name ("Demo/Base.png"), marked when it did not decode.
std::string describeDraw(const vtxhost::DrawCall& draw);
// FILE names the draw's picture: its file name, or as many trailing path
// components as FILE has ("Demo/Base.png").
bool drawShows(const vtxhost::DrawCall& draw, const std::string& file);

// The text quoted as a scenario word, its position, scales (one number when
// they are equal, "SX,SY" otherwise), alpha and, when asked for, "shadow".
std::string describeText(const std::string& text, double x, double y, double xScale, double yScale, double alpha,
                         bool shadow);
std::string describeText(const vtxhost::TextDraw& draw);

// A shape's colour, as the scenarios write it: R G B A, 0-255 each.
struct Rgba {
    int r = 255, g = 255, b = 255, a = 255;
    bool operator==(const Rgba&) const = default;
};
Rgba colourOf(const vtxhost::ShapeDraw& shape);

// "from X1,Y1 to X2,Y2 width W colour R,G,B alpha A"; without a width when
// none is given.
std::string describeLine(double x1, double y1, double x2, double y2, std::optional<double> width, Rgba colour);
// "filled at X,Y size WxH colour R,G,B alpha A", or "outline at ...".
std::string describeBox(bool filled, double x, double y, double width, double height, Rgba colour);
// A line or a box, as the two above.
std::string describeShape(const vtxhost::ShapeDraw& shape);

} // namespace vtxpreview
