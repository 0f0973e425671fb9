#pragma once
// The input history (vtx_history_enable): each press of a control from the
// frame's stream of changes is an entry, drawn in a row beside the pad.
#include "core/InputHistory.h"
#include "overlay/HistoryTexts.h"
#include "overlay/OverlayElements.h"

namespace vtx {

class HistoryElement final : public OverlayElement {
public:
    explicit HistoryElement(const ElementParts&) {}
    void update(const FrameInput& input) override;
    void draw(const FrameContext& frame) override;

private:
    InputHistory history_;
    HistoryTexts texts_;
};

} // namespace vtx
