#pragma once
#include <ostream>

namespace vtxpreview {

void printHelp(std::ostream& out);

} // namespace vtxpreview
