#pragma once
// vtx_version tells which version is loaded. The host keeps saved variables
// in its configuration and may hand a stored value back at registration (an
// older version's, after an update), and a user may type one: the variable is
// set to this build's version at load and put back whenever it changes.
#include "core/HostView.h"

namespace vtx {

void pinVersionVariable(HostView host);

} // namespace vtx
