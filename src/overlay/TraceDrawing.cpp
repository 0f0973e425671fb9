#include "overlay/TraceDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/Clamp.h"
#include "overlay/CanvasDrawing.h"

namespace vtx {

namespace {
constexpr float kNumbersTextScale = 1.5f;
constexpr float kNumbersSpacing = 16.0f;
constexpr float kRowGap = 4.0f;
// Keeps a line at full deflection or pressure off the outline.
constexpr float kInset = 4.0f;
constexpr float kLineWidth = 2.0f;

constexpr Rgb kSteerColour{255, 200, 60};
constexpr Rgb kThrottleColour{90, 220, 110};
constexpr Rgb kBrakeColour{240, 80, 70};
constexpr Rgb kFrameColour{255, 255, 255};
constexpr float kBackgroundAlpha = 0.5f;
constexpr float kOutlineAlpha = 0.4f;
constexpr float kCentreLineAlpha = 0.3f;

using Points = std::array<const TraceSample*, kTraceSegments + 1>;

struct Chart {
    float left;
    float top;
    float width;
    float height;
    float inset;

    float x(int point) const { return left + width * static_cast<float>(point) / kTraceSegments; }
    float middle() const { return top + height / 2.0f; }
    // Steering -1..1 around the middle, right up.
    float steerY(float value) const { return middle() - value * (height / 2.0f - inset); }
    // A pressure 0..1 from the bottom up.
    float pressureY(float value) const { return top + height - inset - value * (height - 2.0f * inset); }
};

// The sample each point of the chart shows: the newest taken at or before its
// moment; null before the first sample.
Points pointsOf(const TraceSamples& samples, TraceView view) {
    Points points{};
    for (int point = 0; point <= kTraceSegments; ++point) {
        const std::int64_t back = view.windowNs * (kTraceSegments - point) / kTraceSegments;
        points[static_cast<std::size_t>(point)] = samples.at(view.nowNs - back);
    }
    return points;
}

// A level stretch (a trigger released or held down, the stick centred) is
// one line however many points it spans: most of a trace is level, and each
// line is a call into the host.
class SeriesPen {
public:
    SeriesPen(CanvasWrapper& canvas, const Chart& chart, float width) : canvas_(canvas), chart_(chart), width_(width) {}

    void segment(int point, float fromY, float toY) {
        if (fromY == toY && levelFrom_ >= 0 && levelTo_ == point - 1) {
            levelTo_ = point;
            return;
        }
        finish();
        if (fromY == toY) {
            levelFrom_ = point - 1;
            levelTo_ = point;
            levelY_ = fromY;
            return;
        }
        line(point - 1, fromY, point, toY);
    }
    void finish() {
        if (levelFrom_ >= 0)
            line(levelFrom_, levelY_, levelTo_, levelY_);
        levelFrom_ = -1;
    }

private:
    void line(int fromPoint, float fromY, int toPoint, float toY) {
        canvas_.DrawLine(Vector2F{chart_.x(fromPoint), fromY}, Vector2F{chart_.x(toPoint), toY}, width_);
    }

    CanvasWrapper& canvas_;
    const Chart& chart_;
    float width_;
    int levelFrom_ = -1;
    int levelTo_ = -1;
    float levelY_ = 0;
};

// `toY` maps a sample to its height on the chart.
template <class ToY>
void drawSeries(CanvasWrapper& canvas, const Points& points, const Chart& chart, ToY toY, float width) {
    SeriesPen pen(canvas, chart, width);
    for (int point = 1; point <= kTraceSegments; ++point) {
        const TraceSample* from = points[static_cast<std::size_t>(point - 1)];
        const TraceSample* to = points[static_cast<std::size_t>(point)];
        if (from == nullptr || to == nullptr)
            continue;
        pen.segment(point, toY(*from), toY(*to));
    }
    pen.finish();
}

struct NumberText {
    std::array<char, 16> text{};
    Vector2F size{0, 0};
};

// "steer -0.42": `value` within -1..1 to two decimals, never "-0.00", which
// reads as a deflection that is not there. By hand: printf's float
// formatting costs more than the rest of the numbers together.
NumberText numberText(CanvasWrapper& canvas, std::string_view label, float value, float textScale) {
    NumberText number;
    const long hundredths = std::lround(static_cast<double>(clampSetting(value, -1.0f, 1.0f)) * 100.0);
    const long magnitude = hundredths < 0 ? -hundredths : hundredths;
    char* out = number.text.data();
    out = std::copy(label.begin(), label.end(), out);
    *out++ = ' ';
    if (hundredths < 0)
        *out++ = '-';
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = '.';
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    *out = '\0';
    number.size = canvas.GetStringSize(number.text.data(), textScale, textScale);
    return number;
}

void drawBackground(CanvasWrapper& canvas, const Chart& chart, float alpha) {
    const Vector2F size{chart.width, chart.height};
    canvas.SetPosition(Vector2F{chart.left, chart.top});
    setCanvasColour(canvas, Rgb{0, 0, 0}, kBackgroundAlpha * alpha);
    canvas.FillBox(size);
    setCanvasColour(canvas, kFrameColour, kOutlineAlpha * alpha);
    canvas.DrawBox(size);
    setCanvasColour(canvas, kFrameColour, kCentreLineAlpha * alpha);
    canvas.DrawLine(Vector2F{chart.left, chart.middle()}, Vector2F{chart.left + chart.width, chart.middle()}, 1.0f);
}

} // namespace

void drawTraceChart(CanvasWrapper& canvas, const TraceSamples& samples, TraceView view, const PadPlace& visible,
                    PadSurroundings& room, const Layout& layout) {
    if (samples.count() == 0)
        return;
    const float scale = layout.scale;
    const float alpha = layout.fadeAlpha;
    const float textScale = kNumbersTextScale * scale;
    const TraceSample& newest = samples.sample(0);
    const std::array<NumberText, 3> numbers{numberText(canvas, "steer", newest.leftX, textScale),
                                            numberText(canvas, "thr", newest.throttle, textScale),
                                            numberText(canvas, "brk", newest.brake, textScale)};
    constexpr std::array<Rgb, 3> numberColours{kSteerColour, kThrottleColour, kBrakeColour};

    const float numbersHeight = numbers[0].size.Y;
    const float chartHeight = kTraceChartHeight * scale;
    const float top = room.takeBelowElseAbove(numbersHeight + kRowGap * scale + chartHeight);
    const Chart chart{visible.left, top + numbersHeight + kRowGap * scale, visible.width, chartHeight, kInset * scale};

    float x = visible.left;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        setCanvasColour(canvas, numberColours[i], alpha);
        drawTextAt(canvas, numbers[i].text.data(), x, top, textScale);
        x += numbers[i].size.X + kNumbersSpacing * scale;
    }

    drawBackground(canvas, chart, alpha);
    const Points points = pointsOf(samples, view);
    const float lineWidth = kLineWidth * scale;
    setCanvasColour(canvas, kBrakeColour, alpha);
    drawSeries(
        canvas, points, chart, [&](const TraceSample& s) { return chart.pressureY(s.brake); }, lineWidth);
    setCanvasColour(canvas, kThrottleColour, alpha);
    drawSeries(
        canvas, points, chart, [&](const TraceSample& s) { return chart.pressureY(s.throttle); }, lineWidth);
    setCanvasColour(canvas, kSteerColour, alpha);
    drawSeries(
        canvas, points, chart, [&](const TraceSample& s) { return chart.steerY(s.leftX); }, lineWidth);
}

} // namespace vtx
