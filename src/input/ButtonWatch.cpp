#include "input/ButtonWatch.h"

#include <algorithm>

#include "core/Catalogue.h"

namespace vtx {

// PadButton lists the buttons in the order of the skin's layer codes.
static_assert(static_cast<std::size_t>(PadButton::r3) + 1 == kLayerCodes.size());

std::optional<PadButton> padButtonForLayer(std::string_view layer) {
    for (std::size_t i = 0; i < kLayerCodes.size(); ++i) {
        if (kLayerCodes[i] == layer)
            return static_cast<PadButton>(i);
    }
    return std::nullopt;
}

bool buttonHeld(const PadState& pad, PadButton button, float triggerThreshold) {
    switch (button) {
    case PadButton::a:
        return pad.a;
    case PadButton::b:
        return pad.b;
    case PadButton::x:
        return pad.x;
    case PadButton::y:
        return pad.y;
    case PadButton::dpadUp:
        return pad.dpadUp;
    case PadButton::dpadDown:
        return pad.dpadDown;
    case PadButton::dpadLeft:
        return pad.dpadLeft;
    case PadButton::dpadRight:
        return pad.dpadRight;
    case PadButton::lb:
        return pad.lb;
    case PadButton::rb:
        return pad.rb;
    case PadButton::lt:
        return pad.lt > triggerThreshold;
    case PadButton::rt:
        return pad.rt > triggerThreshold;
    case PadButton::l3:
        return pad.l3;
    case PadButton::r3:
        return pad.r3;
    }
    return false;
}

void ButtonWatch::follow(std::optional<PadButton> button, float triggerThreshold) {
    threshold_ = triggerThreshold;
    if (button == button_)
        return;
    button_ = button;
    known_ = false;
    count_ = 0;
}

void ButtonWatch::see(const PadState& pad, std::int64_t atNs) {
    if (!button_)
        return;
    const bool held = buttonHeld(pad, *button_, threshold_);
    const bool changed = known_ && held != held_;
    known_ = true;
    held_ = held;
    if (!changed)
        return;
    if (count_ == kRoom) {
        first_ = (first_ + 1) % kRoom;
        --count_;
    }
    changes_[(first_ + count_) % kRoom] = ButtonChange{held, atNs};
    ++count_;
}

std::size_t ButtonWatch::take(std::span<ButtonChange> out) {
    const std::size_t n = std::min(out.size(), count_);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = changes_[(first_ + i) % kRoom];
    first_ = 0;
    count_ = 0;
    return n;
}

} // namespace vtx
