// Debug: the periodic state log line.
#include "core/Catalogue.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

void drawDebugTab(const MenuContext& menu) { switchCheckbox(menu.cvars(), "Debug state logging", cvar::kDebugState); }

} // namespace vtx
