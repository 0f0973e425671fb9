#pragma once
// How often plugin code calls into the host, by the kind of call that costs a
// frame: reads of console variables, wrapper objects made, canvas calls. The
// counts are the process's (the stand-in stands for one game with one host):
// Host::frame() starts them afresh and keeps each frame's (Host::
// frameCallCounts); a program that calls the plugin outside frames, as a
// benchmark does, resets and reads them itself.
#include <cstdint>

#include "vtxhost/Export.h"

namespace vtxhost {

struct HostCallCounts {
    // Every CVarWrapper getter (getIntValue, getFloatValue, getBoolValue,
    // getStringValue, getCVarName, getDescription) and every
    // CVarManagerWrapper::getCvar lookup. IsNull and operator bool ask only
    // whether the handle names a variable, and are not reads.
    std::uint64_t cvarReads = 0;
    // Every wrapper object constructed or copied (CVarWrapper,
    // CVarManagerWrapper, GameWrapper, CanvasWrapper, ImageWrapper, a game
    // object such as CarWrapper once however deep its class). Not counted:
    // what the host makes for itself, such as the canvas it hands each
    // drawable and the variable it hands each change callback; the copies a
    // callback taking them by value makes are.
    std::uint64_t wrapperCopies = 0;
    // Every CanvasWrapper member call, a canvas of no frame's included.
    std::uint64_t canvasCalls = 0;

    bool operator==(const HostCallCounts&) const = default;
};

// Since the last reset.
PLUGINSDK_API HostCallCounts hostCallCounts();
PLUGINSDK_API void resetHostCallCounts();

} // namespace vtxhost
