// Debug: the periodic state log line.
#include "core/Catalogue.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawDebugTab(const TabContext& tab) { switchCheckbox(tab.cvars, "Debug state logging", cvar::kDebugState); }

} // namespace vtx
