#include "overlay/HistoryTexts.h"

#include <algorithm>
#include <cstring>

namespace vtx {

// Named apart so its names meet no other file's where the build joins files.
namespace history_texts {
namespace {
// Longer times show as this many milliseconds: no text outgrows its pieces.
constexpr std::int64_t kLongestShownNs = 99'999'999'000'000;

void measure(CanvasWrapper& canvas, HistoryText& row, float textScale) {
    if (row.splitAt == 0) {
        row.size = canvas.GetStringSize(row.text.data(), textScale, textScale);
        return;
    }
    const Vector2F head = canvas.GetStringSize(row.firstPiece().data(), textScale, textScale);
    const Vector2F tail = canvas.GetStringSize(row.text.data() + row.splitAt, textScale, textScale);
    row.firstWidth = head.X;
    row.size = Vector2F{head.X + tail.X, std::max(head.Y, tail.Y)};
}

} // namespace
} // namespace history_texts

std::array<char, kSmallTextLength + 1> HistoryText::firstPiece() const {
    std::array<char, kSmallTextLength + 1> first{};
    std::memcpy(first.data(), text.data(), std::min(splitAt, kSmallTextLength));
    return first;
}

// Formatted every time it is asked; measured only when the text differs
// from the one kept, or when `remeasure`. True when it was measured.
bool HistoryTexts::refreshHeld(CanvasWrapper& canvas, const InputHistory& history, std::size_t i, std::int64_t nowNs,
                               bool remeasure) {
    using namespace history_texts;
    const InputHistory::Entry& entry = history.entry(i);
    std::array<char, kHistoryTextSize> text{};
    const std::size_t length =
        formatHeld(entry.control, std::min(history.heldNs(i, nowNs), kLongestShownNs), text.data(), text.size());
    stillHeld_[i] = entry.held;
    HistoryText& held = held_[i];
    if (!remeasure && text == held.text)
        return false;
    held.text = text;
    held.splitAt = length > kSmallTextLength ? kControls[entry.control].code.size() + 1 : 0;
    measure(canvas, held, heldScale_);
    return true;
}

void HistoryTexts::refresh(CanvasWrapper& canvas, const InputHistory& history, std::size_t shown, std::int64_t nowNs,
                           float scale) {
    using namespace history_texts;
    shown = std::min(shown, history.count());
    bool measured = false;
    if (!valid_ || shown != count_ || scale != scale_) {
        count_ = shown;
        scale_ = scale;
        heldScale_ = kHeldTextScale * scale;
        gapScale_ = kHistoryGapTextScale * scale;
        for (std::size_t i = 0; i < shown; ++i) {
            refreshHeld(canvas, history, i, nowNs, true);
            if (i + 1 < shown) {
                formatGap(std::min(history.gapNs(i), kLongestShownNs), gaps_[i].text.data(), gaps_[i].text.size());
                measure(canvas, gaps_[i], gapScale_);
            }
        }
        valid_ = true;
        measured = true;
    } else {
        for (std::size_t i = 0; i < shown; ++i) {
            if (stillHeld_[i])
                measured = refreshHeld(canvas, history, i, nowNs, false) || measured;
        }
    }
    if (!measured)
        return;
    height_ = 0;
    for (std::size_t i = 0; i < shown; ++i)
        height_ = std::max(height_, held_[i].size.Y);
}

} // namespace vtx
