#pragma once
// The input history's texts as its row shows them, each measured by the
// canvas. Formatting and measuring are most of what the row costs, and most
// texts stay the same for many frames: they are kept from one frame to the
// next and redone only when their entry changed. An entry still held is the
// one whose time grows each frame: it alone is redone every frame.
#include <array>
#include <cstddef>
#include <cstdint>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/InputHistory.h"
#include "overlay/CanvasDrawing.h"

namespace vtx {

// Text scales at overlay scale 1: the canvas font's glyphs are drawn this many
// times their size.
inline constexpr float kHeldTextScale = 1.5f;
inline constexpr float kHistoryGapTextScale = 1.0f;

// One text of the row. An entry's text longer than the host's small buffer
// ("Touchpad 1234 ms") goes as two pieces, split after the control's code.
struct HistoryText {
    std::array<char, kHistoryTextSize> text{};
    std::size_t splitAt = 0; // the second piece's start; 0 when whole
    float firstWidth = 0;
    Vector2F size{0, 0};

    // The piece before the split, as a text of its own.
    std::array<char, kSmallTextLength + 1> firstPiece() const;
};

class HistoryTexts {
public:
    // The history changed (a press, a release, cleared): every text is
    // redone at the next refresh.
    void invalidate() { valid_ = false; }
    // The texts of the newest `shown` entries (at most the history's count)
    // at `nowNs`, at overlay scale `scale`. Allocates nothing.
    void refresh(CanvasWrapper& canvas, const InputHistory& history, std::size_t shown, std::int64_t nowNs,
                 float scale);

    std::size_t count() const { return count_; }
    // Entry `i`'s text, 0 the newest, and whether it is still held.
    const HistoryText& held(std::size_t i) const { return held_[i]; }
    bool stillHeld(std::size_t i) const { return stillHeld_[i]; }
    // The gap between entry `i` and the older entry `i + 1`.
    const HistoryText& gap(std::size_t i) const { return gaps_[i]; }
    float heldScale() const { return heldScale_; }
    float gapScale() const { return gapScale_; }
    // The tallest entry text.
    float height() const { return height_; }

private:
    bool refreshHeld(CanvasWrapper& canvas, const InputHistory& history, std::size_t i, std::int64_t nowNs,
                     bool remeasure);

    std::array<HistoryText, InputHistory::kCapacity> held_;
    std::array<bool, InputHistory::kCapacity> stillHeld_{};
    std::array<HistoryText, InputHistory::kCapacity> gaps_;
    std::size_t count_ = 0;
    float scale_ = 0;
    float heldScale_ = 0;
    float gapScale_ = 0;
    float height_ = 0;
    bool valid_ = false;
};

} // namespace vtx
