// F9 opens and closes the menu, Escape closes it, on rising edges seen by the
// viewport tick. The host's own F9 binding runs the same command; the host
// counts the two requests of one frame once.
#include "Vantrix.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Commands.h"
#include "menu/KeyAssign.h"
#include "menu/Menu.h"
#include "platform/Platform.h"

void Vantrix::onViewportTick(const std::string& /*eventName*/) { menuWindow.tickKeys(cvarManager.get()); }

void vtx::Menu::tickKeys(CVarManagerWrapper* cvars) {
    const bool f9Down = platform::keyHeld(kVirtualKeyF9);
    const bool escDown = platform::keyHeld(kVirtualKeyEscape);
    if (f9Down && !lastF9Down && cvars) {
        cvars->executeCommand(std::string(kToggleMenuCommand), false);
    }
    if (menuOpen && escDown && !lastEscDown && cvars) {
        cvars->executeCommand(std::string(kToggleMenuCommand), false);
    }
    lastF9Down = f9Down;
    lastEscDown = escDown;
}
