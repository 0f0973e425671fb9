#include "overlay/TraceDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/Clamp.h"
#include "overlay/CanvasDrawing.h"
#include "overlay/LayerDrawing.h"

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
Points pointsOf(const TraceSamples& samples, TraceView view, TracePointCursors& cursors) {
    Points points{};
    for (int point = 0; point <= kTraceSegments; ++point) {
        const std::int64_t back = view.windowNs * (kTraceSegments - point) / kTraceSegments;
        const auto i = static_cast<std::size_t>(point);
        points[i] = samples.at(view.nowNs - back, cursors[i]);
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

// `toY` maps a sample to its height on the chart. Points without a sample
// come first (the moments before the first one), so the line starts at the
// first point that has one.
template <class ToY>
void drawSeries(CanvasWrapper& canvas, const Points& points, int first, const Chart& chart, ToY toY, float width) {
    SeriesPen pen(canvas, chart, width);
    float fromY = first <= kTraceSegments ? toY(*points[static_cast<std::size_t>(first)]) : 0;
    for (int point = first + 1; point <= kTraceSegments; ++point) {
        const float toYHere = toY(*points[static_cast<std::size_t>(point)]);
        pen.segment(point, fromY, toYHere);
        fromY = toYHere;
    }
    pen.finish();
}

// "steer -0.42": `value` within -1..1 to two decimals, never "-0.00", which
// reads as a deflection that is not there. By hand: printf's float
// formatting costs more than the rest of the numbers together. Measured
// again only when its text or scale changed: a held trigger's number stays
// the same for many frames.
void updateNumber(CanvasWrapper& canvas, TraceNumber& number, std::string_view label, float value, float textScale) {
    std::array<char, 16> text{};
    const long hundredths = std::lround(static_cast<double>(clampSetting(value, -1.0f, 1.0f)) * 100.0);
    const long magnitude = hundredths < 0 ? -hundredths : hundredths;
    char* out = text.data();
    out = std::copy(label.begin(), label.end(), out);
    *out++ = ' ';
    if (hundredths < 0)
        *out++ = '-';
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = '.';
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    *out = '\0';
    if (text == number.text && textScale == number.textScale)
        return;
    number.text = text;
    number.textScale = textScale;
    number.size = canvas.GetStringSize(number.text.data(), textScale, textScale);
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

void drawTraceChart(CanvasWrapper& canvas, const TraceSamples& samples, TraceView view, TraceChartMemory& memory,
                    const PadPlace& visible, PadSurroundings& room, const Layout& layout) {
    if (samples.count() == 0)
        return;
    const float scale = layout.scale;
    const float alpha = layout.fadeAlpha;
    const float textScale = kNumbersTextScale * scale;
    const TraceSample& newest = samples.sample(0);
    std::array<TraceNumber, 3>& numbers = memory.numbers;
    updateNumber(canvas, numbers[0], "steer", newest.leftX, textScale);
    updateNumber(canvas, numbers[1], "thr", newest.throttle, textScale);
    updateNumber(canvas, numbers[2], "brk", newest.brake, textScale);
    constexpr std::array<Rgb, 3> numberColours{kSteerColour, kThrottleColour, kBrakeColour};

    const float numbersHeight = numbers[0].size.Y;
    const float chartHeight = kTraceChartHeight * scale;
    const float top = room.takeBelowElseAbove(numbersHeight + kRowGap * scale + chartHeight);
    const Chart chart{visible.left, top + numbersHeight + kRowGap * scale, visible.width, chartHeight, kInset * scale};

    // The numbers and the lines are all at the pad's opacity.
    const unsigned char opacity = alphaByte(alpha);
    float x = visible.left;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        setCanvasColourByte(canvas, numberColours[i], opacity);
        drawTextAt(canvas, numbers[i].text.data(), x, top, textScale);
        x += numbers[i].size.X + kNumbersSpacing * scale;
    }

    drawBackground(canvas, chart, alpha);
    const Points points = pointsOf(samples, view, memory.cursors);
    const int first = static_cast<int>(
        std::find_if(points.begin(), points.end(), [](const TraceSample* p) { return p != nullptr; }) - points.begin());
    const float lineWidth = kLineWidth * scale;
    setCanvasColourByte(canvas, kBrakeColour, opacity);
    drawSeries(
        canvas, points, first, chart, [&](const TraceSample& s) { return chart.pressureY(s.brake); }, lineWidth);
    setCanvasColourByte(canvas, kThrottleColour, opacity);
    drawSeries(
        canvas, points, first, chart, [&](const TraceSample& s) { return chart.pressureY(s.throttle); }, lineWidth);
    setCanvasColourByte(canvas, kSteerColour, opacity);
    drawSeries(
        canvas, points, first, chart, [&](const TraceSample& s) { return chart.steerY(s.leftX); }, lineWidth);
}

} // namespace vtx
