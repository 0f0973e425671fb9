#include "overlay/HistoryElement.h"

#include "core/Catalogue.h"
#include "overlay/HistoryDrawing.h"

namespace vtx {

// Entries stay until newer presses push them out, however old they grow: a
// coach pauses the game to read a sequence, and a history that emptied itself
// over time would be gone by then.
void HistoryElement::update(const FrameInput& input) {
    if (!input.settings.on(cvar::kHistoryEnable)) {
        // Presses made while it was off are not shown when it comes back on.
        history_.clear();
        texts_.invalidate();
        return;
    }
    // Each change at the moment the input saw it, so a tap shorter than a
    // frame keeps its own length and presses in one report are 0 ms apart.
    if (!input.changes.empty())
        texts_.invalidate();
    for (const ControlChange& change : input.changes) {
        if (change.pressed)
            history_.press(change.control, change.atNs);
        else
            history_.release(change.control, change.atNs);
    }
}

void HistoryElement::draw(const FrameContext& frame) {
    if (!frame.settings.on(cvar::kHistoryEnable) || history_.count() == 0)
        return;
    // The count is kept within 1..12 by its row; the texts take no more than the history has.
    const auto wanted = static_cast<std::size_t>(frame.settings.integer(cvar::kHistoryCount));
    texts_.refresh(frame.canvas, history_, wanted, frame.nowNs, frame.layout.scale);
    drawHistory(frame, texts_);
}

} // namespace vtx
