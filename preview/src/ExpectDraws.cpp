// Expectations about the canvas calls of the last frame.
#include <cmath>
#include <optional>

#include "CommandTable.h"
#include "DrawFormat.h"
#include "Lexer.h"
#include "Numbers.h"

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

struct WantedText {
    std::size_t index;
    std::string text;
    double x, y, xScale, yScale, alpha;
    std::optional<bool> shadow; // unchecked when the line does not say
};

bool matches(const vtxhost::TextDraw& draw, const WantedText& want) {
    return draw.text == want.text && draw.x == want.x && draw.y == want.y && sameScale(draw.xScale, want.xScale) &&
           sameScale(draw.yScale, want.yScale) && draw.a == want.alpha &&
           (!want.shadow || draw.dropShadow == *want.shadow);
}

// SCALE is one number for both axes, or "SX,SY".
void scaleArgs(const Args& args, std::size_t i, double& xScale, double& yScale) {
    const std::string& word = args.text(i);
    const std::size_t comma = word.find(',');
    const auto x = parseNumber(std::string_view(word).substr(0, comma));
    const auto y = comma == std::string::npos ? x : parseNumber(std::string_view(word).substr(comma + 1));
    if (!x || !y || std::fabs(*x) > 1e6 || std::fabs(*y) > 1e6)
        throw ArgError(args.name() + ": argument " + std::to_string(i + 1) + " '" + word +
                       "' is not a scale (S or SX,SY, each -1e+06..1e+06)");
    xScale = *x;
    yScale = *y;
}

Action prepareTexts(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const auto want = static_cast<std::size_t>(args.integer(0, 0, 100'000));
    return [want](Session& session) {
        const std::size_t found = session.host().lastFrame().texts.size();
        session.expect(found == want,
                       "expected " + std::to_string(want) + " texts in the last frame, found " + std::to_string(found));
    };
}

Action prepareText(const Args& args, const CompileContext&) {
    args.requireCount(6, 7);
    WantedText want{static_cast<std::size_t>(args.integer(0, 0, 100'000)),
                    args.text(1),
                    args.number(2, kCanvasMin, kCanvasMax),
                    args.number(3, kCanvasMin, kCanvasMax),
                    0,
                    0,
                    args.number(5, 0, 255),
                    std::nullopt};
    scaleArgs(args, 4, want.xScale, want.yScale);
    if (args.count() == 7)
        want.shadow = args.choice(6, {"plain", "shadow"}) == 1;
    return [want](Session& session) {
        const auto& texts = session.host().lastFrame().texts;
        std::string expected =
            "expected text " + std::to_string(want.index) + " " +
            describeText(want.text, want.x, want.y, want.xScale, want.yScale, want.alpha, want.shadow.value_or(false));
        if (want.shadow && !*want.shadow)
            expected += " plain";
        if (want.index >= texts.size()) {
            session.expect(false, expected + ", found " + std::to_string(texts.size()) + " texts");
            return;
        }
        session.expect(matches(texts[want.index], want), expected + ", found " + describeText(texts[want.index]));
    };
}

Action prepareNoText(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    return [text = args.text(0)](Session& session) {
        for (const vtxhost::TextDraw& draw : session.host().lastFrame().texts)
            if (draw.text == text) {
                session.expect(false, "expected no text " + quoteWord(text) + ", found " + describeText(draw));
                return;
            }
        session.expect(true, "");
    };
}

} // namespace

std::vector<CommandSpec> expectDrawCommands() {
    return {
        {"expect draws", "N", "the last frame made N DrawTexture calls", HostUse::Starts, prepareDraws},
        {"expect draw", "I FILE X Y SCALE ALPHA",
         "the I-th DrawTexture of the last frame (from 0): file name (or FOLDER/FILE), position, scale, alpha",
         HostUse::Starts, prepareDraw},
        {"expect texts", "N", "the last frame made N DrawString calls", HostUse::Starts, prepareTexts},
        {"expect text", "I TEXT X Y SCALE ALPHA [shadow|plain]",
         "the I-th DrawString of the last frame (from 0): text, top-left corner, scale (S, or SX,SY), alpha and, "
         "when given, its drop shadow",
         HostUse::Starts, prepareText},
        {"expect notext", "TEXT", "no DrawString of the last frame drew TEXT", HostUse::Starts, prepareNoText},
    };
}

} // namespace vtxpreview
