#pragma once
// The overlay's elements, made once, in drawing order.
#include <array>
#include <atomic>
#include <memory>
#include <vector>

#include "overlay/OverlayElement.h"
#include "overlay/Skins.h"

namespace vtx {

// What an element may be given when it is made.
struct ElementParts {
    const SkinLibrary& skins;
    // The control the press timing follows (a ControlId, or -1 for none);
    // written by vtx_timing_button's handler, perhaps on another thread.
    const std::atomic<int>& timedControl;
};

inline constexpr int kNoTimedControl = -1;

class OverlayElements {
public:
    explicit OverlayElements(const ElementParts& parts);

    void update(const FrameInput& input) {
        for (const auto& element : elements_)
            element->update(input);
    }
    void draw(const FrameContext& frame) {
        for (const auto& element : elements_)
            element->draw(frame);
    }

private:
    std::vector<std::unique_ptr<OverlayElement>> elements_;
};

} // namespace vtx
