#include "plugin/VersionVariable.h"

#include <string>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "bakkesmod/wrappers/cvarwrapper.h"
#include "core/Catalogue.h"
#include "core/Version.h"

namespace vtx {

void pinVersionVariable(HostView host) {
    if (!host.cvars) {
        return;
    }
    CVarWrapper version = getCvar(*host.cvars, cvar::kPluginVersion);
    if (!version) {
        return;
    }
    version.addOnValueChanged([](std::string, CVarWrapper changed) {
        try {
            // Setting the same value again runs no further change here.
            if (changed.getStringValue() != kVersion) {
                changed.setValue(std::string(kVersion));
            }
        } catch (...) {
            // Out of memory for a string: the value stays as typed until the next load.
        }
    });
    if (version.getStringValue() != kVersion) {
        version.setValue(std::string(kVersion));
    }
}

} // namespace vtx
