#pragma once
// The counting side of vtxhost/HostCalls.h, for the wrappers' code.
#include "vtxhost/HostCalls.h"

namespace vtxhost {

enum class HostCall { CvarRead, WrapperCopy, CanvasCall };

void countHostCall(HostCall call) noexcept;

// While one is alive on a thread, the wrappers made there are the host's own
// (handed to a plugin callback, kept with a timer) and are not counted.
class HostOwnWrappers {
public:
    HostOwnWrappers() noexcept;
    ~HostOwnWrappers();
    HostOwnWrappers(const HostOwnWrappers&) = delete;
    HostOwnWrappers& operator=(const HostOwnWrappers&) = delete;
};

} // namespace vtxhost
