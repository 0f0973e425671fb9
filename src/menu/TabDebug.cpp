// Debug: the periodic state log line.
#include "Vantrix.h"
#include "core/Catalogue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawDebugTab(Vantrix& plugin) { switchCheckbox(*plugin.cvarManager, "Debug state logging", cvar::kDebugState); }

} // namespace vtx
