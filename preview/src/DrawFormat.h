#pragma once
// One line per DrawTexture call, shared by "print draws" and the failures of
// "expect draw", so a failure reads like the transcript.
#include <string>

#include "vtxhost/Host.h"

namespace vtxpreview {

std::string describeDraw(const std::string& file, double x, double y, double scale, double alpha);
std::string describeDraw(const vtxhost::DrawCall& draw);

} // namespace vtxpreview
