#include "overlay/StickTrail.h"

#include <cmath>

#include "input/PadState.h"
#include "overlay/CanvasDrawing.h"

namespace vtx {

namespace {
constexpr float kDotSize = 6.0f;
// The newest dot's opacity; each older one loses an equal share of it.
constexpr float kNewestDotAlpha = 0.8f;
constexpr std::array<Rgb, 2> kDotColours{Rgb{255, 200, 60}, Rgb{90, 200, 255}};
constexpr std::array<ControlId, 2> kStickCaps{control("L3"), control("R3")};

struct Point {
    float x;
    float y;
};

Point capCentre(const PixelBox& box, ControlId cap, const SettingsSnapshot& settings, const Layout& layout) {
    return Point{
        layout.drawX + settings.offset(cap, Axis::X) + static_cast<float>(box.left + box.right) / 2.0f * layout.scale,
        layout.drawY + settings.offset(cap, Axis::Y) + static_cast<float>(box.top + box.bottom) / 2.0f * layout.scale};
}

// Where the cap was drawn for `sample`: the stick range is in screen pixels,
// as the cap's own movement is.
Point capAt(Point centre, const TraceSample& sample, std::size_t side, float range) {
    const float x = side == kLeft ? sample.leftX : sample.rightX;
    const float y = side == kLeft ? sample.leftY : sample.rightY;
    return Point{centre.x + range * x, centre.y + range * y};
}

// The samples the dots show, the newest first (age 1), and each age's
// opacity: the same for both sticks, so found and computed once.
struct TrailAges {
    std::array<const TraceSample*, kTrailDots> samples{};
    std::array<unsigned char, kTrailDots> alpha{};
    int count = 0; // ages with a sample
};

TrailAges trailAges(const TraceSamples& samples, std::int64_t nowNs, TrailCursors& cursors, float fadeAlpha) {
    TrailAges ages;
    for (int age = 1; age <= kTrailDots; ++age) {
        const auto i = static_cast<std::size_t>(age - 1);
        ages.samples[i] = samples.at(nowNs - kTrailNs * age / kTrailDots, cursors[i]);
        if (ages.samples[i] == nullptr)
            break;
        const float fading = static_cast<float>(kTrailDots + 1 - age) / static_cast<float>(kTrailDots);
        ages.alpha[i] = alphaByte(kNewestDotAlpha * fading * fadeAlpha);
        ages.count = age;
    }
    return ages;
}

void drawTrail(CanvasWrapper& canvas, const TraceSamples& samples, const TrailAges& ages, std::size_t side,
               Point centre, const Layout& layout) {
    const float dot = kDotSize * layout.scale;
    const Point now = capAt(centre, samples.sample(0), side, layout.range);
    for (std::size_t i = 0; i < static_cast<std::size_t>(ages.count); ++i) {
        const Point at = capAt(centre, *ages.samples[i], side, layout.range);
        if (std::fabs(at.x - now.x) < dot / 2.0f && std::fabs(at.y - now.y) < dot / 2.0f)
            continue;
        setCanvasColourByte(canvas, kDotColours[side], ages.alpha[i]);
        canvas.SetPosition(Vector2F{at.x - dot / 2.0f, at.y - dot / 2.0f});
        canvas.FillBox(Vector2F{dot, dot});
    }
}
} // namespace

void drawStickTrails(CanvasWrapper& canvas, const TraceSamples& samples, std::int64_t nowNs, TrailCursors& cursors,
                     const std::array<PixelBox, 2>& capBoxes, const SettingsSnapshot& settings, const Layout& layout) {
    if (samples.count() == 0)
        return;
    const TrailAges ages = trailAges(samples, nowNs, cursors, layout.fadeAlpha);
    for (std::size_t side : {kLeft, kRight}) {
        const PixelBox& box = capBoxes[side];
        if (box.right <= box.left || box.bottom <= box.top)
            continue;
        drawTrail(canvas, samples, ages, side, capCentre(box, kStickCaps[side], settings, layout), layout);
    }
}

} // namespace vtx
