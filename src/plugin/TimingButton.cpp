#include "plugin/TimingButton.h"

#include <string>

#include "core/Catalogue.h"
#include "core/Controls.h"
#include "core/Log.h"

namespace vtx {

namespace {
std::string controlCodes() {
    std::string codes;
    for (const ControlSpec& control : kControls) {
        codes += (codes.empty() ? "" : " ") + std::string(control.code);
    }
    return codes;
}

void follow(HostView host, Overlay& overlay, const std::string& name) {
    const std::optional<ControlId> control = findControl(name);
    overlay.setTimedButton(control);
    if (!control) {
        logLine(host.cvars, "press timing off: \"" + name + "\" is not a button (" + controlCodes() + ")");
    }
}
} // namespace

void attachTimingButton(HostView host, Overlay& overlay) {
    CVarWrapper button = getCvar(*host.cvars, cvar::kTimingButton);
    if (!button) {
        return;
    }
    follow(host, overlay, button.getStringValue());
    button.addOnValueChanged([host, &overlay](std::string, CVarWrapper changed) {
        try {
            follow(host, overlay, changed.getStringValue());
        } catch (...) {
            // Out of memory for the log line: the button is set all the same.
        }
    });
}

} // namespace vtx
