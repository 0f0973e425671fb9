#include "plugin/TimingButton.h"

#include <string>

#include "core/Catalogue.h"
#include "core/Log.h"
#include "input/ButtonWatch.h"

namespace vtx {

namespace {
void follow(HostView host, Overlay& overlay, const std::string& name) {
    const std::optional<PadButton> button = padButtonForLayer(name);
    overlay.setTimedButton(button);
    if (!button) {
        logLine(host.cvars,
                "press timing off: \"" + name + "\" is not a button (A B X Y LB RB LT RT DU DD DL DR L3 R3)");
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
