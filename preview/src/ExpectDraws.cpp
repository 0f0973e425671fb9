// Expectations about the canvas calls of the last frame.
#include <cmath>

#include "CommandTable.h"
#include "DrawFormat.h"

namespace vtxpreview {
namespace {

// Canvas positions are ints.
constexpr double kCanvasMin = -2147483648.0;
constexpr double kCanvasMax = 2147483647.0;

struct WantedDraw {
    std::size_t index;
    std::string file;
    double x, y, scale, alpha;
};

// Scales come from float arithmetic in the plugin, so they compare loosely.
bool sameScale(double a, double b) { return std::fabs(a - b) <= 1e-4 * std::max(1.0, std::fabs(b)); }

bool matches(const vtxhost::DrawCall& draw, const WantedDraw& want) {
    return drawShows(draw, want.file) && draw.x == want.x && draw.y == want.y && sameScale(draw.scale, want.scale) &&
           draw.a == want.alpha;
}

Action prepareDraws(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const auto want = static_cast<std::size_t>(args.integer(0, 0, 100'000));
    return [want](Session& session) {
        const std::size_t found = session.host().lastFrame().draws.size();
        session.expect(found == want,
                       "expected " + std::to_string(want) + " draws in the last frame, found " + std::to_string(found));
    };
}

Action prepareDraw(const Args& args, const CompileContext&) {
    args.requireCount(6, 6);
    const WantedDraw want{static_cast<std::size_t>(args.integer(0, 0, 100'000)),
                          args.text(1),
                          args.number(2, kCanvasMin, kCanvasMax),
                          args.number(3, kCanvasMin, kCanvasMax),
                          args.number(4, -1e6, 1e6),
                          args.number(5, 0, 255)};
    return [want](Session& session) {
        const auto& draws = session.host().lastFrame().draws;
        const std::string expected = "expected draw " + std::to_string(want.index) + " " +
                                     describeDraw(want.file, want.x, want.y, want.scale, want.alpha);
        if (want.index >= draws.size()) {
            session.expect(false, expected + ", found " + std::to_string(draws.size()) + " draws");
            return;
        }
        session.expect(matches(draws[want.index], want), expected + ", found " + describeDraw(draws[want.index]));
    };
}

} // namespace

std::vector<CommandSpec> expectDrawCommands() {
    return {
        {"expect draws", "N", "the last frame made N DrawTexture calls", HostUse::Starts, prepareDraws},
        {"expect draw", "I FILE X Y SCALE ALPHA",
         "the I-th DrawTexture of the last frame (from 0): file name (or FOLDER/FILE), position, scale, alpha",
         HostUse::Starts, prepareDraw},
    };
}

} // namespace vtxpreview
