#pragma once
// One line per DrawTexture or DrawString call, shared by "print draws" and
// "print texts" and the failures of "expect draw" and "expect text", so a
// failure reads like the transcript.
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

} // namespace vtxpreview
