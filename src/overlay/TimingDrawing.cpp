#include "overlay/TimingDrawing.h"

#include <algorithm>
#include <array>
#include <string>

#include "overlay/CanvasDrawing.h"

namespace vtx {

namespace {
constexpr float kLineGap = 4.0f;
constexpr float kOlderSpacing = 14.0f;
constexpr std::size_t kOlder = PressTiming::kHistory - 1;

struct GapText {
    std::array<char, kGapTextSize> text{};
    Vector2F size{0, 0};
};

GapText measured(CanvasWrapper& canvas, std::int64_t gapNs, float textScale) {
    GapText gap;
    formatGapMs(gapNs, gap.text.data(), gap.text.size());
    gap.size = canvas.GetStringSize(gap.text.data(), textScale, textScale);
    return gap;
}

} // namespace

void drawPressTiming(CanvasWrapper& canvas, const PressTiming& timing, const PadPlace& pad, PadSurroundings& room,
                     float scale, float alpha) {
    if (!timing.hasPair())
        return;
    const float large = kLatestGapTextScale * scale;
    const float small = kOlderGapTextScale * scale;
    const GapText latest = measured(canvas, timing.gapNs(0), large);

    std::array<GapText, kOlder> older;
    const std::size_t olderCount = timing.count() - 1;
    float rowWidth = 0;
    float rowHeight = 0;
    for (std::size_t i = 0; i < olderCount; ++i) {
        older[i] = measured(canvas, timing.gapNs(i + 1), small);
        rowWidth += older[i].size.X + (i > 0 ? kOlderSpacing * scale : 0.0f);
        rowHeight = std::max(rowHeight, older[i].size.Y);
    }
    const float height = latest.size.Y + (olderCount > 0 ? kLineGap * scale + rowHeight : 0.0f);

    const float top = room.takeBelowElseAbove(height);
    const float centre = pad.left + pad.width / 2.0f;

    setCanvasColour(canvas, Rgb{}, alpha);
    drawTextAt(canvas, latest.text.data(), centre - latest.size.X / 2.0f, top, large);
    float x = centre - rowWidth / 2.0f;
    const float rowTop = top + latest.size.Y + kLineGap * scale;
    for (std::size_t i = 0; i < olderCount; ++i) {
        drawTextAt(canvas, older[i].text.data(), x, rowTop, small);
        x += older[i].size.X + kOlderSpacing * scale;
    }
}

} // namespace vtx
