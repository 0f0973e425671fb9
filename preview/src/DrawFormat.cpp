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

Rgba colourOf(const vtxhost::ShapeDraw& shape) { return Rgba{shape.r, shape.g, shape.b, shape.a}; }

namespace {

std::string colourText(Rgba colour) {
    char text[64];
    std::snprintf(text, sizeof text, " colour %d,%d,%d alpha %d", colour.r, colour.g, colour.b, colour.a);
    return text;
}

} // namespace

// Shapes come from float arithmetic: seven digits are all a float has.
std::string describeLine(double x1, double y1, double x2, double y2, std::optional<double> width, Rgba colour) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "from %.7g,%.7g to %.7g,%.7g", x1, y1, x2, y2);
    std::string text = numbers;
    if (width) {
        std::snprintf(numbers, sizeof numbers, " width %.7g", *width);
        text += numbers;
    }
    return text + colourText(colour);
}

std::string describeBox(bool filled, double x, double y, double width, double height, Rgba colour) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, " at %.7g,%.7g size %.7gx%.7g", x, y, width, height);
    return (filled ? "filled" : "outline") + std::string(numbers) + colourText(colour);
}

std::string describeShape(const vtxhost::ShapeDraw& shape) {
    if (shape.kind == vtxhost::ShapeDraw::Kind::Line)
        return describeLine(shape.x, shape.y, shape.endX, shape.endY, shape.lineWidth, colourOf(shape));
    return describeBox(shape.kind == vtxhost::ShapeDraw::Kind::FilledBox, shape.x, shape.y, shape.width, shape.height,
                       colourOf(shape));
}

} // namespace vtxpreview
