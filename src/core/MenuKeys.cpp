// F9 opens and closes the menu, Escape closes it, on rising edges seen by the
// viewport tick. The host's own F9 binding runs the same command; the host
// counts the two requests of one frame once.
#include "Vantrix.h"
#include "core/Commands.h"
#include "platform/Platform.h"

namespace {
constexpr int kVirtualKeyF9 = 120;
constexpr int kVirtualKeyEscape = 27;

bool lastF9Down = false;
bool lastEscDown = false;
} // namespace

void Vantrix::onViewportTick(const std::string& /*eventName*/) {
    const bool f9Down = vtx::platform::keyHeld(kVirtualKeyF9);
    const bool escDown = vtx::platform::keyHeld(kVirtualKeyEscape);
    if (f9Down && !lastF9Down && cvarManager) {
        cvarManager->executeCommand(std::string(vtx::kToggleMenuCommand), false);
    }
    if (menuOpen && escDown && !lastEscDown && cvarManager) {
        cvarManager->executeCommand(std::string(vtx::kToggleMenuCommand), false);
    }
    lastF9Down = f9Down;
    lastEscDown = escDown;
}
