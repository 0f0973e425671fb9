#include "overlay/PadSurroundings.h"

#include <algorithm>
#include <limits>

namespace vtx {

PadSurroundings::PadSurroundings(const PadPlace& picture, const PadPlace& visible, Vector2 canvasSize, float gap)
    : canvasWidth_(static_cast<float>(canvasSize.X)), canvasHeight_(static_cast<float>(canvasSize.Y)), gap_(gap),
      freeBelow_(picture.top + picture.height), freeAbove_(picture.top), freeRight_(visible.left + visible.width),
      freeLeft_(visible.left) {}

// A canvas of unknown size (0) has room everywhere.
float PadSurroundings::takeBelowElseAbove(float height) {
    const float top = freeBelow_ + gap_;
    if (canvasHeight_ <= 0 || top + height <= canvasHeight_) {
        freeBelow_ = top + height;
        return top;
    }
    freeAbove_ -= gap_ + height;
    return freeAbove_;
}

float PadSurroundings::takeRightElseLeft(float width) {
    const float left = freeRight_ + gap_;
    if (canvasWidth_ <= 0 || left + width <= canvasWidth_) {
        freeRight_ = left + width;
        return left;
    }
    freeLeft_ -= gap_ + width;
    return freeLeft_;
}

float PadSurroundings::widestBeside() const {
    if (canvasWidth_ <= 0)
        return std::numeric_limits<float>::max();
    return std::max(canvasWidth_ - freeRight_ - gap_, freeLeft_ - gap_);
}

} // namespace vtx
