#pragma once
// The one button press timing follows, watched as the input sees it: an
// XInput pad's state once a frame, a Sony pad's at each report. Only changes
// are kept, each at its own moment, until the frame takes them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "input/PadState.h"

namespace vtx {

// In the order of the skin's layer codes (A B X Y DU DD DL DR LB RB LT RT L3 R3).
enum class PadButton { a, b, x, y, dpadUp, dpadDown, dpadLeft, dpadRight, lb, rb, lt, rt, l3, r3 };

// The button a layer name stands for ("A", "DU", "LT", ...), matched exactly;
// nothing for any other name.
std::optional<PadButton> padButtonForLayer(std::string_view layer);
// Whether `pad` holds the button; a trigger counts above `triggerThreshold`,
// as it is drawn.
bool buttonHeld(const PadState& pad, PadButton button, float triggerThreshold);

struct ButtonChange {
    bool held = false;
    std::int64_t atNs = 0; // steady clock
};

class ButtonWatch {
public:
    // Another button, or none, forgets what was seen.
    void follow(std::optional<PadButton> button, float triggerThreshold);
    bool following() const { return button_.has_value(); }
    // The pad as seen at `atNs`; the first look only learns the state.
    void see(const PadState& pad, std::int64_t atNs);
    // The changes since the last take, oldest first, as many as fit; the rest
    // are dropped. Without a button there are none.
    std::size_t take(std::span<ButtonChange> out);

    // More changes than a frame can bring: the oldest give way.
    static constexpr std::size_t kRoom = 32;

private:
    std::optional<PadButton> button_;
    float threshold_ = 0;
    bool known_ = false;
    bool held_ = false;
    std::array<ButtonChange, kRoom> changes_{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
};

} // namespace vtx
