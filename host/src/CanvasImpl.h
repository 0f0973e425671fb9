#pragma once
// What a CanvasWrapper holds, shared by the files that implement its calls.
// `record` is the frame's record (null for a canvas of no frame): every call
// is an op, each DrawTexture of a picture also a draw, each DrawString a
// text, each line or box a shape, with the state set before it.
#include "HostCalls.h"
#include "NoThrow.h"
#include "bakkesmod/wrappers/canvaswrapper.h"
#include "vtxhost/Host.h"

struct CanvasWrapper::Impl {
    vtxhost::CanvasRecord* record = nullptr;

    // Counts the call, then lets `write` add to the record; a canvas of no
    // frame records nothing, and nothing is thrown into the plugin.
    template <class F> void call(F&& write) noexcept {
        vtxhost::countHostCall(vtxhost::HostCall::CanvasCall);
        if (record)
            vtxhost::noThrow([&] { write(*record); });
    }
};
