#include "DrawFormat.h"

#include <cstdio>

#include "Lexer.h"

namespace vtxpreview {

std::string describeDraw(const std::string& file, double x, double y, double scale, double alpha) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, " at %.10g,%.10g scale %g alpha %g", x, y, scale, alpha);
    return file + numbers;
}

std::string describeDraw(const vtxhost::DrawCall& draw) {
    const std::filesystem::path folder = draw.image.parent_path().filename();
    const std::string file = (folder.empty() ? "" : folder.generic_string() + "/") + draw.image.filename().string();
    return describeDraw(file, draw.x, draw.y, draw.scale, draw.a) + (draw.decoded ? "" : " (not decoded)");
}

bool drawShows(const vtxhost::DrawCall& draw, const std::string& file) {
    const std::string path = draw.image.generic_string();
    return !file.empty() && (path == file || (path.size() > file.size() && path.ends_with(file) &&
                                              path[path.size() - file.size() - 1] == '/'));
}

std::string describeText(const std::string& text, double x, double y, double xScale, double yScale, double alpha,
                         bool shadow) {
    char numbers[160];
    if (xScale == yScale)
        std::snprintf(numbers, sizeof numbers, " at %.10g,%.10g scale %g alpha %g", x, y, xScale, alpha);
    else
        std::snprintf(numbers, sizeof numbers, " at %.10g,%.10g scale %g,%g alpha %g", x, y, xScale, yScale, alpha);
    return quoteWord(text) + numbers + (shadow ? " shadow" : "");
}

std::string describeText(const vtxhost::TextDraw& draw) {
    return describeText(draw.text, draw.x, draw.y, draw.xScale, draw.yScale, draw.a, draw.dropShadow) +
           (draw.wrap ? " (wrap)" : "");
}

} // namespace vtxpreview
