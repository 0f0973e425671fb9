// Expectations about the lines and boxes of the last frame. Each kind is
// counted on its own: "line 0" is the frame's first line, whatever boxes
// came before it.
#include <algorithm>
#include <cmath>
#include <optional>

#include "CommandTable.h"
#include "DrawFormat.h"

namespace vtxpreview {
namespace {

using Kind = vtxhost::ShapeDraw::Kind;

// Shapes may lie anywhere a float reaches the screen.
constexpr double kCoordinate = 1e7;

// Shape coordinates come from float arithmetic in the plugin: a hundredth
// of a pixel is as good as equal.
bool samePlace(double found, double want) { return std::fabs(found - want) <= 0.01; }

bool isLine(const vtxhost::ShapeDraw& shape) { return shape.kind == Kind::Line; }
bool isBox(const vtxhost::ShapeDraw& shape) { return shape.kind != Kind::Line; }

using IsKind = bool (*)(const vtxhost::ShapeDraw&);

std::size_t countOf(const vtxhost::CanvasRecord& frame, IsKind is) {
    return static_cast<std::size_t>(std::count_if(frame.shapes.begin(), frame.shapes.end(), is));
}

// The index-th shape of the kind, or null.
const vtxhost::ShapeDraw* nthShape(const vtxhost::CanvasRecord& frame, std::size_t index, IsKind is) {
    for (const vtxhost::ShapeDraw& shape : frame.shapes)
        if (is(shape) && index-- == 0)
            return &shape;
    return nullptr;
}

Rgba colourArgs(const Args& args, std::size_t first) {
    return Rgba{static_cast<int>(args.integer(first, 0, 255)), static_cast<int>(args.integer(first + 1, 0, 255)),
                static_cast<int>(args.integer(first + 2, 0, 255)), static_cast<int>(args.integer(first + 3, 0, 255))};
}

Action prepareCount(const Args& args, IsKind is, const char* kinds) {
    args.requireCount(1, 1);
    const auto want = static_cast<std::size_t>(args.integer(0, 0, 100'000));
    return [want, is, kinds](Session& session) {
        const std::size_t found = countOf(session.host().lastFrame(), is);
        session.expect(found == want, "expected " + std::to_string(want) + " " + kinds + " in the last frame, found " +
                                          std::to_string(found));
    };
}

struct WantedLine {
    std::size_t index;
    double x1, y1, x2, y2;
    std::optional<double> width; // unchecked when the line does not say
    Rgba colour;
};

bool matches(const vtxhost::ShapeDraw& line, const WantedLine& want) {
    return samePlace(line.x, want.x1) && samePlace(line.y, want.y1) && samePlace(line.endX, want.x2) &&
           samePlace(line.endY, want.y2) && (!want.width || samePlace(line.lineWidth, *want.width)) &&
           colourOf(line) == want.colour;
}

Action prepareLine(const Args& args, const CompileContext&) {
    args.requireCount(9, 10);
    const bool widthGiven = args.count() == 10;
    WantedLine want{static_cast<std::size_t>(args.integer(0, 0, 100'000)),
                    args.number(1, -kCoordinate, kCoordinate),
                    args.number(2, -kCoordinate, kCoordinate),
                    args.number(3, -kCoordinate, kCoordinate),
                    args.number(4, -kCoordinate, kCoordinate),
                    std::nullopt,
                    colourArgs(args, widthGiven ? 6 : 5)};
    if (widthGiven)
        want.width = args.number(5, -kCoordinate, kCoordinate);
    return [want](Session& session) {
        const std::string expected = "expected line " + std::to_string(want.index) + " " +
                                     describeLine(want.x1, want.y1, want.x2, want.y2, want.width, want.colour);
        const vtxhost::CanvasRecord& frame = session.host().lastFrame();
        const vtxhost::ShapeDraw* line = nthShape(frame, want.index, isLine);
        if (!line) {
            session.expect(false, expected + ", found " + std::to_string(countOf(frame, isLine)) + " lines");
            return;
        }
        session.expect(matches(*line, want), expected + ", found " + describeShape(*line));
    };
}

struct WantedBox {
    std::size_t index;
    bool filled;
    double x, y, width, height;
    Rgba colour;
};

bool matches(const vtxhost::ShapeDraw& box, const WantedBox& want) {
    return (box.kind == Kind::FilledBox) == want.filled && samePlace(box.x, want.x) && samePlace(box.y, want.y) &&
           samePlace(box.width, want.width) && samePlace(box.height, want.height) && colourOf(box) == want.colour;
}

Action prepareBox(const Args& args, const CompileContext&) {
    args.requireCount(10, 10);
    const WantedBox want{static_cast<std::size_t>(args.integer(0, 0, 100'000)),
                         args.choice(1, {"filled", "outline"}) == 0,
                         args.number(2, -kCoordinate, kCoordinate),
                         args.number(3, -kCoordinate, kCoordinate),
                         args.number(4, -kCoordinate, kCoordinate),
                         args.number(5, -kCoordinate, kCoordinate),
                         colourArgs(args, 6)};
    return [want](Session& session) {
        const std::string expected = "expected box " + std::to_string(want.index) + " " +
                                     describeBox(want.filled, want.x, want.y, want.width, want.height, want.colour);
        const vtxhost::CanvasRecord& frame = session.host().lastFrame();
        const vtxhost::ShapeDraw* box = nthShape(frame, want.index, isBox);
        if (!box) {
            session.expect(false, expected + ", found " + std::to_string(countOf(frame, isBox)) + " boxes");
            return;
        }
        session.expect(matches(*box, want), expected + ", found " + describeShape(*box));
    };
}

} // namespace

std::vector<CommandSpec> expectShapeCommands() {
    return {
        {"expect lines", "N", "the last frame made N DrawLine calls", HostUse::Starts,
         [](const Args& args, const CompileContext&) { return prepareCount(args, isLine, "lines"); }},
        {"expect line", "I X1 Y1 X2 Y2 [WIDTH] R G B A",
         "the I-th line of the last frame (from 0): its ends, its width when given, its colour (0-255 each)",
         HostUse::Starts, prepareLine},
        {"expect boxes", "N", "the last frame made N FillBox, DrawBox and DrawRect calls", HostUse::Starts,
         [](const Args& args, const CompileContext&) { return prepareCount(args, isBox, "boxes"); }},
        {"expect box", "I filled|outline X Y W H R G B A",
         "the I-th box of the last frame (from 0): filled (FillBox, DrawRect) or outlined (DrawBox), its top-left "
         "corner, size and colour",
         HostUse::Starts, prepareBox},
    };
}

} // namespace vtxpreview
