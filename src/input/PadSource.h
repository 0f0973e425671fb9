#pragma once
// One family of pads the plugin reads (XInput pads, Sony-protocol HID pads),
// behind one small interface: each frame the input asks its sources, in
// order, for the pad each would show, and shows the first answer. A source
// keeps its devices' state in a table of its own; the shown pad's changes go
// to the stream as the source sees them.
#include <cstdint>

#include "input/PadState.h"

namespace vtx {

struct SourcePoll {
    int padSetting = -1;     // vtx_pad
    std::uint64_t nowMs = 0; // tick count
    std::int64_t nowNs = 0;  // steady clock
};

class PadSource {
public:
    virtual ~PadSource() = default;
    // Once a frame, before the input takes its lock: asks the devices what
    // they hold now, for a source that must ask (a query may take a while).
    virtual void refresh(const SourcePoll& at) = 0;
    // The pad this source shows now, into `out`; false when it has none (the
    // next source is asked).
    virtual bool poll(const SourcePoll& at, PadState& out) = 0;
    // Whether the frame showed this source's pad: only the shown pad's
    // changes go to the stream.
    virtual void setShown(bool shown) = 0;
};

} // namespace vtx
