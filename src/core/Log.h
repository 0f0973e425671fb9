#pragma once
// Console log lines of the plugin, all with the "[vtx] " prefix.
#include <memory>
#include <string_view>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

namespace vtx {

inline void logLine(const std::shared_ptr<CVarManagerWrapper>& cvars, std::string_view message) {
    if (cvars) {
        cvars->log("[vtx] " + std::string(message));
    }
}

} // namespace vtx
