// Expectations about the canvas calls of the last frame.
#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>

#include "CommandTable.h"
#include "DrawFormat.h"
#include "Lexer.h"
#include "Numbers.h"
#include "vtxhost/CanvasFont.h"

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

// The screen rectangle a draw's opaque pixels cover; empty for a picture
// that did not decode or is transparent all over.
struct ScreenBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return !(right > left && bottom > top); }
};

ScreenBox opaquePart(const vtxhost::DrawCall& draw) {
    ScreenBox box;
    if (!draw.decoded || !draw.pixels || draw.imageWidth <= 0 || draw.imageHeight <= 0)
        return box;
    const auto width = static_cast<std::size_t>(draw.imageWidth);
    const auto height = static_cast<std::size_t>(draw.imageHeight);
    if (draw.pixels->size() < width * height * 4)
        return box;
    std::size_t left = width, top = height, right = 0, bottom = 0;
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x)
            if ((*draw.pixels)[(y * width + x) * 4 + 3] != 0) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = y + 1;
            }
    if (right == 0)
        return box;
    const double s = draw.scale;
    return ScreenBox{draw.x + static_cast<double>(left) * s, draw.y + static_cast<double>(top) * s,
                     draw.x + static_cast<double>(right) * s, draw.y + static_cast<double>(bottom) * s};
}

ScreenBox textPart(const vtxhost::TextDraw& draw) {
    const double width = static_cast<double>(vtxhost::canvasGlyphCount(draw.text)) * vtxhost::kCanvasGlyphWidth;
    return ScreenBox{static_cast<double>(draw.x), static_cast<double>(draw.y), draw.x + width * draw.xScale,
                     draw.y + vtxhost::kCanvasGlyphHeight * static_cast<double>(draw.yScale)};
}

bool inside(const ScreenBox& box, double width, double height) {
    return box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height;
}

std::string boxText(const ScreenBox& box) {
    std::ostringstream text;
    text << "covers " << box.left << ',' << box.top << " to " << box.right << ',' << box.bottom;
    return text.str();
}

// Every picture (its opaque pixels) and every text of the last frame lies
// wholly on the canvas.
Action prepareOnScreen(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        const vtxhost::CanvasRecord& frame = session.host().lastFrame();
        const double width = frame.width;
        const double height = frame.height;
        const std::string canvas =
            " off the " + std::to_string(frame.width) + "x" + std::to_string(frame.height) + " canvas";
        for (const vtxhost::DrawCall& draw : frame.draws) {
            const ScreenBox box = opaquePart(draw);
            if (!box.empty() && !inside(box, width, height)) {
                session.expect(false, "expected everything on screen, found " + describeDraw(draw) + " (" +
                                          boxText(box) + ")" + canvas);
                return;
            }
        }
        for (const vtxhost::TextDraw& text : frame.texts) {
            const ScreenBox box = textPart(text);
            if (!inside(box, width, height)) {
                session.expect(false, "expected everything on screen, found " + describeText(text) + " (" +
                                          boxText(box) + ")" + canvas);
                return;
            }
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
        {"expect onscreen", "",
         "every picture of the last frame (its opaque pixels) and every text lies wholly on the canvas",
         HostUse::Starts, prepareOnScreen},
    };
}

} // namespace vtxpreview
