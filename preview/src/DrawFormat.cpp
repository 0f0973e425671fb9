#include "DrawFormat.h"

#include <cstdio>

namespace vtxpreview {

std::string describeDraw(const std::string& file, double x, double y, double scale, double alpha) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, " at %g,%g scale %g alpha %g", x, y, scale, alpha);
    return file + numbers;
}

std::string describeDraw(const vtxhost::DrawCall& draw) {
    return describeDraw(draw.image.filename().string(), draw.x, draw.y, draw.scale, draw.a);
}

} // namespace vtxpreview
