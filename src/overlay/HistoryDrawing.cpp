#include "overlay/HistoryDrawing.h"

#include <algorithm>
#include <array>
#include <optional>

#include "overlay/CanvasDrawing.h"
#include "overlay/LayerDrawing.h"
#include "overlay/PadSurroundings.h"

namespace vtx {

// Named apart so its names meet no other file's where the build joins files.
namespace history_row {
namespace {
constexpr float kPadding = 4.0f;     // around the row, inside its box
constexpr float kChipPadding = 4.0f; // around an entry's text, inside its own box
constexpr float kSpacing = 6.0f;     // between an entry's box and a gap
constexpr float kBoxOpacity = 0.55f;
constexpr Rgb kBoxColour{0, 0, 0};
// Each entry on a lighter box of its own, so entries and gaps tell apart at a glance.
constexpr float kChipOpacity = 0.8f;
constexpr Rgb kChipColour{58, 60, 72};
constexpr Rgb kReleasedColour{255, 255, 255};
constexpr Rgb kHeldColour{140, 235, 140}; // still held: the time is still growing
constexpr Rgb kGapColour{200, 200, 200};

void draw(CanvasWrapper& canvas, const HistoryText& row, float x, float y, float textScale) {
    if (row.splitAt == 0) {
        drawTextAt(canvas, row.text.data(), x, y, textScale);
        return;
    }
    drawTextAt(canvas, row.firstPiece().data(), x, y, textScale);
    drawTextAt(canvas, row.text.data() + row.splitAt, x + row.firstWidth, y, textScale);
}

// Where each entry's box and each gap start along the canvas; gap `i` lies
// between entry `i` and the older entry `i + 1`.
struct RowPlaces {
    std::array<float, InputHistory::kCapacity> heldLeft{};
    std::array<float, InputHistory::kCapacity> gapLeft{};
};

// The width of the newest `count` entries with the gaps between them, the box's padding included.
float rowWidth(const HistoryTexts& row, std::size_t count, float scale) {
    float width = 2 * kPadding * scale;
    for (std::size_t i = 0; i < count; ++i) {
        width += row.held(i).size.X + 2 * kChipPadding * scale;
        if (i + 1 < count)
            width += row.gap(i).size.X + 2 * kSpacing * scale;
    }
    return width;
}

// The most entries, the newest first and at least one, whose row fits `room` wide.
std::size_t fittingCount(const HistoryTexts& row, float room, float scale) {
    std::size_t count = row.count();
    while (count > 1 && rowWidth(row, count, scale) > room)
        --count;
    return count;
}

// A box at (left, top) in the colour set last.
void placeBox(CanvasWrapper& canvas, float left, float top, float width, float height) {
    const std::optional<int> x = canvasCoordinate(left);
    const std::optional<int> y = canvasCoordinate(top);
    if (!x || !y)
        return;
    canvas.SetPosition(Vector2{*x, *y});
    canvas.FillBox(Vector2F{width, height});
}

// Centred on the visible part's height, and on the canvas where it has room.
float rowTop(const FrameContext& frame, float boxHeight) {
    float top = frame.visible.top + frame.visible.height / 2.0f - boxHeight / 2.0f;
    const auto canvasHeight = static_cast<float>(frame.canvasSize.Y);
    if (canvasHeight > 0)
        top = std::min(top, canvasHeight - boxHeight);
    return std::max(top, 0.0f);
}

// Right of the pad the newest entry comes first; left of it, last.
void placeAlong(const HistoryTexts& row, RowPlaces& places, std::size_t count, float left, bool rightOfPad,
                float scale) {
    float x = left + kPadding * scale;
    for (std::size_t slot = 0; slot < count; ++slot) {
        const std::size_t i = rightOfPad ? slot : count - 1 - slot;
        places.heldLeft[i] = x;
        x += row.held(i).size.X + 2 * kChipPadding * scale;
        if (slot + 1 == count)
            break;
        // The gap to the next entry along the row: older on the right, newer on the left.
        const std::size_t gap = rightOfPad ? i : i - 1;
        x += kSpacing * scale;
        places.gapLeft[gap] = x;
        x += row.gap(gap).size.X + kSpacing * scale;
    }
}

} // namespace
} // namespace history_row

// Drawn by colour, each colour set once: the boxes, the entries still held,
// those released, the gaps.
void drawHistory(const FrameContext& frame, const HistoryTexts& row) {
    using namespace history_row;
    if (row.count() == 0)
        return;
    CanvasWrapper& canvas = frame.canvas;
    const float scale = frame.layout.scale;
    const float alpha = frame.layout.fadeAlpha;
    const std::size_t count = fittingCount(row, frame.room.widestBeside(), scale);
    const float width = rowWidth(row, count, scale);
    const float chip = kChipPadding * scale;
    const float height = row.height() + 2 * (kPadding + kChipPadding) * scale;
    const float left = frame.room.takeRightElseLeft(width);
    const float top = rowTop(frame, height);
    RowPlaces places;
    placeAlong(row, places, count, left, left >= frame.visible.left, scale);

    setCanvasColour(canvas, kBoxColour, kBoxOpacity * alpha);
    placeBox(canvas, left, top, width, height);
    const float chipTop = top + kPadding * scale;
    setCanvasColour(canvas, kChipColour, kChipOpacity * alpha);
    for (std::size_t i = 0; i < count; ++i)
        placeBox(canvas, places.heldLeft[i], chipTop, row.held(i).size.X + 2 * chip, row.height() + 2 * chip);

    const float textTop = chipTop + chip;
    const unsigned char opacity = alphaByte(alpha); // every text's
    for (const bool stillHeld : {true, false}) {
        setCanvasColourByte(canvas, stillHeld ? kHeldColour : kReleasedColour, opacity);
        for (std::size_t i = 0; i < count; ++i) {
            const HistoryText& held = row.held(i);
            if (row.stillHeld(i) == stillHeld)
                draw(canvas, held, places.heldLeft[i] + chip, textTop + (row.height() - held.size.Y) / 2.0f,
                     row.heldScale());
        }
    }
    setCanvasColourByte(canvas, kGapColour, opacity);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const HistoryText& gap = row.gap(i);
        draw(canvas, gap, places.gapLeft[i], textTop + (row.height() - gap.size.Y) / 2.0f, row.gapScale());
    }
}

} // namespace vtx
